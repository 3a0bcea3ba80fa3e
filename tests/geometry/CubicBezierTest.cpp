// Cubic routines checked against closed forms and against each other.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/CubicBezier.h"

namespace zk {
namespace {

// The length of the parabola y = x^2 from x = 0 to x = a, in closed form.
double ParabolaLength(double a) {
  const double S = std::sqrt(1 + 4 * a * a);
  return a * S / 2 + std::asinh(2 * a) / 4;
}

// y = x^2 on [0, A] as a cubic: the quadratic (0,0), (A/2, 0), (A, A^2) raised.
TCubicBezier Parabola(double A) {
  return {{0, 0}, {A / 3, 0}, {2 * A / 3, A * A / 3}, {A, A * A}};
}

struct LengthCase {
  std::string Name;
  TCubicBezier Curve;
  double Expected;
};

class CubicLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(CubicLengthTest, Length_MatchesClosedForm) {
  const LengthCase& C = GetParam();
  EXPECT_NEAR(CubicLength(C.Curve, 1e-12), C.Expected, 1e-10 * C.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, CubicLengthTest,
    testing::ValuesIn(std::vector<LengthCase>{
        {"UnevenControlsOnTheChord", {{0, 0}, {0.9, 1.2}, {2.7, 3.6}, {3, 4}}, 5},
        {"EvenlySpacedLine", {{1, 1}, {4, 5}, {7, 9}, {10, 13}}, 15},
        {"ParabolaShort", Parabola(1), ParabolaLength(1)},
        {"ParabolaSteep", Parabola(20), ParabolaLength(20)},
        {"HugeParabola", {{0, 0}, {1e37 / 3, 0}, {2e37 / 3, 1e37 / 3}, {1e37, 1e37}}, 1e37 * ParabolaLength(1)},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(CubicBezierTest, LengthOfFoldedLine_CountsTheWayBack) {
  // Controls beyond the ends on the line: x(t) = 48t^3 - 72t^2 + 27t runs
  // to 3 at t = 1/4, back to 0 at t = 3/4 and on to 3: length 9.
  const TCubicBezier C{{0, 0}, {9, 0}, {-6, 0}, {3, 0}};
  double T[4];
  const int N = CubicExtrema(C, T);
  ASSERT_EQ(N, 2);
  EXPECT_NEAR(T[0], 0.25, 1e-15);
  EXPECT_NEAR(T[1], 0.75, 1e-15);
  EXPECT_NEAR(CubicLength(C, 1e-12), 9, 1e-9);
}

TEST(CubicBezierTest, ParameterAtLength_InvertsArcLength) {
  const TCubicBezier C{{0, 0}, {10, 30}, {40, -20}, {50, 10}};
  const double Total = CubicLength(C, 1e-13);
  for (double F : {0.0, 0.1, 0.25, 0.5, 0.77, 0.999, 1.0}) {
    const double T = CubicParameterAtLength(C, F * Total, Total, 1e-12 * Total);
    EXPECT_NEAR(CubicArcLength(C, 0, T, 1e-13 * Total), F * Total, 1e-10 * Total) << F;
  }
}

TEST(CubicBezierTest, ParameterAfterLength_StepsAddUpToTheLengthFromTheStart) {
  const TCubicBezier C{{0, 0}, {10, 30}, {40, -20}, {50, 10}};
  const double Total = CubicLength(C, 1e-13);
  double T = 0, Measured = 0;
  for (double Step : {0.5, 7.0, 0.01, 20.0}) {
    const TCubicLengthStep S = CubicParameterAfterLength(C, T, Step, Total - Measured, 1e-9);
    EXPECT_NEAR(S.Length, Step, 1e-9);
    T = S.T, Measured += S.Length;
    EXPECT_NEAR(CubicArcLength(C, 0, T, 1e-13 * Total), Measured, 1e-8) << Step;
  }
  EXPECT_EQ(CubicParameterAfterLength(C, T, Total, Total - Measured, 1e-9).T, 1);
}

TEST(CubicBezierTest, SubCubic_TracesTheSamePoints) {
  const TCubicBezier C{{0, 0}, {10, 30}, {40, -20}, {50, 10}};
  const TCubicBezier Piece = SubCubic(C, 0.2, 0.7);
  EXPECT_EQ(Piece.P0, CubicPoint(C, 0.2));
  EXPECT_EQ(Piece.P3, CubicPoint(C, 0.7));
  for (double U : {0.25, 0.5, 0.9}) {
    const TPointD A = CubicPoint(Piece, U), B = CubicPoint(C, 0.2 + 0.5 * U);
    EXPECT_NEAR(A.X, B.X, 1e-12);
    EXPECT_NEAR(A.Y, B.Y, 1e-12);
  }
}

TEST(CubicBezierTest, Tangent_AtDegenerateEnds_FollowsTheCurve) {
  // Both controls on their end points: a straight line from (0,0) to (4,3).
  const TCubicBezier C{{0, 0}, {0, 0}, {4, 3}, {4, 3}};
  for (double T : {0.0, 1.0}) {
    const TPointD D = CubicTangent(C, T);
    EXPECT_NEAR(std::atan2(D.Y, D.X), std::atan2(3.0, 4.0), 1e-12) << T;
  }
}

struct RootsCase {
  std::string Name;
  double A, B, C, D;
  std::vector<double> Roots;
};

class PolynomialRootsTest : public testing::TestWithParam<RootsCase> {};

TEST_P(PolynomialRootsTest, Roots_AreFoundOnce) {
  const RootsCase& C = GetParam();
  double Out[3];
  const int N = PolynomialRootsInUnitInterval(C.A, C.B, C.C, C.D, Out);
  ASSERT_EQ(N, static_cast<int>(C.Roots.size()));
  for (int I = 0; I < N; ++I) EXPECT_NEAR(Out[I], C.Roots[I], 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Polynomials, PolynomialRootsTest,
    testing::ValuesIn(std::vector<RootsCase>{
        // (t - 0.2)(t - 0.5)(t - 0.9) = t^3 - 1.6t^2 + 0.73t - 0.09
        {"ThreeRoots", 1, -1.6, 0.73, -0.09, {0.2, 0.5, 0.9}},
        // (t - 0.5)^2 (t - 2): a double root touches zero
        {"DoubleRootTouching", 1, -3, 2.25, -0.5, {0.5}},
        {"RootsAtBothEnds", 0, 1, -1, 0, {0, 1}},
        {"LinearOnly", 0, 0, 2, -1, {0.5}},
        {"NoRootInside", 1, 0, 0, 1, {}},
        {"ZeroEverywhere", 0, 0, 0, 0, {}},
    }),
    [](const auto& Info) { return Info.param.Name; });

} // namespace
} // namespace zk
