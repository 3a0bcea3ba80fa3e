// Progress indicators: cells, slices, the colour walk and the canvas state,
// read from a recording canvas.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/ArrowsAndSlices.h"
#include "drawing/ColorSchemes.h"
#include "drawing/ProgressIndicators.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;
// Six colours over five segments: a step width of one.
const TColors kSix{0x000001, 0x000002, 0x000003, 0x000004, 0x000005, 0x000006};

struct ProgressCase {
  const char* Name;
  std::function<void(TCanvas&)> Draw;
  Log Expected;
};

void Row(TCanvas& C, int Position, TProgressDirection D, TProgressDisplayType T,
         TProgressOrientation O = poHorizontal, TRect R = {0, 0, 110, 20}) {
  ProgressRect(C, R, 5, Position, 0, 10, kSix, false, 5, sRect, soUp, false, 0, 2, O, D, T);
}

const ProgressCase kProgressCases[] = {
    {"RowForwardFull_FiveCellsFromTheLeft",
     [](TCanvas& C) { Row(C, 10, pdForward, dtAllProgress); },
     {"FillRect(5,5,23,15)", "FillRect(25,5,43,15)", "FillRect(45,5,63,15)", "FillRect(65,5,83,15)",
      "FillRect(85,5,103,15)"}},
    {"RowBackwardReversedRect_FromTheRight",
     [](TCanvas& C) { Row(C, 4, pdBackward, dtAllProgress, poHorizontal, {110, 20, 0, 0}); },
     {"FillRect(87,5,105,15)", "FillRect(67,5,85,15)"}},
    {"ColumnForwardPastMax_ClippedToTheFarEdge",
     [](TCanvas& C) { Row(C, 14, pdForward, dtAllProgress, poVertical, {0, 0, 20, 60}); },
     {"FillRect(5,5,15,13)", "FillRect(5,15,15,23)", "FillRect(5,25,15,33)", "FillRect(5,35,15,43)",
      "FillRect(5,45,15,53)", "FillRect(5,55,15,55)", "FillRect(5,55,15,55)"}},
    {"CurrentProgress_OnlyTheLastLitCell",
     [](TCanvas& C) { Row(C, 6, pdForward, dtCurrentProgress); },
     {"FillRect(45,5,63,15)"}},
    {"PositionZero_NothingLit",
     [](TCanvas& C) { Row(C, 0, pdForward, dtAllProgress); },
     {}},
    {"MinEqualsMax_AllLitWhateverThePosition",
     [](TCanvas& C) {
       ProgressRect(C, {0, 0, 110, 20}, 5, -7, 3, 3, kSix, false, 5, sRect, soUp, false, 0, 2,
                    poHorizontal, pdForward, dtCurrentProgress);
     },
     {"FillRect(85,5,103,15)"}},
    {"CountZero_Nothing",
     [](TCanvas& C) {
       ProgressRect(C, {0, 0, 110, 20}, 5, 5, 0, 10, kSix, true, 0, sRect, soUp, false, 0, 2,
                    poHorizontal, pdForward, dtAllProgress);
       ProgressCircle(C, {0, 0, 100, 100}, 0, 5, 0, 10, kSix, true, -1, sRect, soUp, false, 0, 0,
                      pdForward, dtAllProgress);
       ProgressPie(C, {0, 0, 100, 100}, 0, 5, 0, 10, kSix, true, 0, 0, pdForward, dtAllProgress);
     },
     {}},
    {"NoColours_Nothing",
     [](TCanvas& C) { ProgressPie(C, {0, 0, 100, 100}, 0, 10, 0, 10, {}, true, 4, 0, pdForward, dtAllProgress); },
     {}},
    // Shapes of Round(100 * pi / 4) = 79 round an ellipse; segment 1 at
    // north, segment 4 at east.
    {"CircleForward_CounterClockwiseFromNorth",
     [](TCanvas& C) {
       ProgressCircle(C, {0, 0, 100, 100}, 0, 10, 0, 10, kSix, false, 4, sRect, soUp, false, 0, 0,
                      pdForward, dtAllProgress);
     },
     {"FillRect(10,0,89,79)", "FillRect(0,10,79,89)", "FillRect(10,21,89,100)", "FillRect(21,10,100,89)"}},
    {"CircleBackward_ClockwiseFromSouth",
     [](TCanvas& C) {
       ProgressCircle(C, {0, 0, 100, 100}, 0, 5, 0, 10, kSix, false, 4, sRect, soUp, false, 0, 0,
                      pdBackward, dtAllProgress);
     },
     {"FillRect(10,21,89,100)", "FillRect(0,10,79,89)"}},
};

