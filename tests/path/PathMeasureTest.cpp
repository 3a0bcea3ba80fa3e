// Path length, distances and the text split into lines.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "path/PathData.h"

namespace zk {
namespace {

// Counts how often the path measures itself.
class MeasureCountingPath : public TZKPathData {
public:
  int Measurements = 0;
  TZKPathDataClass ClassType() const override { return &CreatePathOfClass<MeasureCountingPath>; }

protected:
  double CalculateDistances() override {
    ++Measurements;
    return TZKPathData::CalculateDistances();
  }
};

void Square10(TZKPathData& P) {
  P.MoveTo({0, 0});
  P.LineTo({10, 0});
  P.LineTo({10, 10});
  P.LineTo({0, 10});
  P.ClosePath();
}

struct MeasureCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  double Length;
  TZKPathData::TDistances Distances;
};

const MeasureCase kMeasureCases[] = {
    {"NoEntries", [](TZKPathData&) {}, 0, {}},
    {"ClosedSquare", Square10, 40, {{0, 10, 20, 30, 40}}},
    // The jump from (0, 0) to (100, 100) adds nothing.
    {"SquareThenOpenSubPath",
     [](TZKPathData& P) { Square10(P); P.MoveTo({100, 100}); P.LineTo({103, 104}); }, 45,
     {{0, 10, 20, 30, 40}, {40, 45}}},
    {"SingleMove_ZeroLength", [](TZKPathData& P) { P.MoveTo({5, 5}); }, 0, {{0}}},
    // A close with nothing open gives an empty polygon between the others.
    {"DoubleClose_EmptyPolygon",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.LineTo({3, 4}); P.ClosePath(); P.ClosePath(); P.MoveTo({9, 9});
       P.LineTo({9, 10}); },
     11, {{0, 5, 10}, {}, {10, 11}}},
};

class PathMeasureTest : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(PathMeasureTest, LengthAndDistances_MatchTable) {
  TZKPathData P;
  GetParam().Build(P);
  EXPECT_EQ(P.GetLength(), GetParam().Length);
  EXPECT_EQ(P.GetDistances(), GetParam().Distances);
  EXPECT_EQ(P.Distances(), GetParam().Distances);
  EXPECT_EQ(P.Polygons().size(), GetParam().Distances.size());
}

