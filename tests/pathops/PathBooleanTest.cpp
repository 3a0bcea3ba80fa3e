// Boolean operations: exact results of small figures, and the properties
// every result has (no overlap, curves kept, bounded size, bad input).
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "path/PathData.h"
#include "pathops/PathBoolean.h"

namespace zk {
namespace {

std::vector<TPathContour> Contours(const std::string& Text) {
  TZKPathData P;
  P.SetPathString(Text, TZKPathSyntax::Svg);
  return PathContours(P);
}

// The signed area of closed contours (positive where they run clockwise on a
// y-down screen): the shoelace sum over the segments, curves sampled finely.
double SignedArea(const std::vector<TPathContour>& Cs) {
  double A = 0;
  for (const TPathContour& C : Cs)
    for (const TContourSegment& S : C.Segments) {
      const int N = S.IsCurve ? 256 : 1;
      TPointD P = S.Start();
      for (int I = 1; I <= N; ++I) {
        const TPointD Q = S.IsCurve ? CubicPoint(S.Curve, double(I) / N) : S.End();
        A += (P.X * Q.Y - Q.X * P.Y) / 2;
        P = Q;
      }
    }
  return A;
}

std::size_t SegmentCount(const std::vector<TPathContour>& Cs) {
  std::size_t N = 0;
  for (const TPathContour& C : Cs) N += C.Segments.size();
  return N;
}

bool HasCurve(const std::vector<TPathContour>& Cs) {
  for (const TPathContour& C : Cs)
    for (const TContourSegment& S : C.Segments)
      if (S.IsCurve) return true;
  return false;
}

constexpr const char* Square02 = "M0,0 H2 V2 H0 Z";
constexpr const char* Square13 = "M1,1 H3 V3 H1 Z";
constexpr const char* Circle22 = "M1,2 A1,1 0 1 0 3,2 A1,1 0 1 0 1,2 Z";  // centre (2,2), radius 1
constexpr const char* CheckerDark = "M0,0 H1 V1 H0 Z M1,1 H2 V2 H1 Z";
constexpr const char* CheckerLight = "M1,0 H2 V1 H1 Z M0,1 H1 V2 H0 Z";
constexpr double Pi = 3.14159265358979323846;

struct BooleanCase {
  std::string Name, A, B;
  TPathOp Op;
  TZKFillMode Rule;
  double Area;      // of the exact result (curves: of their cubic approximation, to 1e-3)
  int Contours;     // -1: not checked
  int Segments;     // -1: not checked
  bool Curves;      // the result keeps curves
};

class PathBooleanTest : public testing::TestWithParam<BooleanCase> {};

//   +----+          A = [0,2]^2, B = [1,3]^2: the union is an octagon-free
//   | A +-+--+      "two squares" outline of 8 corners, the intersection the
//   +---+-+  |      unit square [1,2]^2, A - B an L of 3, the exclusive or
//       | B  |      two L's touching at (2,1) and (1,2).
//       +----+
TEST_P(PathBooleanTest, Result_IsExactAndFillsAlikeUnderBothRules) {
  const BooleanCase& C = GetParam();
  const auto A = Contours(C.A), B = Contours(C.B);
  const auto R = C.B == "-" ? Simplify(A, C.Rule) : Combine(A, B, C.Op, C.Rule, C.Rule);
  const double Tolerance = C.Curves ? 1e-3 : 1e-9;
  const double Area = SignedArea(R);
  if (C.Area >= 0) {
    EXPECT_NEAR(Area, C.Area, Tolerance);
  }
  // Nothing overlaps: the even-odd rule covers what the nonzero rule does,
  // and the result is its own simplification.
  EXPECT_NEAR(SignedArea(Simplify(R, fmEvenOdd)), Area, 1e-9);
  EXPECT_NEAR(SignedArea(Simplify(R, fmNonZero)), Area, 1e-9);
  if (C.Contours >= 0) {
    EXPECT_EQ(int(R.size()), C.Contours);
  }
  if (C.Segments >= 0) {
    EXPECT_EQ(int(SegmentCount(R)), C.Segments);
  }
  EXPECT_EQ(HasCurve(R), C.Curves);
  for (const TPathContour& K : R) {
    ASSERT_TRUE(K.Closed);
    for (std::size_t I = 0; I < K.Segments.size(); ++I)
      EXPECT_EQ(K.Segments[I].End(), I + 1 < K.Segments.size() ? K.Segments[I + 1].Start() : K.Start);
  }
}

const TZKFillMode NZ = fmNonZero, EO = fmEvenOdd;
INSTANTIATE_TEST_SUITE_P(
    Figures, PathBooleanTest,
    testing::ValuesIn(std::vector<BooleanCase>{
        {"Squares_Union", Square02, Square13, TPathOp::Union, NZ, 7, 1, 8, false},
        {"Squares_Intersection", Square02, Square13, TPathOp::Intersection, NZ, 1, 1, 4, false},
        {"Squares_Difference", Square02, Square13, TPathOp::Difference, NZ, 3, 1, 6, false},
        {"Squares_Xor", Square02, Square13, TPathOp::Xor, NZ, 6, 2, 12, false},
        {"SquareAndCircle_UnionKeepsArcs", Square02, Circle22, TPathOp::Union, NZ, 4 + 0.75 * Pi, 1, -1, true},
        {"SquareAndCircle_IntersectionIsQuarter", Square02, Circle22, TPathOp::Intersection, NZ, 0.25 * Pi, 1, 3,
         true},
        {"SquareMinusCircle", Square02, Circle22, TPathOp::Difference, NZ, 4 - 0.25 * Pi, 1, 5, true},
        {"HoleFilledByItsShape_Union", "M0,0 H4 V4 H0 Z M1,1 V3 H3 V1 Z", "M1,1 H3 V3 H1 Z", TPathOp::Union, NZ,
         16, 1, 4, false},
        {"HoleUnderEvenOdd_Intersection", "M0,0 H4 V4 H0 Z M1,1 H3 V3 H1 Z", "M0,0 H2 V4 H0 Z",
         TPathOp::Intersection, EO, 6, 1, 8, false},
        {"TouchingSquares_UnionIsOneContour", "M0,0 H1 V1 H0 Z", "M1,0 H2 V1 H1 Z", TPathOp::Union, NZ, 2, 1, 4,
         false},
        {"CornerTouchingSquares_UnionIsTwo", "M0,0 H1 V1 H0 Z", "M1,1 H2 V2 H1 Z", TPathOp::Union, NZ, 2, 2, 8,
         false},
        {"CoincidentEdges_Difference", Square02, "M0,0 H2 V1 H0 Z", TPathOp::Difference, NZ, 2, 1, 4, false},
        {"CoincidentEdges_Union", "M0,0 H2 V1 H0 Z", "M0,1 H2 V2 H0 Z", TPathOp::Union, NZ, 4, 1, 4, false},
        {"Itself_Union", Circle22, Circle22, TPathOp::Union, NZ, Pi, 1, 4, true},
        {"Itself_Intersection", Circle22, Circle22, TPathOp::Intersection, NZ, Pi, 1, 4, true},
        {"Itself_Difference", Circle22, Circle22, TPathOp::Difference, NZ, 0, 0, 0, false},
        {"Itself_Xor", Square02, Square02, TPathOp::Xor, NZ, 0, 0, 0, false},
        {"MinusEmpty", Circle22, "", TPathOp::Difference, NZ, Pi, 1, 4, true},
        {"EmptyMinusSquare", "", Square02, TPathOp::Difference, NZ, 0, 0, 0, false},
        {"ZeroAreaContour_Vanishes", "M0,0 H2 H0 Z", Square13, TPathOp::Union, NZ, 4, 1, 4, false},
        {"ReversedSquare_Union_RunsClockwise", "M0,0 V2 H2 V0 Z", "", TPathOp::Union, NZ, 4, 1, 4, false},
        // Thrice drawn, the square is filled under the even-odd rule; twice
        // drawn, it is empty: the difference is the square, running clockwise.
        {"LoopDrawnThriceMinusTwice_EvenOdd", "M0,0 H3 V3 H0 Z M0,0 H3 V3 H0 Z M0,0 H3 V3 H0 Z",
         "M0,0 H3 V3 H0 Z M0,0 H3 V3 H0 Z", TPathOp::Difference, EO, 9, 1, 4, false},
        // A 2x2 checkerboard, one operand the dark squares, the other the
        // light: four contours of two operands meet at the centre.
        {"Checkerboard_UnionIsTheBoard", CheckerDark, CheckerLight, TPathOp::Union, NZ, 4, 1, 4, false},
        {"Checkerboard_IntersectionIsEmpty", CheckerDark, CheckerLight, TPathOp::Intersection, NZ, 0, 0, 0, false},
        {"Checkerboard_DifferenceIsTheDarkSquares", CheckerDark, CheckerLight, TPathOp::Difference, EO, 2, 2, 8, false},
        {"Checkerboard_XorIsTheBoard", CheckerDark, CheckerLight, TPathOp::Xor, NZ, 4, -1, -1, false},
        {"OpenContour_ClosedByFill", "M0,0 H2 V2", Square13, TPathOp::Intersection, NZ, 0.5, 1, 3, false},
        // Operands apart: their own contours, chosen and turned.
        {"ApartSquares_Union", Square02, "M5,0 H7 V2 H5 Z", TPathOp::Union, NZ, 8, 2, 8, false},
        {"ApartSquares_IntersectionIsEmpty", Square02, "M5,0 H7 V2 H5 Z", TPathOp::Intersection, NZ, 0, 0, 0, false},
        {"ApartSquares_DifferenceIsA", "M0,0 V2 H2 V0 Z", "M5,0 H7 V2 H5 Z", TPathOp::Difference, NZ, 4, 1, 4, false},
        // Simplify (B "-").
        {"NestedSameWay_NonZero_IsTheOutline", "M0,0 H4 V4 H0 Z M1,1 H3 V3 H1 Z", "-", TPathOp::Union, NZ, 16, 1, 4,
         false},
        {"NestedSameWay_EvenOdd_HasAHole", "M0,0 H4 V4 H0 Z M1,1 H3 V3 H1 Z", "-", TPathOp::Union, EO, 12, 2, 8, false},
        {"IslandInAHole_NonZero", "M0,0 H6 V6 H0 Z M1,1 V5 H5 V1 Z M4,4 V2 H2 V4 Z", "-", TPathOp::Union, NZ, 24, 3,
         12, false},
        {"OpenContour_Simplify_IsClosed", "M0,0 H2 V2 H0", "-", TPathOp::Union, NZ, 4, 1, 4, false},
        {"FigureEight_NonZero", "M0,0 L2,2 H0 L2,0 Z", "-", TPathOp::Union, NZ, 2, 2, 6, false},
        {"FigureEight_EvenOdd", "M0,0 L2,2 H0 L2,0 Z", "-", TPathOp::Union, EO, 2, 2, 6, false},
        {"Star_NonZero_IsOutline", "M5,0 L8,9 L0,3.5 H10 L2,9 Z", "-", TPathOp::Union, NZ, -1, 1, 10, false},
        {"Star_EvenOdd_IsPoints", "M5,0 L8,9 L0,3.5 H10 L2,9 Z", "-", TPathOp::Union, EO, -1, 5, 15, false},
        {"OverlappingCircles_NonZero", "M1,2 A1,1 0 1 0 3,2 A1,1 0 1 0 1,2 Z M2,2 A1,1 0 1 0 4,2 A1,1 0 1 0 2,2 Z",
         "-", TPathOp::Union, NZ, -1, 1, -1, true},
    }),
    [](const testing::TestParamInfo<BooleanCase>& I) { return I.param.Name; });

// Points outside the float range cannot be read from path text; contours
// carry them as the stroke and measurement code may make them.
TEST(PathBooleanLimitsTest, NonFinitePoint_Raises) {
  auto A = Contours(Square02);
  A[0].Segments[1].Curve.P3.X = NAN;
  EXPECT_THROW(Combine(A, Contours(Square13), TPathOp::Union), EInvalidOp);
  A[0].Segments[1].Curve.P3.X = INFINITY;
  EXPECT_THROW(Simplify(A), EInvalidOp);
}

// Eight teardrops from one point: the point stays exactly where it is in
// every piece of the result, as an operand vertex does, though sixteen
// vertices of the operand lie there.
TEST(PathBooleanLimitsTest, ManyContoursThroughOnePoint_KeepItExactly) {
  std::string Petals;
  for (const char* Controls : {"4,1 3,2", "2,3 1,4", "-1,4 -2,3", "-3,2 -4,1", "-4,-1 -3,-2", "-2,-3 -1,-4",
                               "1,-4 2,-3", "3,-2 4,-1"})
    Petals += std::string("M0,0 C") + Controls + " 0,0 Z ";
  const auto R = Simplify(Contours(Petals));
  ASSERT_EQ(R.size(), 8u);
  for (const TPathContour& C : R) {
    bool Through = C.Start == TPointD{0, 0};
    for (const TContourSegment& S : C.Segments) Through |= S.End() == TPointD{0, 0};
    EXPECT_TRUE(Through);
  }
}

// Squares apart in a row are kept as they are; stacked in a column (every
// box spanning every square's x) they pass the budget for keeping them so,
// and the clipper must give the same squares.
TEST(PathBooleanLimitsTest, ManySquaresApart_InARowOrAColumn_AreEachKept) {
  for (const bool Column : {false, true}) {
    std::string Squares;
    for (int I = 0; I < 3000; ++I)
      Squares += "M" + std::to_string(Column ? 0 : 2 * I) + "," + std::to_string(Column ? 2 * I : 0) + " h1 v1 h-1 z ";
    const auto R = Simplify(Contours(Squares), fmEvenOdd);
    EXPECT_EQ(R.size(), 3000u) << Column;
    EXPECT_NEAR(SignedArea(R), 3000, 1e-6) << Column;
  }
}

// Fuzzer findings: inputs that once broke an operation.
TEST(PathBooleanLimitsTest, DegenerateOperands_GiveEmptyResults) {
  const struct {
    const char *Name, *A, *B;
  } Rows[] = {
      // Every point on one vertical line: the search grid had no width.
      {"CurvesOnOneVerticalLine", "M0,0 C0,1 0,3 0,4 Z", "M0,1 C0,2 0,2 0,3 Z"},
      {"OnePoint", "M2,2 C2,2 2,2 2,2 Z", "M2,2 L2,2 Z"},
  };
  for (const auto& Row : Rows)
    for (TPathOp Op : {TPathOp::Union, TPathOp::Intersection, TPathOp::Difference, TPathOp::Xor})
      EXPECT_TRUE(Combine(Contours(Row.A), Contours(Row.B), Op).empty()) << Row.Name;
}

// A curve whose chord lies along its neighbour: flattened to that chord it
// would enclose nothing (fuzzer finding).
TEST(PathBooleanLimitsTest, CurveClosedAlongItsChord_KeepsItsArea) {
  const auto Lens = Contours("M2,0 C0,7 0,0 0,0 Z");
  const double Area = std::fabs(SignedArea(Lens));
  ASSERT_GT(Area, 1);
  EXPECT_NEAR(SignedArea(Simplify(Lens)), Area, 1e-3);
  EXPECT_NEAR(SignedArea(Combine(Lens, Contours("M1,0 L2,4 L1,0 Z"), TPathOp::Union)), Area, 1e-3);
}

// A curve that bulges to one side of its chord, between neighbours that
// touch its box only at its ends but pass within a grid step of the chord:
// flattened to the chord, the contour folded onto one line (fuzzer finding).
TEST(PathBooleanLimitsTest, CurveBulgingBesideItsNeighbour_KeepsItsArea) {
  for (const char* Start : {"M-1e-9,-1e-9", "M-2.87e-16,-2.87e-16", "M0.001,0"}) {
    const auto Bulge = Contours(std::string(Start) + " L0,15 C7,0 0,0 0,0 L0,0");
    const double Area = std::fabs(SignedArea(Bulge));
    ASSERT_GT(Area, 20) << Start;
    for (TZKFillMode Rule : {fmNonZero, fmEvenOdd})
      EXPECT_NEAR(std::fabs(SignedArea(Simplify(Bulge, Rule))), Area, 1e-3) << Start;
    EXPECT_NEAR(std::fabs(SignedArea(Combine(Bulge, Contours("M4,0 H6 V2 Z"), TPathOp::Intersection))), 0, 1e-9);
  }
}

// A contour out and back along an edge of another encloses nothing and
// changes nothing; beside it a loop once came out as a hole (fuzzer finding).
TEST(PathBooleanLimitsTest, ZeroWidthContour_ChangesNothing) {
  const std::string Shape = "M4,2 L0,0 C0,2 4,9 0,0 L2,4 L4,2 Z";  // a triangle and a loop, both nonzero-filled
  const double Area = SignedArea(Simplify(Contours(Shape)));
  EXPECT_GT(Area, 6.5);
  EXPECT_NEAR(SignedArea(Simplify(Contours(Shape + " M2,4 C0,0 0,0 0,0"))), Area, 1e-9);
}

// A curve out and back along the edge that follows it is a spike, which
// once turned the triangle beside it into a hole (fuzzer finding).
TEST(PathBooleanLimitsTest, SpikeAlongAnEdge_ChangesNothing) {
  const double Area = SignedArea(Simplify(Contours("M4,0 L4,4 L0,2 Z")));
  EXPECT_NEAR(SignedArea(Simplify(Contours("M4,0 C0,2 4,0 4,0 L4,4 L0,2 L4,0 Z"))), Area, 1e-6);
}

// Edges of one even-odd operand that run over each other and meet others
// midway: the exclusive or with nothing once lost a piece of the union the
// clipper gave (fuzzer finding).
TEST(PathBooleanLimitsTest, OverlappingEdges_XorWithNothingIsTheArea) {
  const auto A = Contours("M8,4 L0,4 L15,15 L0,0 L0,15 L0,7 C0,0 12,0 0,12 L8,4 Z M0,12 L12,0 L0,0");
  EXPECT_NEAR(SignedArea(Combine(A, {}, TPathOp::Xor, fmEvenOdd, fmEvenOdd)), SignedArea(Simplify(A, fmEvenOdd)), 1e-9);
}

// A hole whose corner lies on its outline's edge only up to the grid's
// rounding of the crossing it comes from: with a far line beside it (which
// changes the grid) it once came out as a second outline (fuzzer finding).
TEST(PathBooleanLimitsTest, HoleCornerOnTheOutline_StaysAHole) {
  const auto A = Contours("M1,2 L2,0 L0,0 L2,4 L5,0 L0,0 L0,0 L4,2 L1,2 Z");
  const double Area = SignedArea(Simplify(A));
  ASSERT_NEAR(Area, 8.29, 0.01);
  for (const char* Line : {"M15,0 L0,0 L15,0 Z", "M0,0 L-7,3 L0,0 Z", "M1,0 L0,0 L1,0 Z"}) {
    SCOPED_TRACE(Line);
    EXPECT_NEAR(SignedArea(Combine(A, Contours(Line), TPathOp::Union)), Area, 1e-6);
  }
}

// An operand that fills the other's hole: the two differences of the
// exclusive or meet all along the hole, whose ring bounds one and is a hole
// of the other; the result is the outline alone, under either rule, also
// where the hole is a curve's loop (fuzzer finding: the loop came out as a
// hole as well).
TEST(PathBooleanLimitsTest, XorFillingAHole_IsTheOutlineAlone) {
  const struct {
    const char *Name, *Plug, *Holed;
    std::size_t Contours;  // of the result
    double Area;
  } Rows[] = {
      {"square", "M2,2 H4 V4 H2 Z", "M0,0 H10 V10 H0 Z M2,2 V4 H4 V2 Z", 1, 100},
      // The same cubics in both: a circle drawn otherwise (other arcs, cut
      // elsewhere) meets this one in slivers thinner than the tolerance.
      {"circle", "M1,2 C1,2.55 1.45,3 2,3 C2.55,3 3,2.55 3,2 C3,1.45 2.55,1 2,1 C1.45,1 1,1.45 1,2 Z",
       "M0,0 H10 V10 H0 Z M1,2 C1,2.55 1.45,3 2,3 C2.55,3 3,2.55 3,2 C3,1.45 2.55,1 2,1 C1.45,1 1,1.45 1,2 Z", 1, 100},
      {"two plugs, one hole left", "M2,2 H4 V4 H2 Z M6,6 H8 V8 H6 Z",
       "M0,0 H10 V10 H0 Z M2,2 V4 H4 V2 Z M6,6 V8 H8 V6 Z M6,2 V4 H8 V2 Z", 2, 96},
      // No ring shared: the plug's place and the hole beside it make one hole.
      {"plug beside its hole", "M2,2 H4 V4 H2 Z", "M0,0 H10 V10 H0 Z M4,2 V4 H6 V2 Z", 2, 92},
  };
  for (const auto& Row : Rows)
    for (TZKFillMode Rule : {fmNonZero, fmEvenOdd}) {
      SCOPED_TRACE(std::string(Row.Name) + (Rule == fmEvenOdd ? ", even-odd" : ", nonzero"));
      const auto Plug = Contours(Row.Plug), Holed = Contours(Row.Holed);
      for (const auto& X : {Combine(Plug, Holed, TPathOp::Xor, Rule, Rule), Combine(Holed, Plug, TPathOp::Xor, Rule, Rule)}) {
        EXPECT_EQ(X.size(), Row.Contours);
        EXPECT_NEAR(SignedArea(X), Row.Area, 1e-6);
      }
    }
  const auto Loop = Contours("M4,0 C2,14 4,0 0,14 L4,0 Z");
  const auto Around = Contours("M4,0 C2,14 4,0 0,14 L4,0 Z M2,14 L0,14 L2,0 L15,0 L15,15 Z");
  const double Whole = SignedArea(Combine(Loop, Around, TPathOp::Union, fmEvenOdd, fmEvenOdd));
  EXPECT_GT(Whole, 100);
  EXPECT_NEAR(SignedArea(Combine(Loop, Around, TPathOp::Xor, fmEvenOdd, fmEvenOdd)), Whole, 1e-6);
}

// Even-odd operands whose rings nest, repeat or touch their outer ring: the
// result's outlines and holes follow the nesting, so its signed area is the
// covered area, in every operation with a square far away.
TEST(PathBooleanLimitsTest, EvenOddNesting_GivesTheCoveredArea) {
  struct TCase {
    const char* Name;
    const char* Path;
    double Area;
  };
  const TCase Cases[] = {
      {"outer drawn twice", "M0,0 H10 V10 H0 Z M0,0 H10 V10 H0 Z M2,2 H8 V8 H2 Z", 36},
      {"three nested", "M0,0 H10 V10 H0 Z M2,2 H8 V8 H2 Z M4,4 H6 V6 H4 Z", 68},
      {"hole along an edge", "M0,0 H10 V10 H0 Z M0,0 H5 V10 H0 Z", 50},
      {"hole touching at points", "M0,0 H10 V10 H0 Z M5,0 L10,5 L5,10 L0,5 Z", 50},
      {"island in a touching hole", "M0,0 H10 V10 H0 Z M5,0 L10,5 L5,10 L0,5 Z M4,4 H6 V6 H4 Z", 54},
  };
  const auto Far = Contours("M100,100 H101 V101 H100 Z");
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Name);
    const auto A = Contours(C.Path);
    EXPECT_NEAR(SignedArea(Simplify(A, fmEvenOdd)), C.Area, 1e-9);
    EXPECT_NEAR(SignedArea(Combine(A, Far, TPathOp::Union, fmEvenOdd, fmEvenOdd)), C.Area + 1, 1e-9);
    EXPECT_NEAR(SignedArea(Combine(A, Far, TPathOp::Difference, fmEvenOdd, fmEvenOdd)), C.Area, 1e-9);
    EXPECT_NEAR(SignedArea(Combine(A, Far, TPathOp::Xor, fmEvenOdd, fmEvenOdd)), C.Area + 1, 1e-9);
  }
}

