// Curved shapes of a path: ellipses, shaped corners, arcs and slices.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "path/PathArcs.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

using Entries = std::vector<TZKPathPoint>;

Entries EntriesOf(const TZKPathData& P) { return {P.Entries().begin(), P.Entries().end()}; }
TZKPathPoint E(TZKPathPointKind Kind, float X, float Y) { return {Kind, {X, Y}}; }

// Gives the tests the SVG arc operations that the path keeps for its parser.
class TArcPath : public TZKPathData {
public:
  using TZKPathData::AddArcSvg;
  using TZKPathData::AddArcSvgPart;
  int Changes = 0;
  TArcPath() {
    OnChanged = [this](TObject*) { ++Changes; };
  }
};

// The building calls that made the entries from index From on: one per move,
// line and close, one per three curve entries. Each of them notifies.
int BuildingCalls(const TZKPathData& P, int From = 0) {
  int Calls = 0;
  for (int I = From; I < P.Count(); ++I, ++Calls)
    if (P.Entries()[I].Kind == ppCurveTo) I += 2;
  return Calls;
}

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

// ---- Corner sets ----------------------------------------------------------------

TEST(ZKCornersTest, Bits_FollowStoredLayout) {
  EXPECT_EQ(TZKCorners{}.Bits(), 0);
  EXPECT_EQ((TZKCorners{crTopLeft, crBottomRight}.Bits()), 0b1001);
  EXPECT_EQ(AllCorners.Bits(), 0x0F);
  EXPECT_EQ(TZKCorners::FromBits(0xF4).Bits(), 0x04);  // unknown bits of a stored byte dropped
  EXPECT_TRUE(TZKCorners::FromBits(0x04).Contains(crBottomLeft));
  EXPECT_FALSE(TZKCorners::FromBits(0x04).Contains(crTopRight));
  EXPECT_EQ(TZKCorners{crTopRight}.Include(crTopLeft).Exclude(crTopRight), TZKCorners{crTopLeft});
}

// ---- Ellipses -----------------------------------------------------------------------

TEST(PathEllipseTest, AddEllipse_TracesLeftTopRightBottom) {
  TArcPath P;
  P.AddEllipse({0, 0, 100, 50});
  // kx = 50 * 0.5522847498 = 27.61423749, ky = 25 * 0.5522847498 = 13.807118745
  const float Up = 0x1.662c16p+3f;     // 25 - ky = 11.1928816
  const float Down = 0x1.3674fap+5f;   // 25 + ky = 38.8071175
  const float Left = 0x1.662c16p+4f;   // 50 - kx = 22.3857632
  const float Right = 0x1.3674fap+6f;  // 50 + kx = 77.6142349
  const Entries Expected{E(ppMoveTo, 0, 25),
                         E(ppCurveTo, 0, Up), E(ppCurveTo, Left, 0), E(ppCurveTo, 50, 0),
                         E(ppCurveTo, Right, 0), E(ppCurveTo, 100, Up), E(ppCurveTo, 100, 25),
                         E(ppCurveTo, 100, Down), E(ppCurveTo, Right, 50), E(ppCurveTo, 50, 50),
                         E(ppCurveTo, Left, 50), E(ppCurveTo, 0, Down), E(ppCurveTo, 0, 25)};
  EXPECT_EQ(EntriesOf(P), Expected);
  EXPECT_EQ(P.Changes, BuildingCalls(P));
}

// ---- Rectangles with corners ----------------------------------------------------------

struct RectCase {
  const char* Name;
  TRectF Rect;
  float RX, RY;
  TZKCorners Corners;
  TZKCornerType Type;
  Entries Expected;
};

