// Paths read as contours, and contours written back as paths.
#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "pathops/PathContours.h"
#include "pathops/ParsePath.h"

namespace zk {
namespace {

// Each contour as "start:segments[c]" with L or C per segment, "c" when closed.
std::string Shape(const std::vector<TPathContour>& Contours) {
  std::string S;
  for (const TPathContour& C : Contours) {
    S += std::to_string(int(C.Start.X)) + "," + std::to_string(int(C.Start.Y)) + ":";
    for (const TContourSegment& Seg : C.Segments) S += Seg.IsCurve ? 'C' : 'L';
    if (C.Closed) S += 'c';
    S += ' ';
  }
  return S;
}

struct ContoursCase {
  std::string Name, Path, Shape;
};

class PathContoursTest : public testing::TestWithParam<ContoursCase> {};

TEST_P(PathContoursTest, Contours_FollowMovesAndCloses) {
  const auto P = Parse(GetParam().Path);
  EXPECT_EQ(Shape(PathContours(*P)), GetParam().Shape);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathContoursTest,
    testing::ValuesIn(std::vector<ContoursCase>{
        {"ClosedTriangle", "M0,0 L10,0 L5,8 Z", "0,0:LLLc "},
        {"LoneMove_HasNoSegments", "M1,1 M5,5 L6,5", "1,1: 5,5:L "},
        {"LineWithoutMove_StartsAtOrigin", "L3,4", "0,0:L "},
        {"LineAfterClose_StartsAtFigureStart", "M2,2 L4,2 Z L9,9", "2,2:LLc 2,2:L "},
        {"MoveAndClose_ZeroLengthClosed", "M7,7 Z", "7,7:Lc "},
        {"CurveThenClose", "M0,0 C1,1 2,1 3,0 Z M5,0 L6,0", "0,0:CLc 5,0:L "},
    }),
    [](const auto& Info) { return Info.param.Name; });

TEST(ContoursToPathTest, RoundTrip_KeepsTheEntries) {
  const auto P = Parse("M0,0 L10,0 C12,2 12,8 10,10 Z M20,20 L30,20 M40,40 Z");
  const auto Q = ContoursToPath(PathContours(*P));
  EXPECT_EQ(Q->GetPathString(), P->GetPathString());
}

TEST(ContoursToPathTest, PointBeyondFloatRange_Raises) {
  TPathContour C{{0, 0}, {TContourSegment::Line({0, 0}, {2.0 * FLT_MAX, 0})}, false};
  EXPECT_THROW(ContoursToPath(std::span(&C, 1)), EOverflow);
}

} // namespace
} // namespace zk
