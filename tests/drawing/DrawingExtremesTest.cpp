// The shape, arrow, slice and progress routines on extreme arguments: no
// undefined behaviour (the sanitizer builds check), no exception but the
// documented ones, and work bounded by the drawing, never by the numbers.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "canvas/RecordingCanvas.h"
#include "drawing/ArrowsAndSlices.h"
#include "drawing/ColorSchemes.h"
#include "drawing/ProgressIndicators.h"
#include "drawing/Shapes.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

constexpr int kInts[] = {INT_MIN, -7, 0, 5, INT_MAX};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(DrawingExtremesTest, ShapesAndFrames_AnyRectAndBevel) {
  TRecordingCanvas Canvas;
  for (const int A : kInts)
    for (const int B : kInts) {
      const TRect Rects[] = {{A, A, B, B}, {A, B, B, A}, {0, 0, A, B}};
      for (const TRect& R : Rects)
        for (const int Bevel : {INT_MIN, -1, 0, 3}) {
          for (int T = 0; T < 4; ++T)
            for (int O = 0; O < 4; ++O) DrawShape(Canvas, R, TZKShapeType(T), TZKShapeOrientation(O), true, Bevel);
          for (int S = 0; S < 24; ++S)
            DrawShape(Canvas, R, nullptr, TZKShapeStyle(S), true, clWhite, clGray, Bevel);
          TRect Frame = R;
          Frame3DExt(Canvas, Frame, clWhite, clGray, Bevel, true, A, B);
          Canvas.Clear();
        }
    }
  TRect Small{0, 0, 8, 8};
  Frame3DExt(Canvas, Small, clWhite, clGray, INT_MAX);
  EXPECT_LE(Canvas.Calls().size(), 8u);  // four rings fill the box; the rest would paint outside it
}

TEST(DrawingExtremesTest, ArrowsAndSlices_AnyPointsAndSizes) {
  TRecordingCanvas Canvas;
  for (const int A : kInts)
    for (const int B : kInts)
      for (const int Size : kInts) {
        DrawArrow(Canvas, A, B, B, A, Size, "a\r\n\r\nb", TArrowOptions::All(), Size);
        DrawArrow(Canvas, A, A, B, B, Size, "", {aoArrowAtStart, aoArrowAtEnd}, 1);
        DrawPieSlice(Canvas, {A, B, B, A}, A, B, Size);
        DrawPieSlice(Canvas, {A, B, B, A}, -1e308, 1e308, double(Size), Size);
        Canvas.Clear();
      }
  EXPECT_THROW(DrawPieSlice(Canvas, {0, 0, 9, 9}, kNaN, 0.0, 0), EInvalidOp);
  EXPECT_THROW(DrawDonutSlice(Canvas, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 0, 90, INT_MIN, 0.5, 1, 1), EOverflow);
  EXPECT_THROW(DrawDonutSlice(Canvas, {0, 0, 9, 9}, 0, 90, 0, kNaN, 1, 1), EInvalidOp);
  EXPECT_TRUE(Canvas.Calls().empty());
  DrawDonutSlice(Canvas, {0, 0, 9, 9}, -1e300, 1e300, INT_MIN, -3, 1, 1);
  EXPECT_FALSE(Canvas.Calls().empty());
}

TEST(DrawingExtremesTest, Progress_AnyRangeCountAndGap) {
  const TColors Colors{clRed, clBlue, clLime};
  TRecordingCanvas Canvas;
  for (const int Position : kInts)
    for (const int Limit : kInts)
      for (const int Count : {INT_MIN, -1, 0, 1, 7})
        for (const int Gap : {INT_MIN, 0, INT_MAX}) {
          const TRect R{Limit, Position, Gap, Count};
          ProgressCircle(Canvas, R, Gap, Position, -Limit / 2, Limit, Colors, true, Count, sCircle, soUp,
                         true, 2, Gap, pdBackward, dtAllProgress);
          ProgressPie(Canvas, R, 0, Position, 0, Limit, Colors, true, Count, Gap, pdBackward, dtAllProgress);
          ProgressRect(Canvas, R, Gap, Position, Limit, 0, Colors, true, Count, sRect, soUp, true, 2, Gap,
                       poVertical, pdBackward, dtCurrentProgress);
          EXPECT_LE(Canvas.Calls().size(), 400u);
          Canvas.Clear();
        }
  for (const int Index : kInts)
    for (const int Count : kInts) EXPECT_EQ(IndexToColor(Index, Count, {}), clBlack);
}

} // namespace
} // namespace zk
