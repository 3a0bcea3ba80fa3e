// Path fill and stroke hit tests, and the stroke outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "path/LiteralOutlineHitTest.h"
#include "path/PathData.h"

namespace zk {
namespace {

using Entries = std::vector<TZKPathPoint>;
using oracle::TRectanglePath;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

Entries EntriesOf(const TZKPathData& P) { return {P.Entries().begin(), P.Entries().end()}; }
TZKPathPoint E(TZKPathPointKind Kind, float X, float Y) { return {Kind, {X, Y}}; }

// ---- Segment rectangles and outlines ------------------------------------------------

TEST(PathHitTestTest, AddRectangleForSegment_CornersFromLeftOfStartAroundTheSegment) {
  struct Case {
    const char* Name;
    TPointF P1, P2;
    float HalfWidth;
    Entries Expected;
  };
  const Case Cases[] = {
      {"AlongPlusX", {0, 0}, {10, 0}, 2,
       {E(ppMoveTo, 0, -2), E(ppLineTo, 0, 2), E(ppLineTo, 10, 2), E(ppLineTo, 10, -2), E(ppClose, 0, -2)}},
      {"AlongPlusY", {1, 1}, {1, 5}, 0.5f,
       {E(ppMoveTo, 1.5f, 1), E(ppLineTo, 0.5f, 1), E(ppLineTo, 0.5f, 5), E(ppLineTo, 1.5f, 5), E(ppClose, 1.5f, 1)}},
      // 3-4-5 triangle: u = (0.6, 0.8), n = (0.8, -0.6) * 5.
      {"Diagonal", {0, 0}, {3, 4}, 5,
       {E(ppMoveTo, 4, -3), E(ppLineTo, -4, 3), E(ppLineTo, -1, 7), E(ppLineTo, 7, 1), E(ppClose, 4, -3)}},
      {"ZeroLength_Nothing", {3, 3}, {3, 3}, 5, {}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TRectanglePath P;
    P.AddRectangleForSegment(C.P1, C.P2, C.HalfWidth);
    EXPECT_EQ(EntriesOf(P), C.Expected);
  }
}

// Two closed squares, side by side:
//   +--+  +--+
//   |  |  |  |
//   +--+  +--+
TEST(PathHitTestTest, AddPathOutline_FourRectanglesPerSquareNothingBetween) {
  TZKPathData Squares;
  for (const float Left : {0.0f, 20.0f}) {
    Squares.MoveTo({Left, 0});
    Squares.LineTo({Left + 10, 0});
    Squares.LineTo({Left + 10, 10});
    Squares.LineTo({Left, 10});
    Squares.ClosePath();
  }
  const Entries Before = EntriesOf(Squares);
  TZKPathData Outline;
  Outline.MoveTo({-1, -1});
  int Changes = 0;
  Outline.OnChanged = [&](TObject*) { ++Changes; };
  Outline.AddPathOutline(Squares, 2);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(EntriesOf(Squares), Before);
  ASSERT_EQ(Outline.Count(), 1 + 8 * 5);
  const Entries Es = EntriesOf(Outline);
  for (int R = 0; R < 8; ++R) {
    EXPECT_EQ(Es[1 + 5 * R].Kind, ppMoveTo) << R;
    EXPECT_EQ(Es[5 + 5 * R].Kind, ppClose) << R;
  }
  // The closing edge of the first square runs from (0, 10) up to (0, 0).
  EXPECT_EQ((Entries{Es.begin() + 16, Es.begin() + 21}),
            (Entries{E(ppMoveTo, -1, 10), E(ppLineTo, 1, 10), E(ppLineTo, 1, 0), E(ppLineTo, -1, 0),
                     E(ppClose, -1, 10)}));
  // Nothing spans the gap between the squares.
  EXPECT_FALSE(Outline.PointInPath(15, 5));

  TZKPathData Self;
  Self.Assign(&Squares);
  Self.AddPathOutline(Self, 2);
  EXPECT_EQ(Self.Count(), Squares.Count() + 8 * 5);
  EXPECT_EQ((Entries{Self.Entries().begin() + Squares.Count(), Self.Entries().end()}),
            (Entries{Es.begin() + 1, Es.end()}));
}

TEST(PathHitTestTest, AddPathOutline_FewerThanTwoEntries_NothingAndSilent) {
  TZKPathData One;
  One.MoveTo({5, 5});
  TZKPathData Outline;
  int Changes = 0;
  Outline.OnChanged = [&](TObject*) { ++Changes; };
  Outline.AddPathOutline(One, 4);
  EXPECT_EQ(Outline.Count(), 0);
  EXPECT_EQ(Changes, 0);
}

// ---- Stroke hit test ------------------------------------------------------------------

struct OutlineCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  TPointF Point;
  float StrokeWidth;
  bool Hit;
};

void Horizontal100(TZKPathData& P) {
  P.MoveTo({0, 0});
  P.LineTo({100, 0});
}

// The stroke of (0,0)-(100,0) at width 10 is the rectangle (0,-5)-(100,5); by
// the polygon test's boundary rule its top and left edges hit, its bottom
// and right edges do not.
const OutlineCase kOutlineCases[] = {
    {"WithinHalfWidth", Horizontal100, {50, 2}, 10, true},
    {"BeyondHalfWidth", Horizontal100, {50, 6}, 10, false},
    {"TopEdge_Hits", Horizontal100, {50, -5}, 10, true},
    {"BottomEdge_Misses", Horizontal100, {50, 5}, 10, false},
    {"StartOfSegment_Hits", Horizontal100, {0, 0}, 10, true},
    {"EndOfSegment_Misses", Horizontal100, {100, 0}, 10, false},
    {"BeforeStart_NoCap", Horizontal100, {-1, 0}, 10, false},
    {"ZeroWidth_NeverHits", Horizontal100, {50, 0}, 0, false},
    {"NaNPoint_Misses", Horizontal100, {NaN, 0}, 10, false},
    {"SingleMove_FewerThanTwoEntries", [](TZKPathData& P) { P.MoveTo({50, 0}); }, {50, 0}, 10, false},
    {"ZeroLengthSegment_NeverHits", [](TZKPathData& P) { P.MoveTo({5, 5}); P.LineTo({5, 5}); }, {5, 5}, 10, false},
    {"ClosingEdgeCounts",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.LineTo({10, 0}); P.LineTo({10, 10}); P.ClosePath(); }, {5, 5}, 1, true},
    {"CurveFlattened",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, 40}, {40, 40}, {40, 0}); }, {20, 30}, 1, true},
    {"InsideCurveAwayFromStroke_Misses",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, 40}, {40, 40}, {40, 0}); }, {20, 15}, 1, false},
    // A curve that opens the path starts at the origin.
    {"CurveFirst_FromOrigin", [](TZKPathData& P) { P.CurveTo({10, 0}, {20, 0}, {30, 0}); }, {5, 0}, 1, true},
    // A close before any move returns to (0, 0): its edge back to the first point is stroked.
    {"CloseBeforeMove_EdgeToOrigin", [](TZKPathData& P) { P.LineTo({10, 0}); P.LineTo({10, 10}); P.ClosePath(); },
     {5, 5}, 1, true},
};

class PathOutlineHitTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(PathOutlineHitTest, Answer_MatchesTableAndLiteralMethod) {
  TZKPathData P;
  GetParam().Build(P);
  const TPointF Q = GetParam().Point;
  EXPECT_EQ(P.PointInPathOutline(Q, GetParam().StrokeWidth), GetParam().Hit);
  EXPECT_EQ(P.PointInPathOutline(Q.X, Q.Y, GetParam().StrokeWidth), GetParam().Hit);
  EXPECT_EQ(oracle::LiteralPointInPathOutline(P, Q.X, Q.Y, GetParam().StrokeWidth), GetParam().Hit);
}

INSTANTIATE_TEST_SUITE_P(Table, PathOutlineHitTest, ::testing::ValuesIn(kOutlineCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Random paths of lines, short curves, closes and moves (one opening with a
// curve, one with a close), probed at random points and at every corner and
// edge midpoint of the outline's rectangles, where the boundary rule decides.
TEST(PathHitTestTest, PointInPathOutline_SameAnswersAsLiteralMethod) {
  std::mt19937 Random(2024);
  std::uniform_real_distribution<float> Step(-12, 12), Bend(-4, 4), Coordinate(0, 200), Unit(0, 1);
  int Hits = 0, Probes = 0;
  for (int Shape = 0; Shape < 3; ++Shape) {
    TZKPathData P;
    if (Shape == 1) P.CurveTo({3, 4}, {6, -2}, {9, 1});
    if (Shape == 2) P.ClosePath();
    P.LineTo({100, 100});
    for (int K = 0; K < 30; ++K) {
      const TPointF C = P.LastPoint();
      const float Choice = Unit(Random);
      if (Choice < 0.55f) {
        P.LineTo({C.X + Step(Random), C.Y + Step(Random)});
      } else if (Choice < 0.85f) {
        P.CurveTo({C.X + Bend(Random), C.Y + Bend(Random)}, {C.X + Bend(Random), C.Y + Bend(Random)},
                  {C.X + Bend(Random), C.Y + Bend(Random)});
      } else if (Choice < 0.93f) {
        P.ClosePath();
      } else {
        P.MoveTo({Coordinate(Random), Coordinate(Random)});
      }
    }
    for (const float Width : {0.0f, 3.0f, 7.25f}) {
      std::vector<TPointF> Edges;
      TZKPathData Outline;
      Outline.AddPathOutline(P, Width);
      const auto Es = Outline.Entries();
      for (std::size_t I = 0; I + 1 < Es.size(); ++I) {
        Edges.push_back({Es[I].Point.X, Es[I].Point.Y});
        if (Es[I + 1].Kind != ppMoveTo)
          Edges.push_back({(Es[I].Point.X + Es[I + 1].Point.X) / 2, (Es[I].Point.Y + Es[I + 1].Point.Y) / 2});
      }
      std::shuffle(Edges.begin(), Edges.end(), Random);
      Edges.resize(std::min<std::size_t>(Edges.size(), 250));
      std::vector<TPointF> Points = Edges;
      for (int K = 0; K < 250; ++K) Points.push_back({Coordinate(Random), Coordinate(Random)});
      for (const TPointF& Q : Points) {
        const bool Fast = P.PointInPathOutline(Q, Width);
        ASSERT_EQ(Fast, oracle::LiteralPointInPathOutline(P, Q.X, Q.Y, Width))
            << "shape " << Shape << " width " << Width << " at " << Q.X << "," << Q.Y;
        Hits += Fast;
        ++Probes;
      }
    }
  }
  EXPECT_GE(Probes, 4000);
  EXPECT_GT(Hits, Probes / 10) << "the probes must exercise hits as well as misses";
}

// ---- Fill hit test ----------------------------------------------------------------------

struct FillCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  TPointF Point;
  bool Hit;
};

// A square with a smaller square inside it, as two sub-paths:
//   +--------+
//   | +----+ |
//   | |    | |
//   | +----+ |
//   +--------+
void NestedSquares(TZKPathData& P) {
  P.AddRectangle({0, 0, 30, 30});
  P.AddRectangle({10, 10, 20, 20});
}

void OpenCorner(TZKPathData& P) {
  P.MoveTo({0, 0});
  P.LineTo({10, 0});
  P.LineTo({10, 10});
}

const FillCase kFillCases[] = {
    {"BetweenNestedSquares", NestedSquares, {5, 5}, true},
    // Sub-paths are not combined: the hole still hits through the outer square.
    {"InsideInnerSquare", NestedSquares, {15, 15}, true},
    {"OutsideBoth", NestedSquares, {35, 5}, false},
    {"LeftEdge_Inside", NestedSquares, {0, 5}, true},
    {"RightEdge_Outside", NestedSquares, {30, 5}, false},
    {"OpenSubPath_ImplicitlyClosed", OpenCorner, {8, 2}, true},
    {"OpenSubPath_OtherSideOfClosingEdge", OpenCorner, {2, 8}, false},
    {"OpenSubPathBeforeMove_Tested",
     [](TZKPathData& P) { OpenCorner(P); P.MoveTo({50, 50}); P.LineTo({60, 50}); }, {8, 2}, true},
    {"SingleMove_Misses", [](TZKPathData& P) { P.MoveTo({5, 5}); }, {5, 5}, false},
    {"NoEntries_Misses", [](TZKPathData&) {}, {0, 0}, false},
    {"NaNPoint_Misses", NestedSquares, {NaN, 5}, false},
    // The B-spline of the control polygon (0,0) (0,30) (30,30) (30,0) reaches
    // y = (23*30 + 23*30) / 48 = 28.75 at its middle, above the Bezier
    // curve's 22.5; the close takes the polygon back to (0, 0).
    {"CurveInsideBulge",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, 30}, {30, 30}, {30, 0}); P.ClosePath(); }, {15, 15}, true},
    {"CurveBetweenBezierAndSpline",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, 30}, {30, 30}, {30, 0}); P.ClosePath(); }, {15, 25}, true},
    {"CurveAboveSpline",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, 30}, {30, 30}, {30, 0}); P.ClosePath(); }, {15, 29}, false},
    {"CurveFirst_FromOrigin",
     [](TZKPathData& P) { P.CurveTo({0, 30}, {30, 30}, {30, 0}); P.ClosePath(); }, {15, 15}, true},
};

class PathFillHitTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(PathFillHitTest, Answer_MatchesTable) {
  TZKPathData P;
  GetParam().Build(P);
  const TPointF Q = GetParam().Point;
  EXPECT_EQ(P.PointInPath(Q), GetParam().Hit);
  EXPECT_EQ(P.PointInPath(Q.X, Q.Y), GetParam().Hit);
}

INSTANTIATE_TEST_SUITE_P(Table, PathFillHitTest, ::testing::ValuesIn(kFillCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
} // namespace zk
