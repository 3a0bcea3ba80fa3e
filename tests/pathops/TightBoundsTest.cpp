// The tight box of the true outline.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pathops/TightBounds.h"

namespace zk {
namespace {

struct Case {
  std::string Name, Path;
  TBoundsD Box;
};

class TightBoundsTest : public testing::TestWithParam<Case> {};

TEST_P(TightBoundsTest, Box_HoldsTheCurvesOnly) {
  TZKPathData Path;
  Path.SetPathString(GetParam().Path);
  const TBoundsD B = TightBounds(Path), E = GetParam().Box;
  EXPECT_NEAR(B.Left, E.Left, 1e-12);
  EXPECT_NEAR(B.Top, E.Top, 1e-12);
  EXPECT_NEAR(B.Right, E.Right, 1e-12);
  EXPECT_NEAR(B.Bottom, E.Bottom, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TightBoundsTest,
    testing::ValuesIn(std::vector<Case>{
        // Controls at y = -40 while the curve reaches y = -30 (3/4 of it).
        {"ControlsFarOutside", "M0,0 C0,-40 10,-40 10,0", {0, -30, 10, 0}},
        // x' = 0 at t = (1 -+ 1/sqrt 2) / 2, where x = 5 -+ 5 sqrt 2; y peaks at 7.5.
        {"ExtremaOnBothAxes", "M0,0 C-10,10 20,10 10,0", {5 - 5 * std::sqrt(2.0), 0, 5 + 5 * std::sqrt(2.0), 7.5}},
        {"LoneMovesCount", "M-3,4 M5,-6 L1,1", {-3, -6, 5, 4}},
        {"LineWithoutMoveStartsAtOrigin", "L3,4", {0, 0, 3, 4}},
        {"Empty", "", {0, 0, 0, 0}},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(TightBoundsTest, Ellipse_IsItsRectangle) {
  TZKPathData Path;
  Path.AddEllipse({2, 3, 12, 9});
  const TBoundsD B = TightBounds(Path);
  EXPECT_NEAR(B.Left, 2, 1e-6);
  EXPECT_NEAR(B.Top, 3, 1e-6);
  EXPECT_NEAR(B.Right, 12, 1e-6);
  EXPECT_NEAR(B.Bottom, 9, 1e-6);
}

} // namespace
} // namespace zk
