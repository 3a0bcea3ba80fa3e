// Strokes: exact cases of joins, caps, the miter limit, dashes and
// zero-length contours, checked by the filled area of the outline and by
// points inside and outside; the hit test agrees with the outline.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "pathops/PathContours.h"
#include "pathops/PathWinding.h"
#include "pathops/Stroke.h"

namespace zk {
namespace {

constexpr double Pi = std::numbers::pi;

// The winding number of the outline at P (nonzero: painted).
int Winding(const std::vector<TPathContour>& Outline, const TPointD& P) { return WindingNumber(Outline, P); }

// The painted area of the outline, sampled at the centres of a grid of Step
// over its control box (and the origin): within about the perimeter times Step / 2.
double PaintedArea(const TZKPathData& Outline, double Step) {
  const std::vector<TPathContour> C = PathContours(Outline);
  double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  for (const TPathContour& K : C)
    for (const TContourSegment& S : K.Segments)
      for (const TPointD& P : {S.Curve.P0, S.Curve.P1, S.Curve.P2, S.Curve.P3}) {
        X0 = std::min(X0, P.X), Y0 = std::min(Y0, P.Y), X1 = std::max(X1, P.X), Y1 = std::max(Y1, P.Y);
      }
  int Painted = 0;
  for (double Y = Y0 - Step / 2; Y < Y1 + Step; Y += Step)
    for (double X = X0 - Step / 2; X < X1 + Step; X += Step) Painted += Winding(C, {X, Y}) != 0;
  return Painted * Step * Step;
}

std::unique_ptr<TZKPathData> Parse(const std::string& Text) {
  auto P = std::make_unique<TZKPathData>();
  P->SetPathString(Text, TZKPathSyntax::Svg);
  return P;
}

TZKStroke Style(double Width, TZKLineJoin Join, TZKLineCap Cap, std::vector<double> Dashes = {},
                double Offset = 0) {
  TZKStroke S;
  S.Width = Width;
  S.Join = Join;
  S.Cap = Cap;
  S.Dashes = std::move(Dashes);
  S.DashOffset = Offset;
  return S;
}

struct ExactCase {
  std::string Name;
  std::string Path;
  TZKStroke Stroke;
  double Area;
  std::vector<TPointD> Inside, Outside;
};

void PrintTo(const ExactCase& C, std::ostream* Out) { *Out << C.Name; }

class StrokeExactTest : public testing::TestWithParam<ExactCase> {};

TEST_P(StrokeExactTest, AreaAndPoints_FollowTheRules) {
  const ExactCase& C = GetParam();
  const auto Path = Parse(C.Path);
  const auto Outline = StrokeOutline(*Path, C.Stroke);
  const std::vector<TPathContour> Contours = PathContours(*Outline);
  const TZKStrokeHitTest Hit(*Path, C.Stroke);
  constexpr double Step = 0.02;
  EXPECT_NEAR(PaintedArea(*Outline, Step), C.Area, 0.02 * std::max(1.0, C.Area));
  for (const TPointD& P : C.Inside) {
    EXPECT_NE(Winding(Contours, P), 0) << "outline misses " << P.X << "," << P.Y;
    EXPECT_TRUE(Hit.Contains(P)) << "hit test misses " << P.X << "," << P.Y;
  }
  for (const TPointD& P : C.Outside) {
    EXPECT_EQ(Winding(Contours, P), 0) << "outline paints " << P.X << "," << P.Y;
    EXPECT_FALSE(Hit.Contains(P)) << "hit test takes " << P.X << "," << P.Y;
  }
}

using J = TZKLineJoin;
using K = TZKLineCap;

INSTANTIATE_TEST_SUITE_P(
    Rules, StrokeExactTest,
    testing::ValuesIn(std::vector<ExactCase>{
        // An L of two 10-unit lines, 2 wide: two 20-unit bodies sharing a unit
        // square, and the corner's outer unit square cut by the join.
        {"RightAngle_Miter", "M0,0 L10,0 L10,10", Style(2, J::Miter, K::Butt), 40, {{10.9, -0.9}}, {{11.1, 0}}},
        {"RightAngle_Round", "M0,0 L10,0 L10,10", Style(2, J::Round, K::Butt), 39 + Pi / 4, {{10.6, -0.6}},
         {{10.9, -0.9}}},
        {"RightAngle_Bevel", "M0,0 L10,0 L10,10", Style(2, J::Bevel, K::Butt), 39.5, {{10.4, -0.4}},
         {{10.6, -0.6}}},
        // Caps on a 10-unit line: butt 20, square 20 + 2 * 2, round 20 + pi.
        {"Line_ButtCaps", "M0,0 L10,0", Style(2, J::Miter, K::Butt), 20, {{0.1, 0.9}}, {{-0.1, 0}, {10.1, 0}}},
        {"Line_SquareCaps", "M0,0 L10,0", Style(2, J::Miter, K::Square), 24, {{-0.9, 0.9}, {10.9, -0.9}},
         {{-1.1, 0}}},
        {"Line_RoundCaps", "M0,0 L10,0", Style(2, J::Miter, K::Round), 20 + Pi, {{-0.6, 0.6}, {-0.99, 0}},
         {{-0.8, 0.8}}},
        // A closed square: joins at every corner, the start's too, and no caps.
        {"ClosedSquare_Miter", "M0,0 H10 V10 H0 Z", Style(2, J::Miter, K::Round), 80, {{-0.9, -0.9}, {10.9, 10.9}},
         {{5, 5}, {-1.1, 5}}},
        {"ClosedSquare_Round", "M0,0 H10 V10 H0 Z", Style(2, J::Round, K::Square), 76 + Pi, {{-0.6, -0.6}},
         {{-0.9, -0.9}, {5, 5}}},
        // A dash of 12 on the L: the first line and 2 units of the second,
        // with the miter at the corner, which the dash runs through.
        {"Dash_OverACorner_KeepsTheJoin", "M0,0 L10,0 L10,10", Style(2, J::Miter, K::Butt, {12, 100}), 24,
         {{10.9, -0.9}, {10, 1.9}}, {{10, 2.1}}},
        // [2, 1, 1] is used as [2, 1, 1, 2, 1, 1]: on 0-2, 3-4, 6-7, 8-10, 11-12.
        {"Dash_OddList_IsRepeated", "M0,0 L12,0", Style(0.5, J::Miter, K::Butt, {2, 1, 1}), 3.5,
         {{1, 0}, {3.5, 0}, {6.5, 0}, {9, 0}, {11.5, 0}}, {{2.5, 0}, {5, 0}, {7.5, 0}, {10.5, 0}}},
        // The pattern starts again on the second contour: on 0-3 and 4-5 on both.
        {"Dash_RestartsPerContour", "M0,0 L5,0 M0,2 L5,2", Style(0.5, J::Miter, K::Butt, {3, 1}), 4,
         {{0.5, 2}, {4.5, 2}}, {{3.5, 2}, {3.5, 0}}},
        {"Dash_Offset_ShiftsThePattern", "M0,0 L10,0", Style(0.5, J::Miter, K::Butt, {2, 2}, 1), 2.5,
         {{0.5, 0}, {4, 0}, {8, 0}}, {{2, 0}, {6, 0}}},
        {"Dash_NegativeOffset_ShiftsForward", "M0,0 L10,0", Style(0.5, J::Miter, K::Butt, {2, 2}, -1), 2.5,
         {{2, 0}, {6, 0}, {9.5, 0}}, {{0.5, 0}, {4, 0}}},
        // The square's perimeter is 40; [6, 34] from 3 is on 0-3 and 37-40: one
        // dash over the closing corner, joined there.
        {"Dash_OverAClosedContoursStart_IsJoined", "M0,0 H10 V10 H0 Z", Style(2, J::Miter, K::Butt, {6, 34}, 3),
         12, {{-0.9, -0.9}, {2.9, 0}, {0, 2.9}}, {{3.1, 0}, {0, 3.1}}},
        {"Dash_AllZeros_StrokesSolid", "M0,0 L10,0", Style(2, J::Miter, K::Butt, {0, 0}), 20, {{5, 0}}, {}},
        {"Dash_ZeroLengthDashes_RoundDots", "M0,0 L10,0", Style(2, J::Miter, K::Round, {0, 5}), 3 * Pi,
         {{0, 0.9}, {5, -0.9}, {10.9, 0}}, {{2.5, 0}}},
        // Zero-length contours: a dot or an axis-aligned square, as wide as
        // the stroke; nothing with butt caps or for a lone move.
        {"MoveClose_RoundCap_IsADot", "M5,5 Z", Style(2, J::Miter, K::Round), Pi, {{5.6, 5.6}}, {{5.8, 5.8}}},
        {"ZeroLine_SquareCap_IsASquare", "M5,5 L5,5", Style(2, J::Round, K::Square), 4, {{5.9, 4.1}}, {{6.1, 5}}},
        {"MoveClose_ButtCap_IsNothing", "M5,5 Z", Style(2, J::Miter, K::Butt), 0, {}, {{5, 5}}},
        {"LoneMove_IsNothing", "M5,5 M9,9 L10,9", Style(2, J::Miter, K::Round), 2 + Pi, {{10.9, 9}},
         {{5, 5}, {5.5, 5}}},
        // A curve turning tighter than half the width: a circle of radius 1
        // stroked 4 wide is a disc of radius 3, its centre covered.
        {"TightCircle_CoversItsCentre", "M7,6 A1,1 0 1 1 5,6 A1,1 0 1 1 7,6 Z", Style(4, J::Round, K::Butt), 9 * Pi,
         {{6, 6}, {6.5, 6}, {6, 8.9}}, {{6, 9.1}, {3.8, 3.8}}},
    }),
    [](const auto& Info) { return Info.param.Name; });

// A sharp angle: 10 units along x and back to (0, 5), at atan(1/2) = 26.57
// degrees. The miter ratio is 1 / sin(13.28 deg) = 4.35: a limit just above
// keeps the miter, whose tip stands at (14.24, -1); just below, the corner is
// bevelled, losing the triangle (10, -1), (14.24, -1), (10.45, 0.89).
TEST(StrokeOutlineTest, MiterLimit_AtTheRatio_KeepsTheMiter) {
  const auto Path = Parse("M0,0 L10,0 L0,5");
  const double Ratio = 1 / std::sin(std::atan(0.5) / 2);
  TZKStroke Miter = Style(2, TZKLineJoin::Miter, TZKLineCap::Butt), Bevel = Miter;
  Miter.MiterLimit = Ratio * (1 + 1e-12);
  Bevel.MiterLimit = Ratio * (1 - 1e-12);
  const double Triangle = 0.5 * (10.4472136 + 0.894427191 / 0.4472136 * 1.894427191 - 10) * 1.894427191;
  const double MiterArea = PaintedArea(*StrokeOutline(*Path, Miter), 0.01);
  const double BevelArea = PaintedArea(*StrokeOutline(*Path, Bevel), 0.01);
  EXPECT_NEAR(MiterArea - BevelArea, Triangle, 0.05);
  EXPECT_TRUE(PointOnStroke(*Path, {14.1, -0.95}, Miter));
  EXPECT_FALSE(PointOnStroke(*Path, {14.1, -0.95}, Bevel));
  EXPECT_TRUE(PointOnStroke(*Path, {10.05, -0.5}, Bevel));
  EXPECT_FALSE(PointOnStroke(*Path, {14.3, -0.95}, Miter));
}

// A circle of radius 5 stroked 2 wide: the outline's curves stay within the
// tolerance of radii 4 and 6, and stay curves (a few dozen, not hundreds of lines).
TEST(StrokeOutlineTest, CircleOffsets_AreCurvesWithinTheTolerance) {
  const auto Path = Parse("M11,6 A5,5 0 1 1 1,6 A5,5 0 1 1 11,6 Z");
  const TZKStroke Stroke = Style(2, TZKLineJoin::Miter, TZKLineCap::Butt);
  const auto Outline = StrokeOutline(*Path, Stroke);
  int Curves = 0;
  for (const TPathContour& C : PathContours(*Outline))
    for (const TContourSegment& S : C.Segments) {
      Curves += S.IsCurve;
      if (!S.IsCurve) continue;
      for (double T = 0; T <= 1; T += 0.125) {
        const double R = Length(CubicPoint(S.Curve, T) - TPointD{6, 6});
        // The path's own arcs are cubics within 2.7e-4 * 5 of the circle.
        EXPECT_LT(std::min(std::fabs(R - 4), std::fabs(R - 6)), Stroke.Tolerance + 0.0014) << R;
      }
    }
  EXPECT_GE(Curves, 8);
  EXPECT_LE(Curves, 40);
}

TEST(StrokeOutlineTest, ZeroWidth_GivesAnEmptyOutline) {
  EXPECT_EQ(StrokeOutline(*Parse("M0,0 L10,0 Z"), Style(0, TZKLineJoin::Round, TZKLineCap::Round))->Count(), 0);
}

TEST(StrokeOutlineTest, TinyDashesOnALongPath_AreRefused) {
  const auto Path = Parse("M0,0 L100000,0");
  EXPECT_THROW(StrokeOutline(*Path, Style(1, TZKLineJoin::Miter, TZKLineCap::Butt, {0.001})), EResultTooLarge);
  EXPECT_THROW(TZKStrokeHitTest(*Path, Style(1, TZKLineJoin::Miter, TZKLineCap::Butt, {0.001})), EResultTooLarge);
}

struct BadStyleCase {
  std::string Name;
  TZKStroke Stroke;
  std::string Message;
};

void PrintTo(const BadStyleCase& C, std::ostream* Out) { *Out << C.Name; }

class StrokeBadStyleTest : public testing::TestWithParam<BadStyleCase> {};

TEST_P(StrokeBadStyleTest, BadStyle_RaisesNamingTheField) {
  try {
    StrokeOutline(*Parse("M0,0 L1,0"), GetParam().Stroke);
    FAIL() << "no exception";
  } catch (const EInvalidStroke& E) {
    EXPECT_NE(std::string(E.what()).find(GetParam().Message), std::string::npos) << E.what();
  }
}

TZKStroke With(void (*Change)(TZKStroke&)) {
  TZKStroke S;
  Change(S);
  return S;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StrokeBadStyleTest,
    testing::ValuesIn(std::vector<BadStyleCase>{
        {"NegativeWidth", With([](TZKStroke& S) { S.Width = -1; }), "width"},
        {"NaNWidth", With([](TZKStroke& S) { S.Width = std::nan(""); }), "width"},
        {"MiterLimitBelowOne", With([](TZKStroke& S) { S.MiterLimit = 0.5; }), "miter limit"},
        {"NegativeDash", With([](TZKStroke& S) { S.Dashes = {1, -1}; }), "dash"},
        {"InfiniteDash", With([](TZKStroke& S) { S.Dashes = {HUGE_VAL}; }), "dash"},
        {"NaNDashOffset", With([](TZKStroke& S) { S.DashOffset = std::nan(""); }), "dash offset"},
        {"ZeroTolerance", With([](TZKStroke& S) { S.Tolerance = 0; }), "tolerance"},
    }),
    [](const auto& Info) { return Info.param.Name; });

} // namespace
} // namespace zk