// Straight edges that cross, end near or pass close by curves: a curve part
// left one chord against an edge it crosses once or keeps clear of must give
// the regions its curve gives, so the areas add up as for sets:
// |A u B| + |A n B| = |A| + |B| and |A - B| = |A| - |A n B|.
TEST(PathBooleanLimitsTest, EdgesAcrossAndBesideCurves_AreasAddUp) {
  const std::string Circle = "M0,4 A4,4 0 1 0 8,4 A4,4 0 1 0 0,4 Z";  // radius 4 about (4,4)
  const struct {
    const char* Name;
    std::string A, B;
  } Rows[] = {
      {"crossing an arc at a narrow angle", Circle, "M-1,0.5 L9,1.5 L9,0.4 Z"},
      {"corner just inside an arc", Circle, "M2,-1 L4.05,0.02 L6,-1 Z"},
      {"edge just clear of the top", Circle, "M0,-0.001 H8 V-1 H0 Z"},
      {"edge just clear of the side", Circle, "M8.001,0 V8 H9 V0 Z"},
      {"chord through the circle", Circle, "M-1,3 L9,3.5 L9,9 L-1,9 Z"},
      // An S crossed three times, small beside the far square: its ends lie
      // on either side of the edge, its controls do not run one way.
      {"edge across an S", "M0,0 C1,1 2,-1 3,0 V2 H0 Z M100,100 H101 V101 H100 Z", "M-1,-0.05 L4,0.05 V-2 H-1 Z"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    const auto A = Contours(Row.A), B = Contours(Row.B);
    const double AreaA = SignedArea(Simplify(A)), AreaB = SignedArea(Simplify(B));
    const double Both = SignedArea(Combine(A, B, TPathOp::Intersection));
    EXPECT_NEAR(SignedArea(Combine(A, B, TPathOp::Union)) + Both, AreaA + AreaB, 1e-3);
    EXPECT_NEAR(SignedArea(Combine(A, B, TPathOp::Difference)), AreaA - Both, 1e-3);
  }
}

TEST(PathBooleanLimitsTest, WholeFloatRange_GivesFiniteResult) {
  // Squares spanning the float range, one with a curved side.
  const std::string Big = "M-3e38,-3e38 H3e38 C3.4e38,-1e38 3.4e38,1e38 3e38,3e38 H-3e38 Z";
  const std::string Small = "M0,0 H1e37 V3.4e38 H0 Z";
  for (TPathOp Op : {TPathOp::Union, TPathOp::Intersection, TPathOp::Difference, TPathOp::Xor}) {
    TZKPathData A, B;
    A.SetPathString(Big, TZKPathSyntax::Svg);
    B.SetPathString(Small, TZKPathSyntax::Svg);
    const auto R = Combine(A, B, Op);
    ASSERT_FALSE(R->IsEmpty());
    for (const TZKPathPoint& E : R->Entries()) {
      EXPECT_TRUE(std::isfinite(E.Point.X) && std::isfinite(E.Point.Y));
    }
  }
}

}  // namespace
}  // namespace zk
