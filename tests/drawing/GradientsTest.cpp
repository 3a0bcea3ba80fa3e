// Gradient fills: the bands each routine draws, their colours, and the pen
// and brush left behind, read from a recording canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/Gradients.h"

namespace zk {
namespace {

using Colors = std::vector<TColor>;

// The brush colour (fills) or pen colour (outlines) of each call of one kind.
std::vector<TColor> BandColors(const TRecordingCanvas& C, TCanvasOp Op) {
  std::vector<TColor> Result;
  for (const TCanvasCall& Call : C.Calls())
    if (Call.Op == Op) Result.push_back(Op == TCanvasOp::Rectangle ? Call.Pen.Color : Call.Brush.Color);
  return Result;
}

TEST(LineGradientTest, RedToBlue_OneBandPerPixelAndTheLastRepeated) {
  TRecordingCanvas C;
  C.Brush().SetColor(clYellow);
  LineGradient(C, {0, 0, 100, 10}, Colors{clRed, clBlue}, 1, diHorizontal);
  const auto Bands = BandColors(C, TCanvasOp::FillRect);
  ASSERT_EQ(Bands.size(), 101u);
  EXPECT_EQ(Bands[0], clRed);
  EXPECT_EQ(Bands[1], 0x0300FC);   // 2.55 and 252.45 of the way
  EXPECT_EQ(Bands[99], 0xFC0003);
  EXPECT_EQ(Bands[100], Bands[99]);  // at the boundary the pair became blue, blue
  EXPECT_EQ(C.Calls()[100].ToString(), "FillRect(100,0,101,10)");
  EXPECT_EQ(C.Brush().Color(), clYellow);
}

TEST(LineGradientTest, ThreeColours_StepOfTheBoundaryBandBelongsToTheNextPair) {
  TRecordingCanvas C;
  LineGradient(C, {0, 0, 10, 100}, Colors{clBlack, clWhite, clBlack}, 1, diVertical);
  const auto Bands = BandColors(C, TCanvasOp::FillRect);
  ASSERT_EQ(Bands.size(), 101u);
  EXPECT_EQ(Bands[49], 0xFAFAFA);  // 49 * 5.1 = 249.9
  EXPECT_EQ(Bands[50], 0xF5F5F5);  // 249.9 - 5.1: already walking back toward black
  EXPECT_EQ(C.Calls()[50].ToString(), "FillRect(0,50,10,51)");
}

TEST(GradientsTest, DegenerateInput_DrawsNothingOrAsStated) {
  const Colors Two{clRed, clBlue};
  const struct {
    const char* Name;
    std::function<void(TCanvas&)> Draw;
    std::size_t Calls;
  } Cases[] = {
      {"LineNoColours", [](TCanvas& C) { LineGradient(C, {0, 0, 9, 9}, {}, 1, diVertical); }, 0},
      {"LineNoWidth", [&](TCanvas& C) { LineGradient(C, {5, 0, 5, 9}, Two, 1, diVertical); }, 0},
      {"LineReversedRect", [&](TCanvas& C) { LineGradient(C, {9, 9, 0, 0}, Two, 3, diVertical); }, 4},
      {"EllipseRightIsZero", [&](TCanvas& C) { EllipseGradient(C, {-50, 0, 0, 50}, Two, 1); }, 0},
      {"RectBottomIsZero", [&](TCanvas& C) { RectGradient(C, {0, -50, 50, 0}, Two, 1); }, 0},
      {"RectUnderTwoPixels", [&](TCanvas& C) { RectGradient(C, {0, 0, 1, 50}, Two, 1); }, 0},
      {"FocalOnLeftEdge", [&](TCanvas& C) { EllipseGradient(C, {0, 0, 50, 50}, 0, 0.5f, Two, 1); }, 0},
      {"FocalZeroHeight", [&](TCanvas& C) { EllipseGradient(C, {0, 5, 50, 5}, 0.5f, 0.5f, Two, 1); }, 0},
      {"FocalNaNFocus",
       [&](TCanvas& C) { EllipseGradient(C, {0, 0, 50, 50}, 0.5f, std::nanf(""), Two, 1); }, 0},
      // Right to left: the sides move away from the focus; the band bound ends it.
      {"FocalRightToLeft", [&](TCanvas& C) { EllipseGradient(C, {60, 60, 10, 10}, 0.5f, 0.5f, Two, 10); }, 7},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    Case.Draw(C);
    EXPECT_EQ(C.Calls().size(), Case.Calls) << Case.Name;
  }
}

TEST(GradientsTest, BandWidthBelowOneAndSingleColour) {
  for (const int Width : {0, -5}) {
    TRecordingCanvas A, B;
    RectGradient(A, {0, 0, 40, 20}, Colors{clRed, clLime}, Width);
    RectGradient(B, {0, 0, 40, 20}, Colors{clRed, clLime}, 1);
    EXPECT_EQ(A.Log(), B.Log()) << Width;
  }
  TRecordingCanvas C;
  EllipseGradient(C, {0, 0, 40, 20}, Colors{clTeal}, 2);
  for (const TColor Band : BandColors(C, TCanvasOp::Ellipse)) EXPECT_EQ(Band, clTeal);
  EXPECT_EQ(BandColors(C, TCanvasOp::Ellipse).size(), 5u);
}

TEST(EllipseGradientTest, CentredStopsAtTheHalfOfTheShorterSide_RestoresPen) {
  TRecordingCanvas C;
  C.Pen().SetWidth(3);
  C.Brush().SetColor(clAqua);
  EllipseGradient(C, {0, 0, 100, 50}, Colors{clBlack, clWhite}, 1);
  ASSERT_EQ(C.Calls().size(), 25u);
  EXPECT_EQ(C.Calls().front().ToString(), "Ellipse(0,0,100,50)");
  EXPECT_EQ(C.Calls().back().ToString(), "Ellipse(24,24,76,26)");
  EXPECT_EQ(C.Calls().front().Pen.Style, psClear);
  EXPECT_EQ(C.Pen().Data(), (TPenData{clBlack, psSolid, 3}));
  EXPECT_EQ(C.Brush().Color(), clAqua);
}

TEST(EllipseGradientTest, FocalSidesReachTheFocusTogether) {
  TRecordingCanvas C;
  EllipseGradient(C, {0, 0, 100, 60}, 0.25f, 0.5f, Colors{clBlack, clWhite}, 10);
  // Focus (25, 30); per band left +2.5, right -7.5 (100 / 10 bands in x), top +5,
  // bottom -5 (60 / 10 bands in y): the top reaches the focus after six bands.
  // Halves round to even (2.5 -> 2, 7.5 -> 8).
  const std::vector<std::string> Expected = {
      "Ellipse(0,0,100,60)", "Ellipse(2,5,92,55)",   "Ellipse(5,10,85,50)",
      "Ellipse(8,15,78,45)", "Ellipse(10,20,70,40)", "Ellipse(12,25,62,35)"};
  EXPECT_EQ(C.Log(), Expected);
  // Seg = 75 (the focus to the right side); 255 * 10 / 75 = 34 per band.
  const auto Bands = BandColors(C, TCanvasOp::Ellipse);
  EXPECT_EQ(Bands[1], 0x222222);
  EXPECT_EQ(Bands[5], 0xAAAAAA);
}

TEST(RectGradientTest, OutlinesThenFillsTheInnermostBand_PenWidthStays) {
  TRecordingCanvas C;
  C.Pen().SetColor(clGreen);
  C.Brush().SetColor(clNavy);
  RectGradient(C, {0, 0, 8, 6}, Colors{clBlack, clWhite}, 1);
  const std::vector<std::string> Expected = {"Rectangle(0,0,8,6)", "Rectangle(1,1,7,5)",
                                             "Rectangle(2,2,6,4)", "FillRect(2,2,6,4)"};
  EXPECT_EQ(C.Log(), Expected);
  EXPECT_EQ(C.Calls()[3].Brush.Color, C.Calls()[2].Pen.Color);
  EXPECT_EQ(C.Calls()[3].Pen.Color, clGreen);
  EXPECT_EQ(C.Pen().Width(), 1);
  EXPECT_EQ(C.Pen().Color(), clGreen);
  EXPECT_EQ(C.Brush().Color(), clNavy);
}

// A canvas that raises on its second outline or fill.
class TFailingCanvas : public TRecordingCanvas {
  int FCount = 0;
  void Fail() {
    if (++FCount == 2) throw std::runtime_error("device lost");
  }
  void DoRectangle(const TRect& R) override { Fail(); TRecordingCanvas::DoRectangle(R); }
  void DoFillRect(const TRect& R) override { Fail(); TRecordingCanvas::DoFillRect(R); }
};

TEST(GradientsTest, CanvasRaising_StateIsRestoredAndTheInnerBandFilled) {
  TFailingCanvas A;
  A.Brush().SetColor(clNavy);
  EXPECT_THROW(LineGradient(A, {0, 0, 10, 10}, Colors{clRed, clBlue}, 1, diVertical),
               std::runtime_error);
  EXPECT_EQ(A.Brush().Color(), clNavy);
  TFailingCanvas B;
  B.Pen().SetColor(clGreen);
  B.Brush().SetColor(clNavy);
  EXPECT_THROW(RectGradient(B, {0, 0, 20, 20}, Colors{clRed, clBlue}, 2), std::runtime_error);
  // The second outline failed; its band is still the one filled at the end.
  EXPECT_EQ(B.Log(), (std::vector<std::string>{"Rectangle(0,0,20,20)", "FillRect(2,2,18,18)"}));
  EXPECT_EQ(B.Pen().Color(), clGreen);
  EXPECT_EQ(B.Brush().Color(), clNavy);
}

}  // namespace
}  // namespace zk
