// Exact measurement along the true curves: lengths, points and tangents at
// distances, pieces between distances.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "pathops/ContourMeasure.h"
#include "pathops/ParsePath.h"

namespace zk {
namespace {

// Arc length of y = x^2 over [0, A]: (A/2) sqrt(1 + 4A^2) + asinh(2A) / 4.
double ParabolaLength(double A) { return A / 2 * std::sqrt(1 + 4 * A * A) + std::asinh(2 * A) / 4; }

struct LengthCase {
  std::string Name, Path;
  double Length;
};

class ContourMeasureLengthTest : public testing::TestWithParam<LengthCase> {};

TEST_P(ContourMeasureLengthTest, Length_IsTheTrueArcLength) {
  const TContourMeasure M(*Parse(GetParam().Path));
  EXPECT_NEAR(M.Length(), GetParam().Length, 1e-9 * GetParam().Length);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ContourMeasureLengthTest,
    testing::ValuesIn(std::vector<LengthCase>{
        {"Line", "M1,2 L4,6", 5},
        {"CubicWithControlsOnItsChord", "M0,0 C1,1 2,2 3,3", 3 * std::sqrt(2.0)},
        // y = x^2 on [0, 3] as a cubic: the quadratic's control (1.5, 0) raised.
        {"ParabolaArc", "M0,0 C1,0 2,3 3,9", ParabolaLength(3)},
        {"SquareWithClose", "M0,0 L10,0 L10,10 L0,10 Z", 40},
        {"JumpBetweenContoursAddsNothing", "M0,0 L10,0 M100,100 L100,103", 13},
        {"LoneMovesAndEmpty", "M5,5 M6,6", 0},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(ContourMeasureTest, Contours_HaveTheirOwnLengthAndClosedness) {
  const TContourMeasure M(*Parse("M0,0 L10,0 L10,10 Z M20,0 L23,4"));
  ASSERT_EQ(M.ContourCount(), 2u);
  EXPECT_DOUBLE_EQ(M.ContourLength(0), 20 + std::sqrt(200.0));
  EXPECT_TRUE(M.ContourClosed(0));
  EXPECT_DOUBLE_EQ(M.ContourLength(1), 5);
  EXPECT_FALSE(M.ContourClosed(1));
  EXPECT_DOUBLE_EQ(M.ContourStart(1), M.ContourLength(0));
}

struct PointCase {
  std::string Name, Path;
  double Distance;
  TPointD Point, Tangent;
};

class ContourMeasurePointTest : public testing::TestWithParam<PointCase> {};

TEST_P(ContourMeasurePointTest, PointTangentAt_Distance) {
  const PointCase& C = GetParam();
  const TPointTangent PT = TContourMeasure(*Parse(C.Path)).PointTangentAt(C.Distance);
  EXPECT_NEAR(PT.Point.X, C.Point.X, 1e-9);
  EXPECT_NEAR(PT.Point.Y, C.Point.Y, 1e-9);
  EXPECT_NEAR(PT.Tangent.X, C.Tangent.X, 1e-9);
  EXPECT_NEAR(PT.Tangent.Y, C.Tangent.Y, 1e-9);
}

const char* const kSquare = "M0,0 L10,0 L10,10 L0,10 Z";

INSTANTIATE_TEST_SUITE_P(
    Paths, ContourMeasurePointTest,
    testing::ValuesIn(std::vector<PointCase>{
        {"Start", kSquare, 0, {0, 0}, {1, 0}},
        {"JointTakesTheSegmentStartingThere", kSquare, 10, {10, 0}, {0, 1}},
        {"End_IsOnTheClosingLine", kSquare, 40, {0, 0}, {0, -1}},
        {"BeforeStart_Clamps", kSquare, -5, {0, 0}, {1, 0}},
        {"BeyondEnd_Clamps", kSquare, 1e9, {0, 0}, {0, -1}},
        {"NaN_CountsAsStart", kSquare, std::nan(""), {0, 0}, {1, 0}},
        {"ContourJoint_TakesTheNextContour", "M0,0 L10,0 M100,100 L100,103", 10, {100, 100}, {0, 1}},
        {"ZeroLengthSegmentsSkippedAtStart", "M0,0 L0,0 L0,5", 0, {0, 0}, {0, 1}},
        {"ZeroLengthSegmentsSkippedAtEnd", "M0,0 L5,0 L5,0 Z", 10, {0, 0}, {-1, 0}},
        {"NoLength_FirstPoint", "M7,8 M1,1", 3, {7, 8}, {1, 0}},
        {"Empty_Origin", "", 3, {0, 0}, {1, 0}},
    }),
    [](const auto& Info) { return Info.param.Name; });

// Half the length of a symmetric cubic is its middle, t = 1/2: the point
// (1.5, 0.75) moving along +x, and the first half by de Casteljau.
TEST(ContourMeasureTest, HalfOfSymmetricCubic_IsItsMiddle) {
  const TContourMeasure M(*Parse("M0,0 C1,1 2,1 3,0"));
  const TPointTangent PT = M.PointTangentAt(M.Length() / 2);
  EXPECT_NEAR(PT.Point.X, 1.5, 1e-12);
  EXPECT_NEAR(PT.Point.Y, 0.75, 1e-12);
  EXPECT_NEAR(PT.Tangent.X, 1, 1e-12);
  EXPECT_EQ(M.Trim(0, M.Length() / 2)->GetPathString(), "M0,0 C0.5,0.5 1,0.75 1.5,0.75 ");
}

struct TrimCase {
  std::string Name, Path;
  double From, To;
  std::string Piece;
};

class ContourMeasureTrimTest : public testing::TestWithParam<TrimCase> {};

TEST_P(ContourMeasureTrimTest, Trim_GivesThePiece) {
  const TrimCase& C = GetParam();
  EXPECT_EQ(TrimPath(*Parse(C.Path), C.From, C.To)->GetPathString(), C.Piece);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ContourMeasureTrimTest,
    testing::ValuesIn(std::vector<TrimCase>{
        {"AcrossContourBoundary", "M0,0 L10,0 M100,100 L100,110", 5, 15, "M5,0 L10,0 M100,100 L100,105 "},
        {"PartOfClosedContour_IsOpen", kSquare, 5, 35, "M5,0 L10,0 L10,10 L0,10 L0,5 "},
        {"WholeClosedContour_StaysClosed", kSquare, 0, 40, "M0,0 L10,0 L10,10 L0,10 Z "},
        {"BeyondBothEnds_Clamps", kSquare, -1, 99, "M0,0 L10,0 L10,10 L0,10 Z "},
        {"FromAfterTo_Empty", kSquare, 30, 20, ""},
        {"FromEqualsTo_Empty", kSquare, 20, 20, ""},
        {"EndingAtAJoint_NoEmptyCut", kSquare, 0, 10, "M0,0 L10,0 "},
        {"StartingAtContourJoint_LeavesTheFirstOut", "M0,0 L10,0 M20,0 L30,0", 10, 20, "M20,0 L30,0 "},
        {"LengthlessContoursLeftOut", "M0,0 L10,0 M5,5 Z M20,0 L30,0", 0, 20, "M0,0 L10,0 M20,0 L30,0 "},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(ContourMeasureTest, CubicPieces_EndOnThePointsAtTheirDistances) {
  const TContourMeasure M(*Parse("M0,0 C0,9 9,-3 9,6 C9,12 2,14 0,0"));
  const double From = 0.3 * M.Length(), To = 0.8 * M.Length();
  const auto Piece = M.Piece(From, To);
  ASSERT_EQ(Piece.size(), 1u);
  ASSERT_EQ(Piece[0].Segments.size(), 2u);
  EXPECT_TRUE(Piece[0].Segments[0].IsCurve && Piece[0].Segments[1].IsCurve);
  EXPECT_EQ(Piece[0].Start, M.PointAt(From));
  EXPECT_EQ(Piece[0].Segments.back().End(), M.PointAt(To));
  EXPECT_NEAR(TContourMeasure(Piece).Length(), To - From, 1e-9 * M.Length());
}

TEST(ContourMeasureTest, ContourPiece_MeasuresFromTheContourStart) {
  const TContourMeasure M(*Parse("M0,0 L10,0 M20,0 L20,10 L30,10"));
  const auto Piece = M.ContourPiece(1, 5, 15);
  ASSERT_EQ(Piece.size(), 1u);
  EXPECT_EQ(ContoursToPath(Piece)->GetPathString(), "M20,5 L20,10 L25,10 ");
  EXPECT_TRUE(M.ContourPiece(0, 10, 20).empty());
}

TEST(ContourMeasureTest, Cutter_PiecesEndWhereTheExactMeasurePutsThem) {
  const TContourMeasure M(*Parse("M0,0 C0,9 9,-3 9,6 L9,10 C9,12 2,14 0,0"));
  const double Accuracy = 1e-6;
  TContourCutter Cutter(M, 0, Accuracy);
  std::vector<TContourSegment> Out;
  double At = 0;
  for (double Next : {0.7, 1.4, 2.0, 5.5, 9.0, 12.3, 18.0, 40.0}) {  // 40 passes the end
    Out.clear();
    Cutter.SkipTo(At + 0.1);
    Cutter.CutTo(Next, Out);
    ASSERT_FALSE(Out.empty()) << Next;
    EXPECT_LT(Length(Out.front().Start() - M.PointAt(At + 0.1)), 2 * Accuracy) << Next;
    EXPECT_LT(Length(Out.back().End() - M.PointAt(std::min(Next, M.Length()))), 2 * Accuracy) << Next;
    if (Next > M.Length()) {
      EXPECT_EQ(Out.back().End(), M.Contours()[0].Segments.back().End());
    }
    At = Next;
  }
  Out.clear();
  Cutter.CutTo(50, Out);  // at the end already: nothing more
  EXPECT_TRUE(Out.empty());
}

// Thousands of short cuts along one long curve (a dashed route): the ends
// must not drift from where the exact measure puts them.
TEST(ContourMeasureTest, Cutter_ManyCutsOnOneCurveDoNotDrift) {
  const TContourMeasure M(*Parse("M0,0 C300,900 900,-300 1000,600"));
  const double Accuracy = 1e-6, Step = 0.37;
  TContourCutter Cutter(M, 0, Accuracy);
  std::vector<TContourSegment> Out;
  double Worst = 0;
  int Cuts = 0;
  for (double At = Step; At < M.Length(); At += Step, ++Cuts) {
    Out.clear();
    Cutter.CutTo(At, Out);
    ASSERT_EQ(Out.size(), 1u);
    Worst = std::max(Worst, Length(Out.back().End() - M.PointAt(At)));
  }
  EXPECT_GT(Cuts, 3000);
  EXPECT_LT(Worst, 10 * Accuracy);
}

TEST(ContourMeasureTest, HugeCoordinates_FiniteAnswers) {
  const TContourMeasure M(*Parse("M-3e38,-3e38 C3e38,-3e38 3e38,3e38 -3e38,3e38 Z"));
  ASSERT_TRUE(std::isfinite(M.Length()));
  EXPECT_GT(M.Length(), 1e38);
  const TPointTangent PT = M.PointTangentAt(M.Length() / 3);
  EXPECT_TRUE(std::isfinite(PT.Point.X) && std::isfinite(PT.Point.Y) && std::isfinite(PT.Tangent.X));
  EXPECT_NO_THROW(M.Trim(M.Length() / 4, M.Length() / 2));
}

// ---- Against an independent slow reference ------------------------------------

// The arc length by subdivision: halve each cubic until its chord c and its
// control polygon p agree to 1e-7 of p, and take (c + p) / 2 (Gravesen's
// estimate for cubics; at this agreement it meets the parabola's closed form
// to 1e-12, while 1e-6 leaves some icons 1e-8 off).
double ReferenceCubicLength(const TCubicBezier& C, int Depth = 0) {
  const double Chord = Length(C.P3 - C.P0), Polygon = CubicControlLength(C);
  if (Polygon - Chord <= 1e-7 * Polygon || Depth >= 40) return (Chord + Polygon) / 2;
  const auto [L, R] = SplitCubic(C, 0.5);
  return ReferenceCubicLength(L, Depth + 1) + ReferenceCubicLength(R, Depth + 1);
}

double ReferenceLength(const TZKPathData& Path) {
  double Sum = 0;
  for (const TPathContour& C : PathContours(Path))
    for (const TContourSegment& S : C.Segments)
      Sum += S.IsCurve ? ReferenceCubicLength(S.Curve) : Length(S.End() - S.Start());
  return Sum;
}

TEST(ContourMeasureReferenceTest, Reference_AgreesWithTheParabolaClosedForm) {
  EXPECT_NEAR(ReferenceLength(*Parse("M0,0 C1,0 2,3 3,9")), ParabolaLength(3), 1e-12 * ParabolaLength(3));
}

TEST(ContourMeasureReferenceTest, Ellipse_IsItsCubicsLengthNotTheCircles) {
  TZKPathData Path;
  Path.AddEllipse({0, 0, 20, 20});
  const double Length = TContourMeasure(Path).Length(), Reference = ReferenceLength(Path);
  EXPECT_NEAR(Length, Reference, 1e-9 * Reference);
  EXPECT_GT(std::fabs(Length / (20 * std::acos(-1.0)) - 1), 1e-5);
}

// Every icon: the length against the reference; the piece from 25% to 70%
// measures 45% (within the single-precision rounding of its points) and ends
// on the points at those distances.
TEST(ContourMeasureReferenceTest, IconCorpus_LengthsAndPieces) {
  const std::string File = std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt";
  std::ifstream In(File);
  if (!In) GTEST_SKIP() << "no icon corpus at " << File;
  int Icons = 0;
  for (std::string Line; std::getline(In, Line);) {
    SCOPED_TRACE("icon line " + std::to_string(++Icons));
    TZKPathData Path;
    Path.SetPathString(Line);
    const TContourMeasure M(Path);
    const double L = M.Length();
    ASSERT_NEAR(L, ReferenceLength(Path), 1e-9 * L);
    const auto Piece = M.Trim(0.25 * L, 0.7 * L);
    ASSERT_NEAR(TContourMeasure(*Piece).Length(), 0.45 * L, 1e-6 * L);
    const auto Es = Piece->Entries();
    ASSERT_FALSE(Es.empty());
    const TPointD From = M.PointAt(0.25 * L), To = M.PointAt(0.7 * L);
    EXPECT_EQ(TPointF(Es.front().Point.X, Es.front().Point.Y), TPointF(float(From.X), float(From.Y)));
    EXPECT_EQ(TPointF(Es.back().Point.X, Es.back().Point.Y), TPointF(float(To.X), float(To.Y)));
  }
  EXPECT_EQ(Icons, 2074);
}

} // namespace
} // namespace zk
