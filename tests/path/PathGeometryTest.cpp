// Path bounds, transforms, flattening and polygons.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "geometry/Matrix.h"
#include "geometry/Tolerances.h"
#include "path/PathData.h"

namespace zk {
namespace {

using Entries = std::vector<TZKPathPoint>;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

Entries EntriesOf(const TZKPathData& P) { return {P.Entries().begin(), P.Entries().end()}; }
TZKPathPoint E(TZKPathPointKind Kind, float X, float Y) { return {Kind, {X, Y}}; }

std::string Describe(const Entries& Es) {
  std::string S;
  for (const auto& Entry : Es)
    S += "MLCZ"[Entry.Kind & 3] + std::string("(") + std::to_string(Entry.Point.X) + "," +
         std::to_string(Entry.Point.Y) + ") ";
  return S;
}

// A straight cubic from (0, 0) to (Length, 0) with evenly spaced control points.
void StraightCurve(TZKPathData& P, float Length) {
  P.MoveTo({0, 0});
  P.CurveTo({Length / 3, 0}, {2 * Length / 3, 0}, {Length, 0});
}

// ---- Bounds and IsEmpty -----------------------------------------------------------

struct BoundsCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  TRectF Bounds;
  bool Empty;
};

const BoundsCase kBoundsCases[] = {
    {"NoEntries", [](TZKPathData&) {}, {0, 0, 0, 0}, true},
    // 5 + 0.001 rounded to Single is 5.00099993.
    {"OneMove_PaddedBothWays", [](TZKPathData& P) { P.MoveTo({5, 5}); }, {5, 5, 0x1.401062p+2f, 0x1.401062p+2f}, false},
    // The padding is added in extended precision and rounded once: a Single
    // sum of 0.001f would give 0x1.eb127p-9.
    {"SmallMove_PaddingRoundedOnce", [](TZKPathData& P) { P.MoveTo({0x1.68p-9f, 0x1.68p-9f}); },
     {0x1.68p-9f, 0x1.68p-9f, 0x1.eb126ep-9f, 0x1.eb126ep-9f}, false},
    // From 32768 on the padding is lost: 40000 + 0.001 is 40000 in Single.
    {"OneMoveAt40000_WidthStaysZero", [](TZKPathData& P) { P.MoveTo({40000, 5}); },
     {40000, 5, 40000, 0x1.401062p+2f}, true},
    {"HorizontalLine_HeightPadded", [](TZKPathData& P) { P.MoveTo({0, 0}); P.LineTo({10, 0}); },
     {0, 0, 10, 0x1.0624dep-10f}, false},
    {"HorizontalLineAt40000_Empty", [](TZKPathData& P) { P.MoveTo({0, 40000}); P.LineTo({10, 40000}); },
     {0, 40000, 10, 40000}, true},
    {"ClosesOnly_StartRectangle", [](TZKPathData& P) { P.ClosePath(); P.ClosePath(); },
     {65535, 65535, -65535, -65535}, false},
    {"BeyondSearchLimit_LeftStaysAt65535", [](TZKPathData& P) { P.MoveTo({70000, 10}); P.LineTo({80000, 20}); },
     {65535, 10, 80000, 20}, false},
    {"CurveControlPointsCount",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, -10}, {10, 30}, {10, 0}); }, {0, -10, 10, 30}, false},
    // The close holds the figure start (-50, -50) left over from before Clear.
    {"ClosePointIgnored",
     [](TZKPathData& P) { P.MoveTo({-50, -50}); P.Clear(); P.LineTo({1, 2}); P.LineTo({3, 4}); P.ClosePath(); },
     {1, 2, 3, 4}, false},
    {"NaNPointIgnored", [](TZKPathData& P) { P.MoveTo({NaN, NaN}); P.LineTo({1, 2}); P.LineTo({3, 4}); },
     {1, 2, 3, 4}, false},
};

class PathBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(PathBoundsTest, BoundsAndEmptiness_MatchTable) {
  TZKPathData P;
  GetParam().Build(P);
  EXPECT_EQ(P.GetBounds(), GetParam().Bounds);
  EXPECT_EQ(P.GetBounds(), GetParam().Bounds) << "cached answer";
  EXPECT_EQ(P.IsEmpty(), GetParam().Empty);
}