const RectCase kRectCases[] = {
    {"AllRound_RadiusClampedToHalfHeight", {0, 0, 100, 40}, 30, 30, AllCorners, ctRound,
     {E(ppMoveTo, 0, 20), E(ppCurveTo, 0, 10), E(ppCurveTo, 15, 0), E(ppCurveTo, 30, 0),
      E(ppLineTo, 70, 0), E(ppCurveTo, 85, 0), E(ppCurveTo, 100, 10), E(ppCurveTo, 100, 20),
      E(ppLineTo, 100, 20), E(ppCurveTo, 100, 30), E(ppCurveTo, 85, 40), E(ppCurveTo, 70, 40),
      E(ppLineTo, 30, 40), E(ppCurveTo, 15, 40), E(ppCurveTo, 0, 30), E(ppCurveTo, 0, 20),
      E(ppClose, 0, 20)}},
    {"NoCorners_ThirteenEntriesWithZeroLengthPieces", {10, 20, 50, 80}, 5, 0, {}, ctRound,
     {E(ppMoveTo, 10, 20), E(ppLineTo, 10, 20), E(ppLineTo, 15, 20), E(ppLineTo, 45, 20),
      E(ppLineTo, 50, 20), E(ppLineTo, 50, 20), E(ppLineTo, 50, 80), E(ppLineTo, 50, 80),
      E(ppLineTo, 45, 80), E(ppLineTo, 15, 80), E(ppLineTo, 10, 80), E(ppLineTo, 10, 80),
      E(ppClose, 10, 20)}},
    {"BevelTopLeftOnly", {0, 0, 40, 20}, 4, 2, {crTopLeft}, ctBevel,
     {E(ppMoveTo, 0, 2), E(ppLineTo, 4, 0), E(ppLineTo, 36, 0), E(ppLineTo, 40, 0),
      E(ppLineTo, 40, 2), E(ppLineTo, 40, 18), E(ppLineTo, 40, 20), E(ppLineTo, 36, 20),
      E(ppLineTo, 4, 20), E(ppLineTo, 0, 20), E(ppLineTo, 0, 18), E(ppClose, 0, 2)}},
    {"InnerRoundTopRightBowsToInnerPoint", {0, 0, 40, 20}, 4, 2, {crTopRight}, ctInnerRound,
     {E(ppMoveTo, 0, 2), E(ppLineTo, 0, 0), E(ppLineTo, 4, 0), E(ppLineTo, 36, 0),
      E(ppCurveTo, 36, 1), E(ppCurveTo, 38, 2), E(ppCurveTo, 40, 2), E(ppLineTo, 40, 18),
      E(ppLineTo, 40, 20), E(ppLineTo, 36, 20), E(ppLineTo, 4, 20), E(ppLineTo, 0, 20),
      E(ppLineTo, 0, 18), E(ppClose, 0, 2)}},
    {"InnerLineBottomCornersNotchTwice", {0, 0, 40, 20}, 4, 2, {crBottomRight, crBottomLeft},
     ctInnerLine,
     {E(ppMoveTo, 0, 2), E(ppLineTo, 0, 0), E(ppLineTo, 4, 0), E(ppLineTo, 36, 0),
      E(ppLineTo, 40, 0), E(ppLineTo, 40, 2), E(ppLineTo, 40, 18), E(ppLineTo, 38, 18),
      E(ppLineTo, 36, 19), E(ppLineTo, 36, 20), E(ppLineTo, 4, 20), E(ppLineTo, 4, 19),
      E(ppLineTo, 2, 18), E(ppLineTo, 0, 18), E(ppClose, 0, 2)}},
    {"RoundBottomRightOnReversedRectClampsNegative", {40, 20, 0, 0}, 4, 2, {crBottomRight},
     ctRound,
     // rx = 4 * (0 - 40) / 8 = -20, ry = -10: the figure still follows the formulas
     {E(ppMoveTo, 40, 10), E(ppLineTo, 40, 20), E(ppLineTo, 20, 20), E(ppLineTo, 20, 20),
      E(ppLineTo, 0, 20), E(ppLineTo, 0, 10), E(ppLineTo, 0, 10), E(ppCurveTo, 0, 5),
      E(ppCurveTo, 10, 0), E(ppCurveTo, 20, 0), E(ppLineTo, 20, 0), E(ppLineTo, 40, 0),
      E(ppLineTo, 40, 10), E(ppClose, 40, 10)}},
};

class PathRectangleTest : public testing::TestWithParam<RectCase> {};

TEST_P(PathRectangleTest, AddRectangle_EmitsCornersAndEdges) {
  const RectCase& C = GetParam();
  TArcPath P;
  P.AddRectangle(C.Rect, C.RX, C.RY, C.Corners, C.Type);
  EXPECT_EQ(EntriesOf(P), C.Expected);
  EXPECT_EQ(P.Changes, BuildingCalls(P));
}

