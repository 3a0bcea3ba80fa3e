// Arrows, pie slices and donut slices: the exact calls they make, read from a
// recording canvas.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/ArrowsAndSlices.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;
using Opts = TArrowOptions;

struct DrawCase {
  const char* Name;
  std::function<void(TCanvas&)> Draw;
  Log Expected;
};

const DrawCase kDrawCases[] = {
    {"EndHeadClosedFilled_LineThenTriangle",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 100, 0, 10, "", Opts{aoArrowAtEnd, aoClosedHead, aoFillHead}, 1); },
     {"MoveTo(0,0)", "LineTo(100,0)", "Polygon(90,-10,100,0,90,10,90,-10)"}},
    {"WideShaft_OutlineStopsAtTheHeadNormalPointsUp",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 100, 0, 10, "", Opts{aoArrowAtEnd, aoClosedHead, aoFillHead}, 4); },
     {"Polygon(0,-2,0,2,90,2,90,-2,0,-2)", "Polygon(90,-10,100,0,90,10,90,-10)"}},
    {"WideDiagonalShaftWithoutHeads_RunsEndToEnd",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 30, 40, 10, "", Opts{}, 4); },
     {"Polyline(2,-1,-2,1,28,41,32,39,2,-1)"}},
    {"OpenHead_ThreePointStroke",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 100, 0, 10, "", Opts{aoArrowAtEnd}, 1); },
     {"MoveTo(0,0)", "LineTo(100,0)", "Polyline(90,-10,100,0,90,10)"}},
    {"StartHeadOnWideShaft_ShaftStartsOneWidthIn",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 100, 0, 10, "", Opts{aoArrowAtStart}, 4); },
     {"Polyline(4,-2,4,2,100,2,100,-2,4,-2)", "Polyline(10,-10,0,0,10,10)"}},
    {"CoincidentPoints_NothingEvenACaption",
     [](TCanvas& C) { DrawArrow(C, 5, 5, 5, 5, 10, "x", Opts{aoDrawCaption, aoArrowAtEnd}, 4); },
     {}},
    {"TwoLineCaption_FirstAtTheMiddleNextOneTextHeightLower",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 100, 50, 10, "one\r\ntwo", Opts{aoDrawCaption}, 1); },
     {"TextOut(50,25,\"one\")", "TextOut(50,36,\"two\")", "MoveTo(0,0)", "LineTo(100,50)"}},
    {"CaptionWithoutOption_NoText",
     [](TCanvas& C) { DrawArrow(C, 0, 0, 100, 50, 10, "one", Opts{}, 1); },
     {"MoveTo(0,0)", "LineTo(100,50)"}},
    {"PolylineOfFour_CaptionOnMiddleSegmentHeadsAtTheEnds",
     [](TCanvas& C) {
       const TCanvasPoints P{{0, 0}, {20, 0}, {20, 20}, {40, 20}};
       DrawArrow(C, std::span<const TPoint>(P), 5, "c", Opts{aoArrowAtStart, aoArrowAtEnd, aoDrawCaption}, 1);
     },
     {"MoveTo(0,0)", "LineTo(20,0)", "Polyline(5,-5,0,0,5,5)", "TextOut(20,10,\"c\")",
      "MoveTo(20,0)", "LineTo(20,20)", "MoveTo(20,20)", "LineTo(40,20)", "Polyline(35,15,40,20,35,25)"}},
    {"PolylineCaptionSegmentBelowMinusOne_NoCaption",
     [](TCanvas& C) {
       const TZKPoints P{{0.5f, 0}, {1.5f, 10}};
       DrawArrow(C, std::span<const TPointF>(P), 5, "c", Opts{aoDrawCaption}, 1, -2);
     },
     {"MoveTo(0,0)", "LineTo(2,10)"}},
    {"PolylineOfOnePoint_Nothing",
     [](TCanvas& C) {
       const TCanvasPoints P{{0, 0}};
       DrawArrow(C, std::span<const TPoint>(P), 5, "c", Opts{aoDrawCaption}, 1);
     },
     {}},
    {"PieQuarter_UpperRight",
     [](TCanvas& C) { DrawPieSlice(C, {0, 0, 100, 100}, 0.0, 90.0, 0); },
     {"Pie(0,0,100,100,100,50,50,0)"}},
    {"PieIntegerLiterals_OffsetAndOpacity",
     [](TCanvas& C) { DrawPieSlice(C, {0, 0, 100, 100}, 0, 90, 90, 1); },
     {"Pie(0,0,100,100,50,0,0,50)"}},
    {"PieReversedRectWithOffset_NormalisedAndTurned",
     [](TCanvas& C) { DrawPieSlice(C, {100, 100, 0, 0}, 0.0, 90.0, 90); },
     {"Pie(0,0,100,100,50,0,0,50)"}},
    {"PieHalfRadius_InTheMiddleHalf",
     [](TCanvas& C) { DrawPieSlice(C, {0, 0, 100, 100}, 0.0, 90.0, 0.5, 0); },
     {"Pie(25,25,75,75,75,50,50,25)"}},
    {"PieRadiusBeyondSingle_Nothing",
     [](TCanvas& C) { DrawPieSlice(C, {0, 0, 100, 100}, 0.0, 90.0, 1e300, 0); },
     {}},
    {"DonutOpacityZero_Nothing",
     [](TCanvas& C) { DrawDonutSlice(C, {0, 0, 200, 100}, 0, 90, 0, 0.5, 1, 0); },
     {}},
};