class ProgressIndicatorsTest : public testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressIndicatorsTest, Draw_MakesExactCalls) {
  TRecordingCanvas Canvas;
  GetParam().Draw(Canvas);
  EXPECT_EQ(Canvas.Log(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgressIndicatorsTest, testing::ValuesIn(kProgressCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ProgressIndicatorsTest, Pie_SlicesLoseHalfTheGapAtEachSide) {
  for (const TProgressDirection D : {pdForward, pdBackward}) {
    TRecordingCanvas Pie, Expected;
    ProgressPie(Pie, {0, 0, 100, 100}, 0, 5, 0, 10, kSix, false, 4, 10, D, dtAllProgress);
    if (D == pdForward) {
      DrawPieSlice(Expected, {0, 0, 100, 100}, 5.0, 85.0, 0);
      DrawPieSlice(Expected, {0, 0, 100, 100}, 95.0, 175.0, 0);
    } else {
      DrawPieSlice(Expected, {0, 0, 100, 100}, 455.0, 535.0, 0);
      DrawPieSlice(Expected, {0, 0, 100, 100}, 365.0, 445.0, 0);
    }
    EXPECT_EQ(Pie.Log(), Expected.Log()) << int(D);
  }
}

// Circle and row number segments from 1 and the pie from 0, so after the
// first segment in Colors[0] the walk reaches IndexToColor(1) or (0).
TEST(ProgressIndicatorsTest, ColourWalk_BrushAndPenFollowTheSegments) {
  TRecordingCanvas Canvas;
  Row(Canvas, 10, pdForward, dtAllProgress);
  ProgressPie(Canvas, {0, 0, 100, 100}, 0, 10, 0, 10, kSix, true, 5, 0, pdForward, dtAllProgress);
  const std::vector<TColor> Expected{1, 3, 4, 5, 6, 1, 2, 3, 4, 5};
  ASSERT_EQ(Canvas.Calls().size(), Expected.size());
  for (std::size_t I = 0; I < Expected.size(); ++I) {
    EXPECT_EQ(Canvas.Calls()[I].Brush.Color, Expected[I]) << I;
    if (I >= 5) {
      EXPECT_EQ(Canvas.Calls()[I].Pen.Color, Expected[I]) << I;
    }
  }
}

TEST(ProgressIndicatorsTest, CurrentProgress_DrawnInTheColourTheWalkReached) {
  TRecordingCanvas Canvas;
  Row(Canvas, 6, pdForward, dtCurrentProgress);
  ASSERT_EQ(Canvas.Calls().size(), 1u);
  EXPECT_EQ(Canvas.Calls()[0].Brush.Color, IndexToColor(2, 5, kSix));
}

class FailingFillCanvas : public TRecordingCanvas {
protected:
  void DoFillRect(const TRect&) override { throw std::runtime_error("device lost"); }
};

TEST(ProgressIndicatorsTest, BrushAndPenColour_RestoredAlsoWhenTheCanvasRaises) {
  TRecordingCanvas Canvas;
  FailingFillCanvas Failing;
  for (TCanvas* C : {static_cast<TCanvas*>(&Canvas), static_cast<TCanvas*>(&Failing)}) {
    C->Brush().SetData({clAqua, bsClear});
    C->Pen().SetColor(clNavy);
    try {
      ProgressRect(*C, {0, 0, 110, 20}, 5, 10, 0, 10, kSix, true, 5, sRect, soUp, false, 0, 2,
                   poHorizontal, pdForward, dtAllProgress);
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(C->Brush().Data(), (TBrushData{clAqua, bsClear}));
    EXPECT_EQ(C->Pen().Color(), clNavy);
  }
  EXPECT_THROW(Row(Failing, 10, pdForward, dtAllProgress), std::runtime_error);
}

// A position far beyond Max would go round billions of times; only rounds
// that change the picture are drawn, and the last lit segment keeps its place.
TEST(ProgressIndicatorsTest, PositionFarBeyondMax_BoundedWorkSameLastSegment) {
  TRecordingCanvas Huge, Small;
  ProgressCircle(Huge, {0, 0, 100, 100}, 0, 2'000'000'001, 0, 10, kSix, false, 4, sRect, soUp,
                 false, 0, 0, pdForward, dtAllProgress);
  EXPECT_LT(Huge.Calls().size(), 40u);
  ProgressCircle(Huge, {0, 0, 100, 100}, 0, 2'000'000'001, 0, 10, kSix, false, 4, sRect, soUp,
                 false, 0, 0, pdForward, dtCurrentProgress);
  // Lit = 800000000, a whole number of rounds: the last segment sits at east.
  ProgressCircle(Small, {0, 0, 100, 100}, 0, 10, 0, 10, kSix, false, 4, sRect, soUp, false, 0, 0,
                 pdForward, dtCurrentProgress);
  EXPECT_EQ(Huge.Log().back(), Small.Log().back());
  EXPECT_EQ(Huge.Calls().back().Brush.Color, kSix.back());
}

} // namespace
} // namespace zk