INSTANTIATE_TEST_SUITE_P(Table, PathBoundsTest, ::testing::ValuesIn(kBoundsCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathGeometryTest, Bounds_FollowEveryChange) {
  TZKPathData P;
  P.MoveTo({0, 0});
  P.LineTo({10, 10});
  ASSERT_EQ(P.GetBounds(), (TRectF{0, 0, 10, 10}));
  P.LineTo({-5, 20});
  EXPECT_EQ(P.GetBounds(), (TRectF{-5, 0, 10, 20}));
  P.Translate(1, 1);
  EXPECT_EQ(P.GetBounds(), (TRectF{-4, 1, 11, 21}));
  P.Clear();
  EXPECT_EQ(P.GetBounds(), (TRectF{}));
}

// ---- Transforms -------------------------------------------------------------------

struct TransformCase {
  const char* Name;
  std::function<void(TZKPathData&)> Apply;
  Entries Expected;
};

// Built from: M(1,2) L(3,-4) C(1,1)(2,2)(3,3) Z(1,2); the close keeps (1,2).
const TransformCase kTransformCases[] = {
    {"Scale", [](TZKPathData& P) { P.Scale(2, -0.5f); },
     {E(ppMoveTo, 2, -1), E(ppLineTo, 6, 2), E(ppCurveTo, 2, -0.5f), E(ppCurveTo, 4, -1), E(ppCurveTo, 6, -1.5f),
      E(ppClose, 1, 2)}},
    {"Translate", [](TZKPathData& P) { P.Translate(10, -1); },
     {E(ppMoveTo, 11, 1), E(ppLineTo, 13, -5), E(ppCurveTo, 11, 0), E(ppCurveTo, 12, 1), E(ppCurveTo, 13, 2),
      E(ppClose, 1, 2)}},
    // Row vector times matrix: X' = X*m11 + Y*m21 + m31, Y' = X*m12 + Y*m22 + m32;
    // the third column is ignored (no perspective division).
    {"ApplyMatrix_RowVectorNoDivision", [](TZKPathData& P) { P.ApplyMatrix({0, 1, 5, -1, 0, 7, 100, 200, 9}); },
     {E(ppMoveTo, 98, 201), E(ppLineTo, 104, 203), E(ppCurveTo, 99, 201), E(ppCurveTo, 98, 202),
      E(ppCurveTo, 97, 203), E(ppClose, 1, 2)}},
    // Bounds (1, -4, 3, 3) onto (0, 0, 20, 70): X' = (X - 1) * 10, Y' = (Y + 4) * 10.
    {"FitToRect", [](TZKPathData& P) { P.FitToRect({0, 0, 20, 70}); },
     {E(ppMoveTo, 0, 60), E(ppLineTo, 20, 0), E(ppCurveTo, 0, 50), E(ppCurveTo, 10, 60), E(ppCurveTo, 20, 70),
      E(ppClose, 1, 2)}},
    {"FitToRect_ReversedRectMirrors", [](TZKPathData& P) { P.FitToRect({20, 70, 0, 0}); },
     {E(ppMoveTo, 20, 10), E(ppLineTo, 0, 70), E(ppCurveTo, 20, 20), E(ppCurveTo, 10, 10), E(ppCurveTo, 0, 0),
      E(ppClose, 1, 2)}},
};

class PathTransformTest : public ::testing::TestWithParam<TransformCase> {};

TEST_P(PathTransformTest, MovesEveryPointButCloses_NotifiesOnce) {
  TZKPathData P;
  P.MoveTo({1, 2});
  P.LineTo({3, -4});
  P.CurveTo({1, 1}, {2, 2}, {3, 3});
  P.ClosePath();
  int Changes = 0;
  P.OnChanged = [&](TObject*) { ++Changes; };
  GetParam().Apply(P);
  EXPECT_EQ(EntriesOf(P), GetParam().Expected) << Describe(EntriesOf(P));
  EXPECT_EQ(Changes, 1);
}

TEST_P(PathTransformTest, EmptyPath_UnchangedAndSilent) {
  TZKPathData P;
  int Changes = 0;
  P.OnChanged = [&](TObject*) { ++Changes; };
  GetParam().Apply(P);
  EXPECT_EQ(P.Count(), 0);
  EXPECT_EQ(Changes, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, PathTransformTest, ::testing::ValuesIn(kTransformCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathGeometryTest, FitToRect_MapsBoundsCornersOntoRect) {
  TZKPathData P;
  P.MoveTo({10, 10});
  P.LineTo({30, 20});
  P.FitToRect({0, 0, 100, 50});
  EXPECT_EQ(EntriesOf(P), (Entries{E(ppMoveTo, 0, 0), E(ppLineTo, 100, 50)}));
}

// The scale is the quotient of the exact extents, rounded once: 3120 / 95.525
// (57.175f + 38.35f, not a Single) is 0x1.054af8p+5, where the extents rounded
// to Singles first give 0x1.054afap+5. The origin lands at 38.35f times it.
TEST(PathGeometryTest, FitToRect_EachPointRoundedOnceFromTheExactFit) {
  TZKPathData P;
  P.MoveTo({-38.35f, 0});
  P.LineTo({57.175f, 1});
  P.LineTo({0, 0});
  P.FitToRect({0, 0, 3120, 1});
  // 38.35 * 3120 / 95.525 = 1252.57261, nearest Single 1252.57263.
  EXPECT_EQ(EntriesOf(P)[2], E(ppLineTo, 0x1.3924a6p+10f, 0));
}

TEST(PathGeometryTest, FitToRect_LineWithoutExtentAt40000_Unchanged) {
  TZKPathData P;
  P.MoveTo({0, 40000});
  P.LineTo({10, 40000});
  int Changes = 0;
  P.OnChanged = [&](TObject*) { ++Changes; };
  P.FitToRect({0, 0, 100, 50});
  EXPECT_EQ(EntriesOf(P), (Entries{E(ppMoveTo, 0, 40000), E(ppLineTo, 10, 40000)}));
  EXPECT_EQ(Changes, 0);
}

// ---- Flatten ----------------------------------------------------------------------

TEST(PathGeometryTest, Flatten_CurveOfLength10AtFlatness1_TenLinesFirstRepeatsStart) {
  TZKPathData P;
  StraightCurve(P, 10);
  P.Flatten(1);
  const Entries Es = EntriesOf(P);
  ASSERT_EQ(Es.size(), 11u) << Describe(Es);
  EXPECT_EQ(Es[0], E(ppMoveTo, 0, 0));
  EXPECT_EQ(Es[1], E(ppLineTo, 0, 0));
  for (std::size_t I = 1; I < Es.size(); ++I) {
    EXPECT_EQ(Es[I].Kind, ppLineTo);
    EXPECT_NEAR(Es[I].Point.X, 10.0 * (I - 1) / 9, 1e-5) << I;
    EXPECT_EQ(float(Es[I].Point.Y), 0);
  }
}

struct FlattenCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  float Flatness;
  Entries Expected;  // when empty: only the entry count below is checked
  std::size_t Count;
};

const FlattenCase kFlattenCases[] = {
    // Chords 1.4 < 1.5 pieces of 1: one line to the stored end point.
    {"ShortCurve_OneLineToEnd", [](TZKPathData& P) { StraightCurve(P, 1.4f); }, 1,
     {E(ppMoveTo, 0, 0), E(ppLineTo, 1.4f, 0)}, 2},
    {"FlatnessZero_UsesMinimum", [](TZKPathData& P) { StraightCurve(P, 1); }, 0, {}, 1 + 20},
    {"FlatnessNegative_UsesMinimum", [](TZKPathData& P) { StraightCurve(P, 1); }, -3, {}, 1 + 20},
    {"FlatnessNaN_UsesMinimum", [](TZKPathData& P) { StraightCurve(P, 1); }, NaN, {}, 1 + 20},
    // The close is re-added through ClosePath: it holds the re-added figure's start.
    {"LinesAndClose_Kept",
     [](TZKPathData& P) { P.MoveTo({1, 1}); P.LineTo({5, 1}); P.ClosePath(); P.MoveTo({7, 7}); P.LineTo({8, 8}); }, 1,
     {E(ppMoveTo, 1, 1), E(ppLineTo, 5, 1), E(ppClose, 1, 1), E(ppMoveTo, 7, 7), E(ppLineTo, 8, 8)}, 5},
    // A curve that opens the path starts at the origin.
    {"CurveFirst_StartsAtOrigin", [](TZKPathData& P) { P.CurveTo({0, 1}, {1, 1}, {1, 0}); }, 10,
     {E(ppLineTo, 1, 0)}, 1},
    // After a close the current point stays the last point before it.
    {"CurveAfterClose_StartsAtPointBeforeClose",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.LineTo({4, 0}); P.ClosePath(); P.CurveTo({4, 0}, {4, 0}, {4, 0}); }, 1,
     {E(ppMoveTo, 0, 0), E(ppLineTo, 4, 0), E(ppClose, 0, 0), E(ppLineTo, 4, 0)}, 4},
    {"InfiniteCurve_OneStraightPiece",
     [](TZKPathData& P) {
       P.MoveTo({0, 0});
       P.CurveTo({std::numeric_limits<float>::infinity(), 0}, {0, 0}, {1, 1});
     },
     0.05f, {E(ppMoveTo, 0, 0), E(ppLineTo, 1, 1)}, 2},
};

class PathFlattenTest : public ::testing::TestWithParam<FlattenCase> {};

TEST_P(PathFlattenTest, Entries_MatchTable) {
  TZKPathData P;
  GetParam().Build(P);
  P.Flatten(GetParam().Flatness);
  if (!GetParam().Expected.empty()) {
    EXPECT_EQ(EntriesOf(P), GetParam().Expected) << Describe(EntriesOf(P));
  }
  EXPECT_EQ(std::size_t(P.Count()), GetParam().Count);
  for (const auto& Entry : P.Entries()) EXPECT_NE(Entry.Kind, ppCurveTo);
}

INSTANTIATE_TEST_SUITE_P(Table, PathFlattenTest, ::testing::ValuesIn(kFlattenCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathGeometryTest, Flatten_NotifiesPerEntryUnlessBracketed) {
  TZKPathData P;
  StraightCurve(P, 10);
  int Changes = 0;
  P.OnChanged = [&](TObject*) { ++Changes; };
  P.Flatten(1);
  EXPECT_EQ(Changes, 11 + 1);  // each re-added entry, then the final Change

  TZKPathData Q;
  StraightCurve(Q, 10);
  Q.OnChanged = [&](TObject*) { ++Changes; };
  Changes = 0;
  Q.BeginUpdate();
  Q.Flatten(1);
  Q.EndUpdate();
  EXPECT_EQ(Changes, 1);

  TZKPathData Empty;
  Empty.OnChanged = [&](TObject*) { ++Changes; };
  Changes = 0;
  Empty.Flatten(1);
  EXPECT_EQ(Changes, 0);
}

// ---- FlattenToPolygon -----------------------------------------------------------

TEST(PathGeometryTest, FlattenToPolygon_MarkerBetweenSubPathsAndSize) {
  TZKPathData P;
  P.MoveTo({0, 0});
  P.LineTo({10, 0});
  P.LineTo({10, 10});
  P.ClosePath();
  P.MoveTo({20, 20});
  P.LineTo({30, 20});
  TZKPoints Polygon{{99, 99}};
  const TPointF Size = P.FlattenToPolygon(Polygon, 1);
  EXPECT_EQ(Polygon, (TZKPoints{{0, 0}, {10, 0}, {10, 10}, {0, 0}, ZKClosePolygon, {20, 20}, {30, 20}}));
  EXPECT_EQ(Size, (TPointF{30, 20}));
}

struct PolygonCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  TZKPoints Polygon;
  TPointF Size;
};

const PolygonCase kPolygonCases[] = {
    {"Empty", [](TZKPathData&) {}, {}, {0, 0}},
    {"RepeatedPointsCollapse", [](TZKPathData& P) { P.MoveTo({1, 1}); P.LineTo({1, 1}); P.LineTo({2, 1}); P.LineTo({2, 1}); },
     {{1, 1}, {2, 1}}, {1, float(1 + BoundsPadding) - 1.0f}},
    {"ClosedLastSubPath_TrailingMarker", [](TZKPathData& P) { P.MoveTo({0, 0}); P.LineTo({0, 5}); P.ClosePath(); },
     {{0, 0}, {0, 5}, {0, 0}, ZKClosePolygon}, {0x1.0624dep-10f, 5}},
    // A curve of fewer than 2 pieces appends its start, then its end.
    {"ShortCurveAfterClose_AppendsCurrentThenEnd",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.LineTo({1, 0}); P.ClosePath(); P.CurveTo({1, 0}, {1, 0}, {1, 1}); },
     {{0, 0}, {1, 0}, {0, 0}, ZKClosePolygon, {1, 0}, {1, 1}}, {1, 1}},
    {"CurveFirst_StartsAtOrigin", [](TZKPathData& P) { P.CurveTo({0, 0.5f}, {0.5f, 0.5f}, {0.5f, 0}); },
     {{0, 0}, {0.5f, 0}}, {0.5f, 0.5f}},
};

