// Sampled B-spline and Catmull-Rom curves through control polygons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "geometry/BezierPolygon.h"

namespace zk {
namespace {

// Smallest distance from Q to any point of Curve.
double Nearest(const TZKPoints& Curve, TPointF Q) {
  double Best = std::numeric_limits<double>::infinity();
  for (const TPointF& P : Curve) Best = std::min(Best, std::hypot(double(P.X) - Q.X, double(P.Y) - Q.Y));
  return Best;
}

TEST(BezierPolygonTest, CatmullRomOpenSegment_ElevenPointsEndToEnd) {
  const TZKPoints Curve = BezierPolygonPoints(TZKPoints{{0, 0}, {10, 0}}, false, false, 1);
  ASSERT_EQ(Curve.size(), 11u);
  EXPECT_EQ(Curve.front(), (TPointF{0, 0}));
  EXPECT_EQ(Curve[5], (TPointF{5, 0}));  // x = 5(-2t^3 + 3t^2 + t) at t = 0.5
  EXPECT_NEAR(Curve.back().X, 10, 1e-5);
  for (std::size_t i = 1; i < Curve.size(); ++i) EXPECT_GT(Curve[i].X, Curve[i - 1].X);
}

TEST(BezierPolygonTest, BSplineOpenSegment_StaysShortOfEnds) {
  const TZKPoints Curve = BezierPolygonPoints(TZKPoints{{0, 0}, {10, 0}}, true, false, 1);
  ASSERT_EQ(Curve.size(), 11u);
  EXPECT_EQ(Curve.front(), (TPointF{0x1.aaaaaap+0f, 0}));  // 10/6
  EXPECT_NEAR(Curve.back().X, 50.0 / 6, 1e-5);
}

// Every control point starts a piece, so it is sampled exactly; only the end
// of an open curve depends on how the parameter steps land, within one step.
TEST(BezierPolygonTest, CatmullRom_PassesThroughEveryControlPoint) {
  struct Case {
    const char* Name;
    TZKPoints Points;
    bool Closed;
    int Step;
  };
  const Case Cases[] = {
      {"OpenCorner", {{0, 0}, {10, 0}, {10, 10}}, false, 1},
      {"OpenZigzag", {{0, 0}, {30, 40}, {60, 0}, {90, 40}, {120, 0}}, false, 3},
      {"ClosedSquare", {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, true, 1},
      {"ClosedTriangle", {{0, 0}, {40, 10}, {10, 30}}, true, 7},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    const TZKPoints Curve = BezierPolygonPoints(C.Points, false, C.Closed, C.Step);
    EXPECT_EQ(Curve.front(), C.Points.front());
    for (std::size_t i = 0; i < C.Points.size(); ++i) {
      const bool OpenEnd = !C.Closed && i + 1 == C.Points.size();
      EXPECT_LE(Nearest(Curve, C.Points[i]), OpenEnd ? C.Step : 0.0) << "point " << i;
    }
  }
}

TEST(BezierPolygonTest, SampleCounts) {
  struct Case {
    const char* Name;
    TZKPoints Points;
    bool Closed;
    int Step;
    std::size_t Count;
  };
  const Case Cases[] = {
      {"NoPoints", {}, false, 1, 0},
      {"OnePoint", {{3, 4}}, false, 1, 0},
      {"ClosedTwoPointsUnchanged", {{3, 4}, {5, 6}}, true, 1, 2},
      {"StepBeyondEverySpanGivesPieceStarts", {{0, 0}, {10, 0}, {20, 0}}, false, 100, 2},
      {"EqualPointsCountAsLengthOne", {{7, 7}, {7, 7}}, false, 1, 2},
      {"ZeroStepActsAsOne", {{0, 0}, {10, 0}}, false, 0, 11},
      {"NegativeStepActsAsOne", {{0, 0}, {10, 0}}, false, -5, 11},
      {"ClosedSquareOnePiecePerSide", {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, true, 10, 12},
      {"InfiniteSpanOnePoint", {{0, 0}, {std::numeric_limits<float>::infinity(), 0}}, false, 1, 1},
      {"NaNSpanOnePoint", {{0, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}}, false, 1, 1},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(BezierPolygonPoints(C.Points, false, C.Closed, C.Step).size(), C.Count);
    EXPECT_EQ(BezierPolygonPoints(C.Points, true, C.Closed, C.Step).size(), C.Count);
  }
}

TEST(BezierPolygonTest, HugeSpan_PointCountBounded) {
  const TZKPoints Curve = BezierPolygonPoints(TZKPoints{{0, 0}, {3e38f, 0}}, false, false, 1);
  EXPECT_LE(Curve.size(), std::size_t(MaxPointsPerSplinePiece));
  EXPECT_GE(Curve.size(), std::size_t(MaxPointsPerSplinePiece) - 1);
  EXPECT_EQ(Curve.front(), (TPointF{0, 0}));
}

// A Catmull-Rom spline swings past its points by up to 4/27 of a span: from
// -3e38 to 3e38 that reaches 3.44e38, beyond the largest float. The samples
// stop at the largest float instead of becoming infinite.
TEST(BezierPolygonTest, OvershootNearFloatRange_ClampedNotInfinite) {
  constexpr float Big = 3e38f, Largest = std::numeric_limits<float>::max();
  struct Case {
    const char* Name;
    TZKPoints Points;
    bool Closed;
  };
  const Case Cases[] = {
      {"OpenAcrossTheRange", {{-Big, 0}, {Big, 0}, {Big, Big}}, false},
      {"ClosedAcrossTheRange", {{-Big, -Big}, {Big, -Big}, {Big, Big}, {-Big, Big}}, true},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    float MaxX = 0;
    for (const TPointF& P : BezierPolygonPoints(C.Points, false, C.Closed, 1)) {
      ASSERT_TRUE(std::isfinite(P.X) && std::isfinite(P.Y));
      MaxX = std::max(MaxX, P.X);
    }
    EXPECT_EQ(MaxX, Largest);
  }
}

TEST(BezierPolygonTest, IntegerForm_RoundsTiesToEven) {
  EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {10, 0}}, false, false, 1),
            (TCanvasPoints{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0},
                           {8, 0}, {9, 0}, {10, 0}}));
  // B-spline starts at (A + 4B + C)/6 = C/6: 0.5 -> 0 and 1.5 -> 2.
  EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {3, 0}}, true, false, 10).front(),
            (TPoint{0, 0}));
  EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {9, 0}}, true, false, 10).front(),
            (TPoint{2, 0}));
}

TEST(BezierPolygonTest, IntegerForm_FullRangeSpanNeitherOverflowsNorExplodes) {
  constexpr std::int32_t Lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t Hi = std::numeric_limits<std::int32_t>::max();
  const TCanvasPoints Curve = BezierPolygonPoints(TCanvasPoints{{Lo, Lo}, {Hi, Hi}}, false, false, 1);
  EXPECT_LE(Curve.size(), std::size_t(MaxPointsPerSplinePiece));
  EXPECT_EQ(Curve.front(), (TPoint{Lo, Lo}));
  for (std::size_t i = 1; i < Curve.size(); ++i) ASSERT_GE(Curve[i].X, Curve[i - 1].X);
}

} // namespace
} // namespace zk
