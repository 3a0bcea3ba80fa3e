// Direction gradients: axis directions as banded gradients, diagonals as one
// triangle gradient fill with the two colours at opposite corners.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/DirectionGradient.h"

namespace zk {
namespace {

using Colors = std::vector<TColor>;

std::vector<std::string> Draw(const TRect& R, const Colors& C, TGradientDirection D, int Width = 1) {
  TRecordingCanvas Canvas;
  DirectionGradient(Canvas, R, C, D, Width, 1.0f);
  return Canvas.Log();
}

TEST(DirectionGradientTest, AxisDirections_ReverseTheColoursForUpAndLeft) {
  const Colors List{clRed, clLime, clBlue}, Reversed{clBlue, clLime, clRed};
  const TRect R{0, 0, 30, 20};
  EXPECT_EQ(Draw(R, List, gdLeft), Draw(R, Reversed, gdRight));
  EXPECT_EQ(Draw(R, List, gdUp), Draw(R, Reversed, gdDown));
  TRecordingCanvas Line;
  LineGradient(Line, R, List, 2, diVertical);
  EXPECT_EQ(Draw(R, List, gdDown, 2), Line.Log());
  EXPECT_NE(Draw(R, List, gdDown), Draw(R, List, gdRight));
}

TEST(DirectionGradientTest, Diagonals_FirstTwoColoursAtOppositeCorners) {
  // Corner order: (L,T) (R,T) (R,B) (L,B); red $FF00 in the first channel,
  // lime in the second, their midpoint $7F80 in both.
  const std::string Red = "65280,0,0,0", Lime = "0,65280,0,0", Mid = "32640,32640,0,0";
  const auto Expected = [&](const std::string& C0, const std::string& C1, const std::string& C2,
                            const std::string& C3) {
    return std::vector<std::string>{"GradientFill(4,1,2," + C0 + ",9,2," + C1 + ",9,8," + C2 +
                                    ",1,8," + C3 + ",0,1,3,1,2,3)"};
  };
  const TRect R{1, 2, 9, 8};
  const Colors Five{clRed, clLime, clBlue, clWhite, clBlack};
  EXPECT_EQ(Draw(R, Five, gdDownRight), Expected(Red, Mid, Lime, Mid));
  EXPECT_EQ(Draw(R, Five, gdDownLeft), Expected(Mid, Red, Mid, Lime));
  EXPECT_EQ(Draw(R, Five, gdUpRight), Expected(Mid, Lime, Mid, Red));
  EXPECT_EQ(Draw(R, Five, gdUpLeft), Expected(Lime, Mid, Red, Mid));
  EXPECT_EQ(Draw(R, Colors{clRed}, gdDownRight), Expected(Red, Red, Red, Red));
}

TEST(DirectionGradientTest, NothingToDraw) {
  EXPECT_TRUE(Draw({-5, 0, 0, 9}, Colors{clRed, clLime}, gdDownRight).empty());
  EXPECT_TRUE(Draw({0, -9, 5, 0}, Colors{clRed, clLime}, gdUpLeft).empty());
  EXPECT_TRUE(Draw({0, 0, 5, 9}, Colors{}, gdUpLeft).empty());
  EXPECT_TRUE(Draw({0, 0, 5, 9}, Colors{clRed}, static_cast<TGradientDirection>(8)).empty());
}

}  // namespace
}  // namespace zk