INSTANTIATE_TEST_SUITE_P(Table, PathMeasureTest, ::testing::ValuesIn(kMeasureCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathMeasureCacheTest, MeasuredOnceUntilTheNextChange) {
  MeasureCountingPath P;
  Square10(P);
  EXPECT_EQ(P.GetLength(), 40);
  EXPECT_EQ(P.GetLength(), 40);
  (void)P.GetDistances();
  EXPECT_EQ(P.Measurements, 1);
  P.Translate(5, 5);
  EXPECT_EQ(P.GetLength(), 40);
  EXPECT_EQ(P.Measurements, 2);
  P.Scale(2, 2);
  EXPECT_EQ(P.GetLength(), 80);
  EXPECT_EQ(P.Measurements, 3);
}

TEST(PathMeasureCacheTest, ZeroLengthAndEmptyPaths_MeasuredOnEveryLengthRequest) {
  MeasureCountingPath Point;
  Point.MoveTo({1, 1});
  (void)Point.GetLength();
  (void)Point.GetLength();
  (void)Point.GetDistances();
  EXPECT_EQ(Point.Measurements, 3);

  MeasureCountingPath Empty;
  (void)Empty.GetLength();
  (void)Empty.GetDistances();  // no entries: nothing to measure
  EXPECT_EQ(Empty.Measurements, 1);
}

TEST(PathMeasureCacheTest, AssignFromMeasuredPath_AnswersWithoutMeasuring) {
  MeasureCountingPath Source;
  Square10(Source);
  ASSERT_EQ(Source.GetLength(), 40);

  MeasureCountingPath Copy;
  Copy.Assign(&Source);
  EXPECT_EQ(Copy.GetLength(), 40);
  EXPECT_EQ(Copy.GetDistances(), (TZKPathData::TDistances{{0, 10, 20, 30, 40}}));
  EXPECT_EQ(Copy.Measurements, 0);

  const auto Clone = Source.Clone();
  EXPECT_EQ(Clone->GetLength(), 40);
  EXPECT_EQ(static_cast<MeasureCountingPath&>(*Clone).Measurements, 0);

  MeasureCountingPath Unmeasured;
  Square10(Unmeasured);
  MeasureCountingPath Other;
  Other.Assign(&Unmeasured);
  EXPECT_EQ(Other.GetLength(), 40);
  EXPECT_EQ(Other.Measurements, 1);
}

TEST(PathMeasureTest, StraightCurve_MeasuredAlongItsSpline) {
  TZKPathData P;
  P.MoveTo({0, 0});
  P.CurveTo({10, 0}, {20, 0}, {30, 0});
  // The spline through evenly spaced collinear points stays on the line.
  EXPECT_NEAR(P.GetLength(), 30, 1e-4);
  const auto& Distances = P.GetDistances();
  ASSERT_EQ(Distances.size(), 1u);
  for (std::size_t J = 1; J < Distances[0].size(); ++J) EXPECT_GE(Distances[0][J], Distances[0][J - 1]);
}

// ---- SplitDataByLength -------------------------------------------------------------------

struct SplitCase {
  const char* Name;
  std::function<void(TZKPathData&)> Build;
  int Len;
  const char* Expected;
};

void OpenTriangle(TZKPathData& P) {
  P.MoveTo({0, 0});
  P.LineTo({10, 0});
  P.LineTo({10, 10});
  P.ClosePath();
}

// The entries write 5, 6, 7 and 2 characters; a line ends after the entry that
// takes it past Len.
const SplitCase kSplitCases[] = {
    {"Len10_TwoLines", OpenTriangle, 10, "M0,0 L10,0 |L10,10 Z "},
    {"Len11_BreakAfterThirdEntry", OpenTriangle, 11, "M0,0 L10,0 L10,10 |Z "},
    {"Len4_DelimiterAfterEveryEntry", OpenTriangle, 4, "M0,0 |L10,0 |L10,10 |Z "},
    {"LenZero_DelimiterAfterEveryEntry", OpenTriangle, 0, "M0,0 |L10,0 |L10,10 |Z |"},
    {"LenNegative_DelimiterAfterEveryEntry", OpenTriangle, -5, "M0,0 |L10,0 |L10,10 |Z |"},
    {"LenLarge_OneLine", OpenTriangle, 1000, "M0,0 L10,0 L10,10 Z "},
    {"NoEntries_EmptyText", [](TZKPathData&) {}, 10, ""},
    {"CurveIsOneEntry",
     [](TZKPathData& P) { P.MoveTo({0, 0}); P.CurveTo({1, 2}, {3.5f, 4}, {-5, 6}); }, 5,
     "M0,0 C1,2 3.5,4 -5,6 |"},
    {"FloatDigits",
     [](TZKPathData& P) { P.MoveTo({0.1f, -0.25f}); }, 100, "M0.100000001,-0.25 "},
};

class PathSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PathSplitTest, Text_MatchesTable) {
  TZKPathData P;
  GetParam().Build(P);
  EXPECT_EQ(P.SplitDataByLength(GetParam().Len, "|"), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PathSplitTest, ::testing::ValuesIn(kSplitCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathMeasureTest, SplitDataByLength_UsesFormatAndMultiCharacterDelimiter) {
  TZKPathData P;
  OpenTriangle(P);
  P.SetFormatStr("0.00");
  EXPECT_EQ(P.SplitDataByLength(14, "\r\n"), "M0.00,0.00 L10.00,0.00 \r\nL10.00,10.00 Z \r\n");
}

} // namespace
} // namespace zk
