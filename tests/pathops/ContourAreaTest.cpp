// Signed areas and directions of contours, and paths traced backwards.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pathops/ContourArea.h"
#include "pathops/ContourMeasure.h"
#include "pathops/PathReverse.h"
#include "pathops/ParsePath.h"

namespace zk {
namespace {

struct AreaCase {
  std::string Name, Path;
  double Area;
  TContourDirection Direction;
};

class ContourAreaTest : public testing::TestWithParam<AreaCase> {};

TEST_P(ContourAreaTest, FirstContour_AreaAndDirection) {
  const auto Contours = PathContours(*Parse(GetParam().Path));
  ASSERT_FALSE(Contours.empty());
  EXPECT_NEAR(ContourArea(Contours[0]), GetParam().Area, 1e-9);
  EXPECT_EQ(ContourDirection(Contours[0]), GetParam().Direction);
}

INSTANTIATE_TEST_SUITE_P(
    Contours, ContourAreaTest,
    testing::ValuesIn(std::vector<AreaCase>{
        {"SquareClockwiseOnScreen", "M0,0 L10,0 L10,10 L0,10 Z", 100, TContourDirection::Clockwise},
        {"SquareCounterClockwise", "M0,0 L0,10 L10,10 L10,0 Z", -100, TContourDirection::CounterClockwise},
        {"OpenTriangle_ClosedImplicitly", "M0,0 L10,0 L10,10", 50, TContourDirection::Clockwise},
        // The bulge y = -30 t (1 - t), x = 30 t^2 - 20 t^3: the integral of
        // -y dx is 1800 / 30; up, right, down and back left: clockwise on screen.
        {"CubicBulge", "M0,0 C0,-10 10,-10 10,0 Z", 60, TContourDirection::Clockwise},
        {"FigureEightCancels", "M0,0 L10,10 L10,0 L0,10 Z", 0, TContourDirection::None},
        {"FarFromTheOrigin", "M1000000,1000000 L1000010,1000000 L1000010,1000010 Z", 50,
         TContourDirection::Clockwise},
        {"LoneMove", "M3,3", 0, TContourDirection::None},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(ContourAreaTest, Ellipse_IsClockwiseWithNearlyItsArea) {
  TZKPathData Path;
  Path.AddEllipse({0, 0, 20, 20});
  const std::vector<double> Areas = ContourAreas(Path);
  ASSERT_EQ(Areas.size(), 1u);
  EXPECT_NEAR(Areas[0], std::acos(-1.0) * 100, 0.1);  // the four cubics bulge about 3e-4 past the circle
  EXPECT_GT(Areas[0], std::acos(-1.0) * 100);
}

struct ReverseCase {
  std::string Name, Path, Reversed;
};

class PathReverseTest : public testing::TestWithParam<ReverseCase> {};

TEST_P(PathReverseTest, Reverse_TracesBackwards_AndTwiceGivesThePath) {
  const auto P = Parse(GetParam().Path);
  const auto R = ReversePath(*P);
  EXPECT_EQ(R->GetPathString(), GetParam().Reversed);
  EXPECT_EQ(ReversePath(*R)->GetPathString(), ContoursToPath(PathContours(*P))->GetPathString());
  EXPECT_NEAR(ExactPathLength(*R), ExactPathLength(*P), 1e-12 * ExactPathLength(*P));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathReverseTest,
    testing::ValuesIn(std::vector<ReverseCase>{
        {"CurvesAndCloses", "M0,0 L10,0 C12,2 12,8 10,10 Z M20,20 L30,20 C31,21 32,22 33,20",
         "M0,0 L10,10 C12,8 12,2 10,0 Z M33,20 C32,22 31,21 30,20 L20,20 "},
        {"ClosedEndingOnItsStart", "M0,0 C5,-5 10,0 10,0 C10,5 5,10 0,0 Z",
         "M0,0 C5,10 10,5 10,0 C10,0 5,-5 0,0 Z "},
        {"LoneMoveAndZeroLengthClose", "M1,1 M7,7 Z", "M1,1 M7,7 Z "},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(PathReverseTest, Reverse_FlipsTheAreaSign) {
  const auto P = Parse("M0,0 C0,-10 10,-10 10,0 L10,5 Z");
  const auto A = PathContours(*P), B = PathContours(*ReversePath(*P));
  EXPECT_NEAR(ContourArea(B[0]), -ContourArea(A[0]), 1e-12);
}

} // namespace
} // namespace zk
