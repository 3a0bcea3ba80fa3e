// Shapes and 3D bevels: the exact calls they make, read from a recording
// canvas, and the canvas state they leave.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/Graphics.h"
#include "canvas/RecordingCanvas.h"
#include "drawing/Shapes.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;
constexpr TColor Light = ShapeBevelLight, Dark = ShapeBevelDark;
constexpr TColor Hi = clWhite, Sh = clGray;

struct ShapeCase {
  const char* Name;
  std::function<TRect(TCanvas&)> Draw;
  Log Expected;
  TRect Result;
};

const ShapeCase kShapeCases[] = {
    {"TypeRect3D_TwoRingsThenFaceFilledWithoutOutline",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 20, 10}, sRect, soUp, true, 2); },
     {"Polyline(0,9,0,0,19,0)", "Polyline(19,0,19,9,-1,9)", "Polyline(1,8,1,1,18,1)",
      "Polyline(18,1,18,8,0,8)", "FillRect(2,2,18,8)"},
     {2, 2, 18, 8}},
    {"TypeCircle3D_TwoChordHalvesThenShrunkEllipse",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 20, 20}, sCircle, soUp, true, 3); },
     {"Chord(0,0,20,20,20,0,0,20)", "Chord(0,0,20,20,0,20,20,0)", "Ellipse(3,3,17,17)"},
     {3, 3, 17, 17}},
    {"TypeIsoscelesLeft3D_FacetsThroughCentreThenInsetFace",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 10, 10}, sIsoscelesTriangle, soLeft, true, 1); },
     {"Polygon(0,5,10,0,5,5)", "Polygon(10,0,10,10,5,5)", "Polygon(10,10,0,5,5,5)",
      "Polygon(1,5,9,1,9,9)"},
     {1, 1, 9, 9}},
    {"TypeIsoscelesDownFlat_ApexAtBottomCentre",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 10, 10}, sIsoscelesTriangle, soDown, false, 1); },
     {"Polygon(5,10,0,0,10,0)"},
     {0, 0, 10, 10}},
    {"TypeRightTriangle3D_OnlyInset",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 10, 10}, sRightTriangle, soUp, true, 2); },
     {"Polygon(8,2,2,8,8,8)"},
     {2, 2, 8, 8}},
    {"StyleReversedRect_DrawsAndReturnsNormalised",
     [](TCanvas& C) { return DrawShape(C, {20, 10, 0, 0}, nullptr, ssRectangle, false, Hi, Sh, 2); },
     {"Rectangle(0,0,20,10)"},
     {0, 0, 20, 10}},
    {"StyleSquare_CentredInWideBox",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 100, 40}, nullptr, ssSquare, false, Hi, Sh, 2); },
     {"Rectangle(30,0,70,40)"},
     {30, 0, 70, 40}},
    {"StyleRoundRect_CornersAQuarterOfTheShorterSide",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 100, 40}, nullptr, ssRoundRect, false, Hi, Sh, 2); },
     {"RoundRect(0,0,100,40,10,10)"},
     {0, 0, 100, 40}},
    {"Style3DImage_DrawsNothing",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 10, 10}, nullptr, ss3DImage, true, Hi, Sh, 2); },
     {},
     {0, 0, 10, 10}},
    {"StyleImageWithoutBitmap_DrawsNothing",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 10, 10}, nullptr, ssImage, true, Hi, Sh, 2); },
     {},
     {0, 0, 10, 10}},
    {"Style3DEllipse_RingThenEllipse",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 30, 20}, nullptr, ss3DEllipse, false, Hi, Sh, 3); },
     {"Chord(0,0,30,20,30,0,0,20)", "Chord(0,0,30,20,0,20,30,0)", "Ellipse(3,3,27,17)"},
     {3, 3, 27, 17}},
    {"Style3DSquare_RingOnTheCentredSquare",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 100, 40}, nullptr, ss3DSquare, false, Hi, Sh, 1); },
     {"Polyline(30,39,30,0,69,0)", "Polyline(69,0,69,39,29,39)", "Rectangle(31,1,69,39)"},
     {31, 1, 69, 39}},
    {"Style3DDiamond_HalvesThenFaceInsetAlongTheAxes",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 20, 20}, nullptr, ss3DDiamond, false, Hi, Sh, 2); },
     {"Polygon(0,10,10,0,10,20)", "Polygon(20,10,10,0,10,20)", "Polygon(2,10,10,2,18,10,10,18)"},
     {0, 0, 20, 20}},
    // In-centre of (0,20), (10,0), (20,20) is (10, 13.82); each vertex moves
    // 2 pixels toward it, every step rounded.
    {"Style3DUpTriangle_ShadowFacetsMeetAtTheInCentre",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 20, 20}, nullptr, ss3DUpTriangle, false, Hi, Sh, 2); },
     {"Polygon(0,20,10,0,20,20)", "Polygon(10,0,10,14,20,20)", "Polygon(0,20,10,14,20,20)",
      "Polygon(2,19,10,2,18,19)"},
     {0, 0, 20, 20}},
    {"Style3DLeftTriangleInEmptyBox_NoInCentreNothingMoves",
     [](TCanvas& C) { return DrawShape(C, {5, 5, 5, 5}, nullptr, ss3DLeftTriangle, false, Hi, Sh, 2); },
     {"Polygon(5,5,5,5,5,5)", "Polygon(5,5,5,5,5,5)", "Polygon(5,5,5,5,5,5)"},
     {5, 5, 5, 5}},
    {"Style3DRoundRect_ShadedCornersAndStripsInsideTheBox",
     [](TCanvas& C) { return DrawShape(C, {0, 0, 100, 40}, nullptr, ss3DRoundRect, false, Hi, Sh, 2); },
     {"RoundRect(0,0,100,40,10,10)", "Chord(90,0,100,10,90,10,100,0)", "Chord(0,30,10,40,0,40,10,30)",
      "Ellipse(90,30,100,40)", "FillRect(98,10,100,30)", "FillRect(10,38,90,40)",
      "RoundRect(2,2,98,38,10,10)"},
     {2, 2, 98, 38}},
    {"SquareFrameZeroOrNegativeBevel_NoRingRectUnchanged",
     [](TCanvas& C) {
       TRect R{0, 0, 10, 10};
       Frame3DExt(C, R, Hi, Sh, 0);
       Frame3DExt(C, R, Hi, Sh, -3);
       return R;
     },
     {},
     {0, 0, 10, 10}},
    {"SquareFrameWiderThanBox_RingsStopInsideButRectShrinksFully",
     [](TCanvas& C) {
       TRect R{0, 0, 4, 3};
       Frame3DExt(C, R, Hi, Sh, 5);
       return R;
     },
     {"Polyline(0,2,0,0,3,0)", "Polyline(3,0,3,2,-1,2)", "Polyline(1,1,1,1,2,1)",
      "Polyline(2,1,2,1,0,1)"},
     {5, 5, -1, -2}},
    {"RoundedFrameNegativeBevel_GrowsRect",
     [](TCanvas& C) {
       TRect R{10, 10, 20, 20};
       Frame3DExt(C, R, Hi, Sh, -2, true, 0, 0);
       return R;
     },
     {"RoundRect(10,10,20,20,0,0)", "Chord(20,10,20,10,20,10,20,10)",
      "Chord(10,20,10,20,10,20,10,20)", "Ellipse(20,20,20,20)"},
     {8, 8, 22, 22}},
};

class ShapesTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(ShapesTest, Draw_MakesExactCallsAndReturnsTheInnerRect) {
  const ShapeCase& C = GetParam();
  TRecordingCanvas Canvas;
  const TRect Result = C.Draw(Canvas);
  EXPECT_EQ(Canvas.Log(), C.Expected);
  EXPECT_EQ(Result, C.Result);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShapesTest, testing::ValuesIn(kShapeCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Which bevel colour lands where, per orientation: the circle's two chord
// brushes and the square frame's two pen colours.
TEST(ShapesTest, TypeForm_BevelColoursFollowTheOrientation) {
  struct Row {
    TZKShapeOrientation O;
    TColor CircleUpperLeft, CircleLowerRight, FrameTopLeft, FrameBottomRight;
  };
  for (const Row& R : {Row{soUp, Light, Dark, Light, Dark}, Row{soDown, Dark, Light, Dark, Light},
                       Row{soLeft, Light, Dark, Dark, Light}, Row{soRight, Dark, Light, Light, Dark}}) {
    TRecordingCanvas Canvas;
    DrawShape(Canvas, {0, 0, 10, 10}, sCircle, R.O, true, 1);
    DrawShape(Canvas, {0, 0, 10, 10}, sRect, R.O, true, 1);
    const auto& Calls = Canvas.Calls();
    ASSERT_EQ(Calls.size(), 6u);
    EXPECT_EQ(Calls[0].Brush.Color, R.CircleUpperLeft) << int(R.O);
    EXPECT_EQ(Calls[1].Brush.Color, R.CircleLowerRight) << int(R.O);
    EXPECT_EQ(Calls[3].Pen.Color, R.FrameTopLeft) << int(R.O);
    EXPECT_EQ(Calls[4].Pen.Color, R.FrameBottomRight) << int(R.O);
  }
}

TEST(ShapesTest, CanvasState_RestoredOrLeftAsDocumented) {
  TRecordingCanvas Canvas;
  Canvas.Pen().SetData({clRed, psDash, 3});
  Canvas.Brush().SetData({clBlue, bsClear});
  const TPenData Pen = Canvas.Pen().Data();
  const TBrushData Brush = Canvas.Brush().Data();

  for (const TZKShapeType Type : {sCircle, sIsoscelesTriangle, sRightTriangle}) {
    DrawShape(Canvas, {0, 0, 10, 10}, Type, soUp, true, 2);
    EXPECT_EQ(Canvas.Pen().Data(), Pen) << int(Type);
    EXPECT_EQ(Canvas.Brush().Data(), Brush) << int(Type);
  }
  // The face is drawn with the caller's clear brush, not a solid bevel colour.
  EXPECT_EQ(Canvas.Calls().back().Brush, Brush);

  DrawShape(Canvas, {0, 0, 10, 10}, nullptr, ss3DDiamond, false, Hi, Sh, 2);
  EXPECT_EQ(Canvas.Pen().Style(), psClear);
  EXPECT_EQ(Canvas.Brush().Data(), Brush);

  Canvas.Pen().SetData(Pen);
  TRect R{0, 0, 10, 10};
  Frame3DExt(Canvas, R, Hi, Sh, 2);
  EXPECT_EQ(Canvas.Pen().Data(), (TPenData{Sh, psDash, 1}));
  Frame3DEllipse(Canvas, R, Hi, Sh, 2);
  EXPECT_EQ(Canvas.Pen().Style(), psClear);
  EXPECT_EQ(Canvas.Brush().Data(), Brush);
}

// A canvas whose chords fail, as a device that has gone away would.
class FailingChordCanvas : public TRecordingCanvas {
protected:
  void DoChord(const TRect&, const TPoint&, const TPoint&) override {
    throw std::runtime_error("device lost");
  }
};

TEST(ShapesTest, CanvasRaises_BrushAndPenStyleStillRestored) {
  FailingChordCanvas Canvas;
  Canvas.Brush().SetData({clBlue, bsClear});
  TRect R{0, 0, 10, 10};
  EXPECT_THROW(Frame3DEllipse(Canvas, R, Hi, Sh, 2), std::runtime_error);
  EXPECT_EQ(Canvas.Brush().Data(), (TBrushData{clBlue, bsClear}));
  Canvas.Pen().SetStyle(psDot);
  EXPECT_THROW(DrawShape(Canvas, R, sCircle, soUp, true, 2), std::runtime_error);
  EXPECT_EQ(Canvas.Brush().Data(), (TBrushData{clBlue, bsClear}));
  EXPECT_EQ(Canvas.Pen().Style(), psDot);
}

TEST(ShapesTest, ImageStyle_DrawsOrStretchesTheBitmap) {
  TBitmap Bitmap(4, 3);
  TRecordingCanvas Canvas;
  DrawShape(Canvas, {10, 20, 0, 0}, &Bitmap, ssImage, true, Hi, Sh, 2);
  DrawShape(Canvas, {10, 20, 0, 0}, &Bitmap, ssImage, false, Hi, Sh, 2);
  EXPECT_EQ(Canvas.Log(), (Log{"StretchDraw(0,0,10,20,4,3)", "Draw(0,0,4,3)"}));
}

TEST(ShapesTest, ShapeStyles3D_StoredAsItsFourBytes) {
  EXPECT_EQ(ShapeStyles3D.Bits(), 0x00FFB000u);
  EXPECT_TRUE(ShapeStyles3D.Contains(ss3DRoundRect));
  EXPECT_FALSE(ShapeStyles3D.Contains(ss3DImage));
}

TEST(ShapesTest, CopyCanvasState_CopiesBrushPenAndFont) {
  TRecordingCanvas Source, Target;
  Source.Brush().SetData({clRed, bsCross});
  Source.Pen().SetData({clGreen, psDot, 4});
  Source.Font().SetName("Courier");
  CopyCanvasState(Target, Source);
  EXPECT_EQ(Target.Brush().Data(), Source.Brush().Data());
  EXPECT_EQ(Target.Pen().Data(), Source.Pen().Data());
  EXPECT_EQ(Target.Font().Data(), Source.Font().Data());
}

} // namespace
} // namespace zk
