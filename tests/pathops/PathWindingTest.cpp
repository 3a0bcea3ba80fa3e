// The exact fill test of whole paths: winding numbers on the true curves.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "pathops/PathWinding.h"

namespace zk {
namespace {

// A bulge over the x axis: y = -30 t (1 - t), apex (5, -7.5); the line
// y = -4 meets it at x = 0.673509676594837 (and 10 minus that).
const char* const kBulge = "M0,0 C0,-10 10,-10 10,0 Z";

//   0    5   10   15
// 0 +----+----+          A: clockwise (on screen), 0..10
//   | A  |    |          B: clockwise, 5..15, overlaps A in 5..10
// 5 +----#####+----+     C: counter-clockwise, 5..15, overlaps A in 5..10
//   |    # AB #    |
//10 +----#####+    |
//        | B       |
//15      +---------+
const char* const kSameWay = "M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z";
const char* const kOpposite = "M0,0 L10,0 L10,10 L0,10 Z M5,5 L5,15 L15,15 L15,5 Z";

struct Case {
  std::string Name, Path;
  TPointD Point;
  int Winding;
  bool NonZero, EvenOdd;
};

class PathWindingTest : public testing::TestWithParam<Case> {};

TEST_P(PathWindingTest, Winding_AndBothRules) {
  const Case& C = GetParam();
  TZKPathData Path;
  Path.SetPathString(C.Path);
  EXPECT_EQ(WindingNumber(Path, C.Point), C.Winding);
  EXPECT_EQ(PathContains(Path, C.Point, fmNonZero), C.NonZero);
  EXPECT_EQ(PathContains(Path, C.Point, fmEvenOdd), C.EvenOdd);
}

INSTANTIATE_TEST_SUITE_P(
    Points, PathWindingTest,
    testing::ValuesIn(std::vector<Case>{
        {"BulgeJustBelowApex_Inside", kBulge, {5, -7.4999}, 1, true, true},
        {"BulgeJustAboveApex_Outside", kBulge, {5, -7.5001}, 0, false, false},
        {"BulgeJustInsideItsFlank", kBulge, {0.6736, -4}, 1, true, true},
        {"BulgeJustOutsideItsFlank", kBulge, {0.6734, -4}, 0, false, false},
        {"BulgeRightFlankInside", kBulge, {9.3264, -4}, 1, true, true},
        {"BulgeRightFlankOutside", kBulge, {9.3266, -4}, 0, false, false},
        {"OpenContourClosedByItsImplicitLine", "M0,0 L10,0 L10,10", {8, 2}, 1, true, true},
        {"OpenContourOutsideItsImplicitLine", "M0,0 L10,0 L10,10", {2, 8}, 0, false, false},
        {"SameWayOverlap_WindsTwice", kSameWay, {7, 7}, 2, true, false},
        {"SameWayOnlyA", kSameWay, {2, 2}, 1, true, true},
        {"OppositeOverlap_Cancels", kOpposite, {7, 7}, 0, false, false},
        {"OppositeOnlyB_CountsMinusOne", kOpposite, {12, 12}, -1, true, true},
        {"OutsideEverything", kOpposite, {20, 7}, 0, false, false},
        // The ray through a vertex and along a horizontal edge counts once.
        {"RayThroughVertex", "M0,0 L10,5 L0,10 Z", {2, 5}, 1, true, true},
        {"RayAlongHorizontalEdge", "M0,0 L10,0 L10,5 L20,5 L20,10 L0,10 Z", {2, 5}, 1, true, true},
        // The ray tangent to a curve's extreme point, then crossing a loop.
        {"RayTangentToCurveTop", "M0,10 C0,0 10,0 10,10 Z M-5,7.5 L20,7.5 L20,30 Z", {-20, 7.5}, 0, false,
         false},
        // A cubic that crosses itself: its loop and the part below the
        // crossing wind opposite ways.
        {"SelfCrossingCubic_Loop", "M0,0 C20,20 -10,20 10,0 Z", {5, 9}, 1, true, true},
        {"SelfCrossingCubic_BelowTheCrossing", "M0,0 C20,20 -10,20 10,0 Z", {5, 3}, -1, true, true},
        {"EmptyPath", "", {0, 0}, 0, false, false},
    }),
    [](const auto& Info) { return Info.param.Name; });

// The path form reads the entries without building contours; it must walk
// them exactly as `PathContours` does.
TEST(PathWindingCorpusTest, PathForm_AgreesWithTheContours) {
  const std::string File = std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt";
  std::ifstream In(File);
  if (!In) GTEST_SKIP() << "no icon corpus at " << File;
  TZKPathData Odd;  // lines after closes, a line without a move, a lone move
  Odd.SetPathString("L4,4 L0,4 Z L8,8 L8,0 M3,3 M1,1 L2,1 Z Z");
  std::vector<std::string> Lines;
  for (std::string Line; std::getline(In, Line);) Lines.push_back(Line);
  for (std::size_t I = 0; I <= Lines.size(); ++I) {
    TZKPathData Path;
    if (I < Lines.size()) Path.SetPathString(Lines[I]);
    const TZKPathData& Tested = I < Lines.size() ? Path : Odd;
    const auto Contours = PathContours(Tested);
    for (double Y = 0.291; Y < 16; Y += 1.5)
      for (double X = 0.137; X < 16; X += 1.5)
        ASSERT_EQ(WindingNumber(Tested, {X, Y}), WindingNumber(Contours, {X, Y})) << "icon line " << I + 1;
  }
}

} // namespace
} // namespace zk