INSTANTIATE_TEST_SUITE_P(Corners, PathRectangleTest, testing::ValuesIn(kRectCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathRectangleTest, AddRectangle_ImpossibleClampRaisesBeforeAppending) {
  struct Case {
    const char* Name;
    TRectF Rect;
    float RX, RY;
  };
  const Case Cases[] = {
      {"ZeroXRadiusReversedWidth", {10, 0, 0, 10}, 0, 1},
      {"ZeroYRadiusReversedHeight", {0, 10, 10, 0}, 1, 0},
      {"InfiniteRadius", {0, 0, 10, 10}, Inf, 1},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TArcPath P;
    P.MoveTo({1, 1});
    P.Changes = 0;
    EXPECT_THROW(P.AddRectangle(C.Rect, C.RX, C.RY, AllCorners, ctRound), EInvalidOp);
    EXPECT_EQ(EntriesOf(P), Entries{E(ppMoveTo, 1, 1)});
    EXPECT_EQ(P.Changes, 0);
  }
}

// ---- Arcs by centre and angles ----------------------------------------------------------

// Every curve end point of entries First..Last-1 lies on the ellipse (C, R).
void ExpectEndsOnEllipse(const TZKPathData& P, int First, TPointF C, TPointF R, int Last = -1) {
  const auto Es = P.Entries();
  if (Last < 0) Last = int(Es.size());
  for (int i = First + 2; i < Last; i += 3) {
    ASSERT_EQ(Es[i].Kind, ppCurveTo);
    const double X = (Es[i].Point.X - C.X) / R.X, Y = (Es[i].Point.Y - C.Y) / R.Y;
    EXPECT_NEAR(X * X + Y * Y, 1.0, 1e-5) << "entry " << i;
  }
}

struct ArcCase {
  const char* Name;
  float Start, Sweep;
  int Curves;
  TPointF First, Last;
};

const ArcCase kArcCases[] = {
    {"QuarterTurn", 0, 90, 1, {10, 0}, {0, 10}},
    {"FullTurnIsFourQuarters", 0, 360, 4, {10, 0}, {10, 0}},
    {"BeyondOneTurnClamped", 0, 720, 4, {10, 0}, {10, 0}},
    {"NegativeSweepTurnsBack", 0, -90, 1, {10, 0}, {0, -10}},
    {"SlackKeepsOnePiece", 0, 90.5f, 1, {10, 0}, {-0.0872654f, 9.999619f}},
    {"JustBeyondSlackSplits", 0, 91, 2, {10, 0}, {-0.174524f, 9.998477f}},
    {"StartReducedByWholeTurns", 450, 180, 2, {0, 10}, {0, -10}},
    {"HalfTurnBackwards", 180, -180, 2, {-10, 0}, {10, 0}},
};

class PathArcTest : public testing::TestWithParam<ArcCase> {};

TEST_P(PathArcTest, AddArc_SplitsIntoQuarterPieces) {
  const ArcCase& C = GetParam();
  TArcPath P;
  P.AddArc({0, 0}, {10, 10}, C.Start, C.Sweep);
  ASSERT_EQ(P.Count(), 1 + 3 * C.Curves);
  EXPECT_EQ(P.Entries()[0].Kind, ppMoveTo);
  EXPECT_NEAR(P.Entries()[0].Point.X, C.First.X, 1e-5);
  EXPECT_NEAR(P.Entries()[0].Point.Y, C.First.Y, 1e-5);
  EXPECT_NEAR(P.LastPoint().X, C.Last.X, 1e-4);
  EXPECT_NEAR(P.LastPoint().Y, C.Last.Y, 1e-4);
  ExpectEndsOnEllipse(P, 1, {0, 0}, {10, 10});
  EXPECT_EQ(P.Changes, BuildingCalls(P));
}

INSTANTIATE_TEST_SUITE_P(Sweeps, PathArcTest, testing::ValuesIn(kArcCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathArcTest, AddArc_JoinsByLineOnNonEmptyPath) {
  TArcPath P;
  P.MoveTo({-5, -5});
  P.AddArc({3, 4}, {10, 20}, 0, 90);
  ASSERT_EQ(P.Count(), 5);
  EXPECT_EQ(P.Entries()[1], E(ppLineTo, 13, 4));
  EXPECT_NEAR(P.LastPoint().X, 3, 1e-5);
  EXPECT_NEAR(P.LastPoint().Y, 24, 1e-5);
  ExpectEndsOnEllipse(P, 2, {3, 4}, {10, 20});
}

TEST(PathArcTest, AddArc_DegenerateInputLeavesPathAlone) {
  struct Case {
    const char* Name;
    TPointF Center, Radius;
    float Start, Sweep;
    bool Throws;
  };
  const Case Cases[] = {
      {"SweepBelowEpsilon", {0, 0}, {10, 10}, 0, 1e-9f, false},
      {"ZeroSweep", {0, 0}, {10, 10}, 45, 0, false},
      {"NaNStart", {0, 0}, {10, 10}, NaN, 90, true},
      {"InfiniteStart", {0, 0}, {10, 10}, Inf, 90, true},
      {"NaNSweep", {0, 0}, {10, 10}, 0, NaN, true},
      {"InfiniteCenter", {Inf, 0}, {10, 10}, 0, 90, true},
      {"PointsBeyondFloat", {3e38f, 0}, {3e38f, 3e38f}, 0, 90, true},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TArcPath P;
    P.MoveTo({1, 2});
    P.Changes = 0;
    if (C.Throws)
      EXPECT_THROW(P.AddArc(C.Center, C.Radius, C.Start, C.Sweep), EMathError);
    else
      P.AddArc(C.Center, C.Radius, C.Start, C.Sweep);
    EXPECT_EQ(EntriesOf(P), Entries{E(ppMoveTo, 1, 2)});
    EXPECT_EQ(P.Changes, 0);
  }
}

TEST(PathArcTest, AddArcSvgPart_AppendsCurvesOnly) {
  TArcPath P;
  P.MoveTo({10, 0});
  P.AddArcSvgPart({0, 0}, {10, 10}, 0, 180);
  ASSERT_EQ(P.Count(), 7);
  for (int i = 1; i < 7; ++i) EXPECT_EQ(P.Entries()[i].Kind, ppCurveTo);
  EXPECT_NEAR(P.LastPoint().X, -10, 1e-5);
}

// ---- SVG arcs by end points -----------------------------------------------------------------

struct SvgCase {
  const char* Name;
  TPointF Start, Radius;
  float Rotation;
  bool Large, Sweep;
  TPointF End;
  int Curves;
  TPointF Through;  // the end of the first piece
};

const SvgCase kSvgCases[] = {
    // Lambda = 25: the radii grow to 50 and the arc is the half circle about (50, 0).
    {"TooSmallRadiiSweepPassesAbove", {0, 0}, {10, 10}, 0, false, true, {100, 0}, 2, {50, -50}},
    {"TooSmallRadiiNoSweepPassesBelow", {0, 0}, {10, 10}, 0, false, false, {100, 0}, 2, {50, 50}},
    {"NegativeRadiiByMagnitude", {0, 0}, {-10, -10}, 0, false, true, {100, 0}, 2, {50, -50}},
    {"SmallArcClockwise", {0, 0}, {10, 10}, 0, false, true, {10, 0}, 1, {10, 0}},
    {"LargeArcClockwiseCentreAboveChord", {0, 0}, {10, 10}, 0, true, true, {10, 0}, 4,
     {-3.660254f, -13.660254f}},
    {"RotatedEllipse", {0, 0}, {20, 10}, 90, false, true, {0, 40}, 2, {10, 20}},
    {"NearlyEqualEndsStayAnArc", {0, 0}, {0.444f, 0.444f}, 0, false, false, {0.001f, 0}, 1,
     {0.001f, 0}},
};

class PathArcSvgTest : public testing::TestWithParam<SvgCase> {};

TEST_P(PathArcSvgTest, AddArcSvg_ContinuesToEndPoint) {
  const SvgCase& C = GetParam();
  TArcPath P;
  P.MoveTo(C.Start);
  P.Changes = 0;
  P.AddArcSvg(C.Start, C.Radius, C.Rotation, C.Large, C.Sweep, C.End);
  ASSERT_EQ(P.Count(), 1 + 3 * C.Curves);
  for (int i = 1; i < P.Count(); ++i) EXPECT_EQ(P.Entries()[i].Kind, ppCurveTo);
  const double Tol = 1e-5 * (1 + std::hypot(C.End.X - C.Start.X, C.End.Y - C.Start.Y));
  EXPECT_NEAR(P.Entries()[3].Point.X, C.Through.X, Tol);
  EXPECT_NEAR(P.Entries()[3].Point.Y, C.Through.Y, Tol);
  EXPECT_NEAR(P.LastPoint().X, C.End.X, Tol);
  EXPECT_NEAR(P.LastPoint().Y, C.End.Y, Tol);
  EXPECT_EQ(P.Changes, C.Curves);
}

INSTANTIATE_TEST_SUITE_P(Arcs, PathArcSvgTest, testing::ValuesIn(kSvgCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathArcSvgTest, AddArcSvg_EndPointsReachedForEveryFlagAndRotation) {
  const TPointF Start{3, -7}, End{41, 12};
  for (float Rotation : {0.0f, 30.0f, -75.0f, 200.0f})
    for (bool Large : {false, true})
      for (bool Sweep : {false, true})
        for (TPointF Radius : {TPointF{30, 18}, TPointF{5, 50}, TPointF{1, 1}}) {
          SCOPED_TRACE(testing::Message() << "rotation " << Rotation << " large " << Large
                                          << " sweep " << Sweep << " radius " << Radius.X);
          TArcPath P;
          P.MoveTo(Start);
          P.AddArcSvg(Start, Radius, Rotation, Large, Sweep, End);
          EXPECT_NEAR(P.LastPoint().X, End.X, 1e-4);
          EXPECT_NEAR(P.LastPoint().Y, End.Y, 1e-4);
        }
}

TEST(PathArcSvgTest, AddArcSvg_ExactlyEqualEndsMakeStandingEllipse) {
  TArcPath P, Expected;
  P.MoveTo({20, 30});
  P.AddArcSvg({20, 30}, {5, 3}, 45, true, false, {20, 30});
  Expected.MoveTo({20, 30});
  Expected.AddEllipse({15, 24, 25, 30});
  EXPECT_EQ(EntriesOf(P), EntriesOf(Expected));
}

TEST(PathArcSvgTest, AddArcSvg_ZeroRadiusRaisesBeforeAppending) {
  TArcPath P;
  P.MoveTo({0, 0});
  P.Changes = 0;
  EXPECT_THROW(P.AddArcSvg({0, 0}, {0, 5}, 0, false, true, {10, 0}), EZeroDivide);
  EXPECT_THROW(P.AddArcSvg({0, 0}, {5, 0}, 0, false, true, {0, 10}), EZeroDivide);
  EXPECT_THROW(P.AddArcSvg({0, 0}, {0, 5}, 0, false, true, {0, 10}), EInvalidOp);  // 0/0
  EXPECT_THROW(P.AddArcSvg({0, 0}, {5, 5}, 0, false, true, {NaN, 10}), EInvalidOp);
  EXPECT_THROW(P.AddArcSvg({0, 0}, {Inf, 5}, 0, false, true, {10, 10}), EInvalidOp);
  EXPECT_EQ(EntriesOf(P), Entries{E(ppMoveTo, 0, 0)});
  EXPECT_EQ(P.Changes, 0);
}

TEST(PathArcSvgTest, AddArcSvg_TinyRadiiDoNotUnderflow) {
  // Squared in float these radii would be 0 and divide by zero.
  TArcPath P;
  P.MoveTo({0, 0});
  P.AddArcSvg({0, 0}, {1e-30f, 1e-30f}, 0, false, true, {2e-30f, 0});
  ASSERT_EQ(P.Count(), 7);
  EXPECT_NEAR(P.LastPoint().X / 2e-30f, 1, 1e-5);
  EXPECT_NEAR(P.Entries()[3].Point.Y / 1e-30f, -1, 1e-5);
}

// ---- Pie and donut slices --------------------------------------------------------------------

struct SliceTextCase {
  const char* Name;
  double Start, End, Inner, Outer, Offset;
  const char* Expected;
};

const SliceTextCase kSliceTextCases[] = {
    {"QuarterPie", 0, 90, 0, 10, 0, "M10,0A10,10 0 0,1 6.12323399573677E-16,10L0,0Z"},
    {"ReversedAnglesRunUpward", 90, 0, 0, 10, 0, "M10,0A10,10 0 0,1 6.12323399573677E-16,10L0,0Z"},
    {"OffsetTurnsTheSlice", 0, 90, 0, 10, 90,
     "M6.12323399573677E-16,10A10,10 0 0,1 -10,1.22464679914735E-15L0,0Z"},
    {"HalfTurnIsLarge", 0, 180, 0, 10, 0, "M10,0A10,10 0 1,1 -10,1.22464679914735E-15L0,0Z"},
    {"QuarterDonutRadiiSwapped", 0, 90, 10, 5, 0,
     "M10,0A10,10 0 0,1 6.12323399573677E-16,10L3.06161699786838E-16,5A5,5 0 0,0 5,0Z"},
    {"FullTurnPie", 0, 360, 0, 10, 0, "M0,10A10,10 0 1,1 0,-10A10,10 0 1,1 0,10Z"},
    {"FullTurnDonut", 0, 360, 5, 10, 0,
     "M0,10A10,10 0 1,1 0,-10A10,10 0 1,1 0,10M0,5A5,5 0 1,0 0,-5A5,5 0 1,0 0,5Z"},
};

class SliceTextTest : public testing::TestWithParam<SliceTextCase> {};

TEST_P(SliceTextTest, Arc_WritesSliceText) {
  const SliceTextCase& C = GetParam();
  EXPECT_EQ(Arc(C.Start, C.End, C.Inner, C.Outer, C.Offset), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Slices, SliceTextTest, testing::ValuesIn(kSliceTextCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SlicePathTest, Arc_QuarterPie) {
  TArcPath P;
  EXPECT_EQ(&Arc(P, 0, 90, 0, 10, 0), &P);
  ASSERT_EQ(P.Count(), 6);
  EXPECT_EQ(P.Entries()[0], E(ppMoveTo, 10, 0));
  EXPECT_NEAR(P.Entries()[3].Point.X, 0, 1e-5);
  EXPECT_NEAR(P.Entries()[3].Point.Y, 10, 1e-5);
  EXPECT_EQ(P.Entries()[4], E(ppLineTo, 0, 0));
  EXPECT_EQ(P.Entries()[5], E(ppClose, 10, 0));
  ExpectEndsOnEllipse(P, 1, {0, 0}, {10, 10});
  EXPECT_EQ(P.Changes, BuildingCalls(P));
}

TEST(SlicePathTest, Arc_FullTurnDonutTracesCirclesOppositeWays) {
  TArcPath P;
  Arc(P, 0, 360, 10, 5, 0);
  ASSERT_EQ(P.Count(), 27);
  EXPECT_EQ(P.Entries()[0], E(ppMoveTo, 0, 10));
  EXPECT_EQ(P.Entries()[13], E(ppMoveTo, 0, 5));
  EXPECT_EQ(P.Entries()[26], E(ppClose, 0, 5));
  // Clockwise on screen from (0, 10) goes to negative x first; the inner the other way.
  EXPECT_NEAR(P.Entries()[3].Point.X, -10, 1e-5);
  EXPECT_NEAR(P.Entries()[16].Point.X, 5, 1e-5);
  ExpectEndsOnEllipse(P, 1, {0, 0}, {10, 10}, 13);
  ExpectEndsOnEllipse(P, 14, {0, 0}, {5, 5}, 26);
}

TEST(SlicePathTest, Arc_EqualAnglesMakeStandingEllipse) {
  TArcPath P;
  Arc(P, 30, 30, 0, 10, 0);
  // move, ellipse (a move and four curves), line to the centre, close
  ASSERT_EQ(P.Count(), 16);
  EXPECT_EQ(P.Entries()[1].Kind, ppMoveTo);
  EXPECT_EQ(P.Entries()[14].Kind, ppLineTo);
}

TEST(SlicePathTest, Arc_BadNumbersRaiseBeforeAppending) {
  const double Huge = 1e38, NotANumber = std::numeric_limits<double>::quiet_NaN();
  TArcPath P;
  P.MoveTo({1, 1});
  P.Changes = 0;
  EXPECT_THROW(Arc(P, NotANumber, 90, 0, 10, 0), EInvalidOp);
  EXPECT_THROW(Arc(P, 0, 90, 0, std::numeric_limits<double>::infinity(), 0), EInvalidOp);
  EXPECT_THROW(Arc(P, 0, 90, 0, Huge, 0), EOverflow);
  EXPECT_EQ(EntriesOf(P), Entries{E(ppMoveTo, 1, 1)});
  EXPECT_EQ(P.Changes, 0);
}

} // namespace
} // namespace zk
