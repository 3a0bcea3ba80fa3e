// Shapes with an image from an image list, and their fallbacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/Graphics.h"
#include "canvas/RecordingCanvas.h"
#include "drawing/ImageListShape.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;

struct ImageCase {
  const char* Name;
  int Index;
  TZKShapeStyle Style, Fallback;
  bool Stretch;
  Log Expected;
  TRect Result;
};

const ImageCase kImageCases[] = {
    {"NoImage_FallbackEllipseInTheCallersColours", -1, ssImage, ssEllipse, false,
     {"Ellipse(0,0,20,10)"}, {0, 0, 20, 10}},
    {"IndexBelowMinusOne_FallbackToo", -7, ssImage, ssEllipse, false,
     {"Ellipse(0,0,20,10)"}, {0, 0, 20, 10}},
    {"IndexPastTheList_Fallback3DEllipseBevelThreeWide", 1, ss3DImage, ss3DEllipse, false,
     {"Chord(0,0,20,10,20,0,0,10)", "Chord(0,0,20,10,0,10,20,0)", "Ellipse(3,3,17,7)"},
     {3, 3, 17, 7}},
    {"FallbackImageStyle_EndsInAPlainRectangle", -1, ssImage, ss3DImage, false,
     {"Rectangle(0,0,20,10)"}, {0, 0, 20, 10}},
    {"ImageAtItsCorner", 0, ssImage, ssEllipse, false, {"Draw(0,0,4,3)"}, {0, 0, 20, 10}},
    {"Image3DStretched_FrameThenImageInside", 0, ss3DImage, ssEllipse, true,
     {"Polyline(0,9,0,0,19,0)", "Polyline(19,0,19,9,-1,9)", "StretchDraw(1,1,19,9,4,3)"},
     {1, 1, 19, 9}},
    {"OtherStyle_TheStyleForm", 0, ssDiamond, ssEllipse, false, {"Polygon(0,5,10,0,20,5,10,10)"},
     {0, 0, 20, 10}},
};

class ImageListShapeTest : public testing::TestWithParam<ImageCase> {};

TEST_P(ImageListShapeTest, Draw_MakesExactCalls) {
  const ImageCase& C = GetParam();
  TImageList List(4, 3);
  List.Add(TBitmap(4, 3));
  TRecordingCanvas Canvas;
  EXPECT_EQ(DrawShape(Canvas, {0, 0, 20, 10}, &List, C.Index, C.Style, C.Fallback, C.Stretch,
                      clWhite, clGray, 1),
            C.Result);
  EXPECT_EQ(Canvas.Log(), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImageListShapeTest, testing::ValuesIn(kImageCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ImageListShapeTest, FallbackBevel_SystemButtonColours_NoList_Fallback) {
  TRecordingCanvas Canvas;
  DrawShape(Canvas, {0, 0, 20, 10}, nullptr, 0, ssImage, ss3DEllipse, false, clWhite, clGray, 1);
  ASSERT_EQ(Canvas.Calls().size(), 3u);
  EXPECT_EQ(Canvas.Calls()[0].Brush.Color, clBtnHighlight);
  EXPECT_EQ(Canvas.Calls()[1].Brush.Color, clBtnShadow);
}

} // namespace
} // namespace zk
