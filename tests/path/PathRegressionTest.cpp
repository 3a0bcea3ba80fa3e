// Hostile paths: huge curves, tiny extents, modifications inside an update
// bracket. Each row is the smallest input that once went wrong, with the
// answer it must give.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "geometry/Tolerances.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

// N cubics, each 6e6 units long: flattening one at the finest flatness
// would take a million pieces, sampling its spline three million points.
std::string HugeCurves(int N) {
  std::string Text = "M0,0";
  for (int I = 0; I < N; ++I) Text += " c2e6,0 4e6,0 6e6,0";
  return Text;
}

bool AllFinite(const TZKPathData& P) {
  for (const TZKPathPoint& E : P.Entries())
    if (!std::isfinite(float(E.Point.X)) || !std::isfinite(float(E.Point.Y))) return false;
  return true;
}

struct RegressionCase {
  const char* Name;
  const char* Path;
  std::function<void(TZKPathData&)> Act;  // what once went wrong
  std::function<void(TZKPathData&)> Check;
};

const RegressionCase kCases[] = {
    // The fill test and the length once kept every spline sample (44 MB a
    // curve); they stream them now, with the same answers.
    {"HugeCurves_FillTestAndLengthStream", nullptr,
     [](TZKPathData& P) { P.SetPathString(HugeCurves(2)); },
     [](TZKPathData& P) {
       EXPECT_FALSE(P.PointInPath(3e6f, 1));
       EXPECT_NEAR(P.GetLength(), 2 * 6e6, 2 * 6e6 * 1e-6);
     }},
    // Flattening was bounded per curve only: 20 curves gave 20 million lines.
    {"HugeCurves_FlattenBoundedPerPathAndWhole", nullptr,
     [](TZKPathData& P) {
       P.SetPathString(HugeCurves(20));
       P.Flatten(0);
     },
     [](TZKPathData& P) {
       EXPECT_LE(std::size_t(P.Count()), MaxFlattenedEntries);
       EXPECT_GT(std::size_t(P.Count()), MaxFlattenedEntries * 99 / 100);
       // Whole, not cut short: the end up to the Single accumulation of t.
       EXPECT_NEAR(P.LastPoint().X, 1.2e8f, 1.2e8f * 1e-5);
     }},
    {"HugeCurves_OutlineBounded", nullptr,
     [](TZKPathData& P) {
       TZKPathData Source;
       Source.SetPathString(HugeCurves(20));
       P.AddPathOutline(Source, 1);
     },
     [](TZKPathData& P) { EXPECT_LE(std::size_t(P.Count()), MaxFlattenedEntries); }},
    // The scale 100 / 1e-38 overflowed a Single and times 0 made NaN.
    {"TinyExtent_FitsWithoutNaN", "M0,0 L1e-38,1",
     [](TZKPathData& P) { P.FitToRect({0, 0, 100, 100}); },
     [](TZKPathData& P) {
       EXPECT_EQ(P.GetPathString(), "M0,0 L100,100 ");
       EXPECT_FALSE(P.IsEmpty());
     }},
    {"DenormalExtent_FitsWithoutNaN", "M0,0 L1e-40,1e-40",
     [](TZKPathData& P) { P.FitToRect({4, 4, 251, 251}); },
     [](TZKPathData& P) { EXPECT_EQ(P.GetPathString(), "M4,4 L251,251 "); }},
    // Transforms that would overflow raise and leave the path as it was.
    {"ScaleBeyondSingle_RaisesUnchanged", "M0,0 L1e30,1",
     [](TZKPathData& P) { EXPECT_THROW(P.Scale(1e10f, 1), EOverflow); },
     [](TZKPathData& P) { EXPECT_EQ(P.LastPoint(), (TPointF{1e30f, 1})); }},
    {"FitIntoInfiniteRect_RaisesUnchanged", "M0,0 L1,1",
     [](TZKPathData& P) { EXPECT_THROW(P.FitToRect({0, 0, INFINITY, 1}), EInvalidOp); },
     [](TZKPathData& P) { EXPECT_EQ(P.GetPathString(), "M0,0 L1,1 "); }},
    // Caches once stayed as they were until the bracket closed: the fit then
    // used the old bounds and came out 100 times too big.
    {"CachesInsideBracket_DroppedAtOnce", nullptr,
     [](TZKPathData& P) {
       P.BeginUpdate();
       P.SetPathString("M0,0 L10,10");
       (void)P.GetBounds();
       (void)P.GetLength();
       P.SetPathString("M0,0 L1000,1000");
       EXPECT_EQ(P.GetBounds().Right, 1000);
       EXPECT_NEAR(P.GetLength(), 1000 * std::sqrt(2.0), 1e-3);
       P.FitToRect({0, 0, 100, 100});
       P.EndUpdate();
     },
     [](TZKPathData& P) { EXPECT_EQ(P.GetPathString(), "M0,0 L100,100 "); }},
};

class PathRegressionTest : public ::testing::TestWithParam<RegressionCase> {};

TEST_P(PathRegressionTest, AnswersAsExpected) {
  TZKPathData P;
  if (GetParam().Path != nullptr) P.SetPathString(GetParam().Path);
  GetParam().Act(P);
  GetParam().Check(P);
  EXPECT_TRUE(AllFinite(P));
}

INSTANTIATE_TEST_SUITE_P(Table, PathRegressionTest, ::testing::ValuesIn(kCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
} // namespace zk