class PathFlattenToPolygonTest : public ::testing::TestWithParam<PolygonCase> {};

TEST_P(PathFlattenToPolygonTest, PointsAndSize_MatchTable) {
  TZKPathData P;
  GetParam().Build(P);
  TZKPoints Polygon;
  const TPointF Size = P.FlattenToPolygon(Polygon, 1);
  EXPECT_EQ(Polygon, GetParam().Polygon);
  EXPECT_EQ(Size, GetParam().Size);
}

INSTANTIATE_TEST_SUITE_P(Table, PathFlattenToPolygonTest, ::testing::ValuesIn(kPolygonCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// ---- ToPolygons -------------------------------------------------------------------

TEST(PathGeometryTest, ToPolygons_OnePerSubPathClosedRingsRepeatTheirStart) {
  TZKPathData P;
  P.AddRectangle({0, 0, 10, 10});
  P.MoveTo({100, 100});
  P.LineTo({103, 104});
  P.ClosePath();
  P.ClosePath();  // a close with no open polygon adds an empty one
  P.MoveTo({7, 7});
  EXPECT_EQ(P.ToPolygons(), (TZKPolygons{{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}},
                                         {{100, 100}, {103, 104}, {100, 100}},
                                         {},
                                         {{7, 7}}}));
}

TEST(PathGeometryTest, ToPolygons_CurvePassesThroughStartControlsAndEnd) {
  TZKPathData P;
  P.MoveTo({0, 0});
  P.CurveTo({0, 10}, {10, 10}, {10, 0});
  const TZKPolygons& Polygons = P.ToPolygons();
  ASSERT_EQ(Polygons.size(), 1u);
  const TZKPoints& Ring = Polygons[0];
  EXPECT_EQ(Ring[0], (TPointF{0, 0}));  // the move
  EXPECT_EQ(Ring[1], (TPointF{0, 0}));  // the spline's first point
  for (const TPointF Through : {TPointF{0, 10}, TPointF{10, 10}, TPointF{10, 0}}) {
    double Nearest = 1e9;
    for (const TPointF& Q : Ring) Nearest = std::min(Nearest, std::hypot(double(Q.X) - Through.X, double(Q.Y) - Through.Y));
    EXPECT_LT(Nearest, 1e-4) << Through.X << "," << Through.Y;
  }
  EXPECT_GT(Ring.size(), 30u);  // samples about one unit apart over 30 units
}

TEST(PathGeometryTest, ToPolygons_CurveFirstStartsAtOrigin) {
  TZKPathData P;
  P.CurveTo({0, 5}, {5, 5}, {5, 0});
  const TZKPolygons& Polygons = P.ToPolygons();
  ASSERT_EQ(Polygons.size(), 1u);
  EXPECT_EQ(Polygons[0].front(), (TPointF{0, 0}));
}

TEST(PathGeometryTest, ToPolygons_RecomputedUntilMeasuredThenCached) {
  TZKPathData P;
  P.AddRectangle({0, 0, 10, 10});
  // A recomputation builds its result while the old one is alive, so the
  // buffer moves on every call that recomputes.
  const TZKPoints* First = P.ToPolygons().data();
  EXPECT_NE(P.ToPolygons().data(), First);
  ASSERT_EQ(P.GetLength(), 40);
  const TZKPoints* Measured = P.ToPolygons().data();
  EXPECT_EQ(P.ToPolygons().data(), Measured);
  P.LineTo({3, 3});
  EXPECT_EQ(P.ToPolygons().back().back(), (TPointF{3, 3}));
}

// ---- Properties -------------------------------------------------------------------

// A full circle of radius 100 in four kappa quarters, centred on (200, 200).
void Circle(TZKPathData& P) {
  const float R = 100, K = float(EllipseKappa * R), C = 200;
  P.MoveTo({C + R, C});
  P.CurveTo({C + R, C + K}, {C + K, C + R}, {C, C + R});
  P.CurveTo({C - K, C + R}, {C - R, C + K}, {C - R, C});
  P.CurveTo({C - R, C - K}, {C - K, C - R}, {C, C - R});
  P.CurveTo({C + K, C - R}, {C + R, C - K}, {C + R, C});
}

TEST(PathGeometryTest, FlattenedCircle_LengthCloseToAnalytic) {
  for (const float Flatness : {0.25f, 1.0f, 5.0f}) {
    SCOPED_TRACE(Flatness);
    TZKPathData P;
    Circle(P);
    P.Flatten(Flatness);
    double Length = 0;
    const auto Es = P.Entries();
    for (std::size_t I = 1; I < Es.size(); ++I)
      Length += std::hypot(double(Es[I].Point.X) - Es[I - 1].Point.X, double(Es[I].Point.Y) - Es[I - 1].Point.Y);
    // The kappa cubic is 0.027% off the circle; chords cut it a little shorter.
    EXPECT_NEAR(Length, 2 * M_PI * 100, 2 * M_PI * 100 * 2e-3);
    EXPECT_NEAR(double(Es.size()), 2 * M_PI * 100 / Flatness, 4 + 0.01 * 2 * M_PI * 100 / Flatness);
  }
}

TEST(PathGeometryTest, Bounds_HoldEveryFlattenedPoint) {
  std::mt19937 Random(7);
  std::uniform_real_distribution<float> Coordinate(-500, 500);
  for (int Trial = 0; Trial < 200; ++Trial) {
    TZKPathData P;
    P.MoveTo({Coordinate(Random), Coordinate(Random)});
    for (int K = 0; K < 3; ++K)
      P.CurveTo({Coordinate(Random), Coordinate(Random)}, {Coordinate(Random), Coordinate(Random)},
                {Coordinate(Random), Coordinate(Random)});
    TZKPoints Polygon;
    P.FlattenToPolygon(Polygon, 2);
    const TRectF B = P.GetBounds();
    // Samples at t accumulated in Single may overshoot t = 1 by a few ulps.
    const float Slack = 1e-3f * std::max(B.Right - B.Left, B.Bottom - B.Top);
    for (const TPointF& Q : Polygon) {
      ASSERT_GE(Q.X, B.Left - Slack) << Trial;
      ASSERT_LE(Q.X, B.Right + Slack) << Trial;
      ASSERT_GE(Q.Y, B.Top - Slack) << Trial;
      ASSERT_LE(Q.Y, B.Bottom + Slack) << Trial;
    }
  }
}

TEST(PathGeometryTest, HugeOrNaNCoordinates_PieceCountBounded) {
  struct Case {
    const char* Name;
    TPointF Control;
    std::size_t MaxPoints;
  };
  const Case Cases[] = {
      {"Huge", {1e30f, -1e30f}, std::size_t(MaxCurvePieces)},
      {"NaN_OneStraightPiece", {NaN, 0}, 2},
      {"Infinite_OneStraightPiece", {std::numeric_limits<float>::infinity(), 0}, 2},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TZKPathData P;
    P.MoveTo({0, 0});
    P.CurveTo(C.Control, {-C.Control.X, C.Control.Y}, {1, 1});
    TZKPoints Polygon;
    P.FlattenToPolygon(Polygon, 0);
    EXPECT_LE(Polygon.size(), C.MaxPoints + 1);
    EXPECT_GE(Polygon.size(), C.MaxPoints / 2);
    if (C.MaxPoints == 2) {
      EXPECT_EQ(Polygon, (TZKPoints{{0, 0}, {1, 1}}));
    }
    P.Flatten(0);
    EXPECT_LE(std::size_t(P.Count()), C.MaxPoints + 1);
  }
}

} // namespace
} // namespace zk