class ArrowsAndSlicesTest : public testing::TestWithParam<DrawCase> {};

TEST_P(ArrowsAndSlicesTest, Draw_MakesExactCalls) {
  TRecordingCanvas Canvas;
  GetParam().Draw(Canvas);
  EXPECT_EQ(Canvas.Log(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ArrowsAndSlicesTest, testing::ValuesIn(kDrawCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ArrowsAndSlicesTest, Caption_OnAClearBrushThenTheCallersBrushAgain) {
  TRecordingCanvas Canvas;
  Canvas.Brush().SetColor(clRed);
  DrawArrow(Canvas, 0, 0, 100, 50, 10, "a\r\nb", Opts{aoDrawCaption}, 1);
  ASSERT_EQ(Canvas.Calls().size(), 4u);
  EXPECT_EQ(Canvas.Calls()[0].Brush.Style, bsClear);
  EXPECT_EQ(Canvas.Calls()[1].Brush.Style, bsClear);
  EXPECT_EQ(Canvas.Brush().Data(), (TBrushData{clRed, bsSolid}));
}

class FailingTextCanvas : public TRecordingCanvas {
protected:
  void DoTextOut(int, int, std::string_view) override { throw std::runtime_error("device lost"); }
};

TEST(ArrowsAndSlicesTest, CanvasRaisesInCaption_BrushRestored) {
  FailingTextCanvas Canvas;
  Canvas.Brush().SetColor(clRed);
  EXPECT_THROW(DrawArrow(Canvas, 0, 0, 10, 0, 2, "a", Opts{aoDrawCaption}, 1), std::runtime_error);
  EXPECT_EQ(Canvas.Brush().Data(), (TBrushData{clRed, bsSolid}));
}

// A ring from 0 to 90 degrees in (0, 0, 200, 100): the outer arc runs from the
// right edge up to the top edge, a line leads in to half way, the inner arc
// runs back; filled, then outlined again.
TEST(ArrowsAndSlicesTest, Donut_OuterEdgeTouchesTheBoxInnerHalfWay) {
  TRecordingCanvas Canvas;
  DrawDonutSlice(Canvas, {0, 0, 200, 100}, 0, 90, 0, 0.5, 1, 1);
  const Log L = Canvas.Log();
  ASSERT_EQ(L.size() % 2, 0u);
  const Log Fill(L.begin(), L.begin() + L.size() / 2), Stroke(L.begin() + L.size() / 2, L.end());
  EXPECT_EQ(Fill.back(), "StrokeAndFillPath()");
  EXPECT_EQ(Stroke.back(), "StrokePath()");
  EXPECT_EQ(Log(Fill.begin(), Fill.end() - 1), Log(Stroke.begin(), Stroke.end() - 1));
  EXPECT_EQ(Fill[1], "MoveToEx(200,50)");
  const auto EndsWith = [](const std::string& S, const std::string& Tail) {
    return S.size() >= Tail.size() && S.compare(S.size() - Tail.size(), Tail.size(), Tail) == 0;
  };
  EXPECT_TRUE(EndsWith(Fill[2], ",100,0)")) << Fill[2];
  EXPECT_EQ(Fill[3], "LineTo(DC)(100,25)");
  EXPECT_TRUE(EndsWith(Fill[4], ",150,50)")) << Fill[4];
  EXPECT_EQ(Fill[5], "CloseFigure()");
}

TEST(ArrowsAndSlicesTest, DonutBeyondTheCanvasRange_RaisesBeforeAnyCall) {
  TRecordingCanvas Canvas;
  EXPECT_THROW(DrawDonutSlice(Canvas, {0, 0, 200, 100}, 0, 90, 0, 0, 1e30, 1), EOverflow);
  EXPECT_THROW(DrawDonutSlice(Canvas, {0, 0, 200, 100}, 0, 90, 0, 0, 1e300, 1), EOverflow);
  EXPECT_TRUE(Canvas.Calls().empty());
}

} // namespace
} // namespace zk
