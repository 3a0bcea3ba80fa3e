// What only pixels show: which pixels the Qt canvas paints for paths,
// boxes, pies and lines, and bitmaps. Small images are compared as ASCII
// art: '#' black, 'o' grey, '.' white (anything else is '?').
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "canvas/Graphics.h"
#include "path/PathData.h"
#include "qt/QtBitmap.h"
#include "qt/QtCanvas.h"

namespace zk {
namespace {

using Art = std::vector<std::string>;

Art ArtOf(const QImage& Image) {
  Art Rows;
  for (int Y = 0; Y < Image.height(); ++Y) {
    std::string Row;
    for (int X = 0; X < Image.width(); ++X) {
      const QRgb P = Image.pixel(X, Y) & 0xFFFFFF;
      Row += P == 0 ? '#' : P == 0x808080 ? 'o' : P == 0xFFFFFF ? '.' : '?';
    }
    Rows.push_back(Row);
  }
  return Rows;
}

// Paints on a white image of the given size with a black pen and brush.
QImage Paint(int Width, int Height, const std::function<void(TQtCanvas&)>& Draw) {
  QImage Image(Width, Height, QImage::Format_RGB32);
  Image.fill(Qt::white);
  {
    TQtCanvas Canvas(Image);
    Canvas.Brush().SetColor(clBlack);
    Draw(Canvas);
  }
  return Image;
}


struct PixelCase {
  const char* Name;
  std::function<void(TQtCanvas&)> Draw;
  Art Expected;
};

const PixelCase kPixelCases[] = {
    {"FilledRectanglePathCoversItsInside",
     [](TQtCanvas& C) {
       TZKPathData Path;
       Path.AddRectangle({2, 2, 6, 6});
       C.Pen().SetStyle(psClear);
       Path.FillPath(C, 1);
     },
     {"........", "........", "..####..", "..####..", "..####..", "..####..", "........",
      "........"}},
    {"StrokedAndFilledPathAddsTheOutline",
     [](TQtCanvas& C) {
       TZKPathData Path;
       Path.AddRectangle({2, 2, 6, 6});
       C.Brush().SetColor(clGray);
       Path.FillPath(C, 1);
     },
     {"........", "........", "..#####.", "..#ooo#.", "..#ooo#.", "..#ooo#.", "..#####.",
      "........"}},
    {"EvenOddPathLeavesItsHoleEmpty",
     [](TQtCanvas& C) {
       TZKPathData Path;
       Path.AddRectangle({1, 1, 9, 9});
       Path.AddRectangle({3, 3, 7, 7});
       C.Pen().SetStyle(psClear);
       Path.FillPath(C, 1);
     },
     {"..........", ".########.", ".########.", ".##....##.", ".##....##.", ".##....##.",
      ".##....##.", ".########.", ".########.", ".........."}},
    {"WindingModeFillsTheSameTurningHole",
     [](TQtCanvas& C) {
       TZKPathData Path;
       Path.AddRectangle({1, 1, 9, 9});
       Path.AddRectangle({3, 3, 7, 7});
       C.Pen().SetStyle(psClear);
       SetPolyFillMode(C.Handle(), WINDING);
       Path.FillPath(C, 1);
     },
     {"..........", ".########.", ".########.", ".########.", ".########.", ".########.",
      ".########.", ".########.", ".########.", ".........."}},
    {"RectangleOutlineCoversLeftToRightMinusOne",
     [](TQtCanvas& C) {
       C.Brush().SetStyle(bsClear);
       C.Rectangle(1, 1, 6, 5);
     },
     {"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}},
    {"FillRectPaintsExactlyTheRectangle",
     [](TQtCanvas& C) { C.FillRect({2, 1, 5, 3}); },
     {"......", "..###.", "..###.", "......"}},
    {"LineToLeavesOutTheEndPixel",
     [](TQtCanvas& C) {
       C.MoveTo(1, 1);
       C.LineTo(5, 1);
       C.LineTo(5, 3);
     },
     {"........", ".#####..", ".....#..", "........"}},
    // A thin line paints its start pixel and leaves out its end pixel in
    // every direction; '#' marks the start, the end is the '.' beside the run.
    {"LineRightToLeftLeavesOutTheEndPixel",
     [](TQtCanvas& C) {
       C.MoveTo(5, 1);
       C.LineTo(1, 1);
     },
     {"........", "..####..", "........"}},
    {"LineBottomToTopLeavesOutTheEndPixel",
     [](TQtCanvas& C) {
       C.MoveTo(1, 5);
       C.LineTo(1, 1);
     },
     {"...", "...", ".#.", ".#.", ".#.", ".#.", "..."}},
    {"LineTopToBottomLeavesOutTheEndPixel",
     [](TQtCanvas& C) {
       C.MoveTo(1, 1);
       C.LineTo(1, 5);
     },
     {"...", ".#.", ".#.", ".#.", ".#.", "...", "..."}},
    {"DiagonalUpLeftLeavesOutTheEndPixel",
     [](TQtCanvas& C) {
       C.MoveTo(4, 4);
       C.LineTo(1, 1);
     },
     {"......", "......", "..#...", "...#..", "....#.", "......"}},
    {"ClosedPolylineKeepsItsStartPixel",
     [](TQtCanvas& C) {
       const TPoint Points[] = {{1, 1}, {4, 1}, {4, 3}, {1, 3}, {1, 1}};
       C.Polyline(Points);
     },
     {"......", ".####.", ".#..#.", ".####.", "......"}},
    {"PenWidthZeroIsTheThinnestLine",
     [](TQtCanvas& C) {
       C.Pen().SetWidth(0);
       C.MoveTo(1, 1);
       C.LineTo(5, 1);
     },
     {"........", ".####...", "........"}},
    {"OpenPathStrokesWithoutClosing",
     [](TQtCanvas& C) {
       TZKPathData Path;
       Path.MoveTo({1, 1});
       Path.LineTo({5, 1});
       Path.LineTo({5, 3});
       Path.DrawPath(C, 1);
     },
     {"........", ".#####..", ".....#..", "........"}},
};

void PrintTo(const PixelCase& C, std::ostream* Out) { *Out << C.Name; }

class QtCanvasPixelTest : public testing::TestWithParam<PixelCase> {};

TEST_P(QtCanvasPixelTest, Draws_ExactPixels) {
  const PixelCase& C = GetParam();
  const int Width = static_cast<int>(C.Expected[0].size());
  const int Height = static_cast<int>(C.Expected.size());
  EXPECT_EQ(ArtOf(Paint(Width, Height, C.Draw)), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, QtCanvasPixelTest, testing::ValuesIn(kPixelCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Every direction and slope: a line paints its start and not its end, and
// drawn the other way it paints the same pixels apart from those two.
TEST(QtCanvasTest, Line_PaintsStartNotEndAndTheSamePixelsBothWays) {
  std::mt19937 Random(7);
  const auto Line = [](TPoint A, TPoint B) {
    return Paint(12, 12, [&](TQtCanvas& C) {
      C.MoveTo(A.X, A.Y);
      C.LineTo(B.X, B.Y);
    });
  };
  for (int K = 0; K < 300; ++K) {
    const TPoint A{int(Random() % 12), int(Random() % 12)}, B{int(Random() % 12), int(Random() % 12)};
    if (A == B) continue;
    QImage Forward = Line(A, B), Backward = Line(B, A);
    SCOPED_TRACE(testing::Message() << A.X << ',' << A.Y << " to " << B.X << ',' << B.Y);
    ASSERT_EQ(Forward.pixel(A.X, A.Y) & 0xFFFFFF, 0u);
    ASSERT_EQ(Forward.pixel(B.X, B.Y) & 0xFFFFFF, 0xFFFFFFu);
    Forward.setPixel(B.X, B.Y, 0);
    Backward.setPixel(A.X, A.Y, 0);
    ASSERT_EQ(ArtOf(Forward), ArtOf(Backward));
  }
}

// A thin dashed polyline keeps one pattern across its corners, as Qt's own
// polyline does; only Qt's wrongly painted end pixel of the upward last side differs.
TEST(QtCanvasTest, DashedPolyline_PatternRunsOnAcrossCorners) {
  const TPoint Points[] = {{2, 2}, {37, 2}, {37, 37}, {2, 37}, {2, 4}};
  for (const auto& [Style, QtStyle] : {std::pair{psDash, Qt::DashLine}, std::pair{psDot, Qt::DotLine},
                                       std::pair{psDashDotDot, Qt::DashDotDotLine}}) {
    const QImage Ours = Paint(40, 40, [&](TQtCanvas& C) {
      C.Pen().SetStyle(Style);
      C.Polyline(Points);
    });
    QImage Qts = Paint(40, 40, [](TQtCanvas&) {});
    {
      QPainter Painter(&Qts);
      QPen Pen(Qt::black, 0, QtStyle, Qt::FlatCap);
      Painter.setPen(Pen);
      QPolygon Line;
      for (const TPoint& P : Points) Line << QPoint(P.X, P.Y);
      Painter.drawPolyline(Line);
    }
    Qts.setPixel(2, 4, 0xFFFFFFFF);
    EXPECT_EQ(ArtOf(Ours), ArtOf(Qts)) << int(Style);
  }
}

struct PieCase {
  const char* Name;
  int StartX, StartY, EndX, EndY;
  // Whether the centres of the upper-right, upper-left, lower-left and
  // lower-right quadrants are painted.
  bool UpperRight, UpperLeft, LowerLeft, LowerRight;
};

TEST(QtCanvasTest, Pie_RunsCounterClockwiseFromStartToEndRay) {
  const PieCase Cases[] = {
      {"RightToUpIsUpperRight", 40, 20, 20, 0, true, false, false, false},
      {"UpToRightIsTheOtherThree", 20, 0, 40, 20, false, true, true, true},
      {"LeftToRightIsLowerHalf", 0, 20, 40, 20, false, false, true, true},
      {"EqualRaysIsWholeEllipse", 40, 20, 40, 20, true, true, true, true},
  };
  for (const PieCase& C : Cases) {
    const QImage Image = Paint(41, 41, [&](TQtCanvas& Canvas) {
      Canvas.Pie(0, 0, 41, 41, C.StartX, C.StartY, C.EndX, C.EndY);
    });
    auto Black = [&](int X, int Y) { return (Image.pixel(X, Y) & 0xFFFFFF) == 0; };
    EXPECT_EQ(Black(30, 10), C.UpperRight) << C.Name;
    EXPECT_EQ(Black(10, 10), C.UpperLeft) << C.Name;
    EXPECT_EQ(Black(10, 30), C.LowerLeft) << C.Name;
    EXPECT_EQ(Black(30, 30), C.LowerRight) << C.Name;
  }
}

TEST(QtCanvasTest, SystemColours_ComeFromThePalette) {
  TQtCanvas Canvas;
  const QPalette Palette = QGuiApplication::palette();
  const QColor Base = Palette.color(QPalette::Base);
  EXPECT_EQ(Canvas.ColorToRGB(clWindow), Base.red() | Base.green() << 8 | Base.blue() << 16);
  EXPECT_EQ(Canvas.ToQColor(clBtnFace), Palette.color(QPalette::Button));
  EXPECT_EQ(Canvas.ColorToRGB(clRed), clRed);
}

TEST(QtCanvasTest, Text_IsMeasuredAndDrawnInsideItsExtent) {
  QImage Image(200, 60, QImage::Format_RGB32);
  Image.fill(Qt::white);
  TSize Extent;
  {
    TQtCanvas Canvas(Image);
    Canvas.Font().SetHeight(-20);
    Canvas.Font().SetColor(clBlack);
    Canvas.Brush().SetStyle(bsClear);
    EXPECT_GT(Canvas.TextWidth("WW"), Canvas.TextWidth("W"));
    Extent = Canvas.TextExtent("Wg");
    Canvas.TextOut(10, 10, "Wg");
    EXPECT_EQ(Canvas.PenPos(), (TPoint{10 + Extent.cx, 10}));
  }
  int Inked = 0, Outside = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      if ((Image.pixel(X, Y) & 0xFFFFFF) == 0xFFFFFF) continue;
      const bool Inside = X >= 10 && X < 10 + Extent.cx && Y >= 10 && Y < 10 + Extent.cy;
      ++(Inside ? Inked : Outside);
    }
  EXPECT_GT(Inked, 0);
  EXPECT_EQ(Outside, 0);
}

TEST(QtCanvasTest, NoDevice_DrawsNothingAndDoesNotFail) {
  TQtCanvas Canvas;
  Canvas.Rectangle(0, 0, 10, 10);
  TZKPathData Path;
  Path.AddRectangle({0, 0, 4, 4});
  Path.FillPath(Canvas, 1);
  EXPECT_EQ(Canvas.Painter(), nullptr);
}

// ---- Bitmaps and image lists ------------------------------------------------

TEST(BitmapTest, Canvas_DrawsIntoTheImageAcrossResizes) {
  TBitmap Bitmap(4, 3);
  Bitmap.Canvas().Brush().SetColor(clBlack);
  Bitmap.Canvas().FillRect({0, 0, 2, 1});
  Bitmap.SetSize(5, 2);
  Bitmap.Canvas().FillRect({4, 1, 5, 2});
  EXPECT_EQ(ArtOf(BitmapImage(Bitmap)), (Art{"##...", "....#"}));
  Bitmap.SetSize(-3, 2);
  EXPECT_TRUE(Bitmap.Empty());
  Bitmap.Canvas().FillRect({0, 0, 1, 1});  // draws nowhere, safely
  Bitmap.SetSize(1 << 20, 1 << 20);        // more than a bitmap may hold
  EXPECT_TRUE(Bitmap.Empty());
}

TEST(BitmapTest, AssignCopies_AndCanvasesDrawBitmaps) {
  TBitmap Source(2, 2);
  Source.Canvas().Brush().SetColor(clBlack);
  Source.Canvas().FillRect({0, 0, 1, 1});
  TBitmap Copy;
  Copy.Assign(&Source);
  Source.Canvas().FillRect({1, 1, 2, 2});
  EXPECT_EQ(ArtOf(BitmapImage(Copy)), (Art{"#.", ".."}));

  const QImage Image = Paint(6, 4, [&](TQtCanvas& C) {
    C.Draw(1, 1, Copy);
    C.StretchDraw({3, 0, 5, 4}, Source);
  });
  EXPECT_EQ(ArtOf(Image), (Art{"...#..", ".#.#..", "....#.", "....#."}));
}

TEST(BitmapTest, Compose_BlendsTranslucentPixelsAndClips) {
  TBitmap Source(2, 1);
  Source.Pixels()[0] = 0x80000000u;  // black at half opacity, premultiplied
  Source.Pixels()[1] = 0xFF0000FFu;  // opaque blue
  TBitmap Target(2, 2);
  Target.Compose(1, 1, Source);
  Target.Compose(-1, 0, Source);  // only its blue pixel lands, at (0, 0)
  EXPECT_EQ(std::vector<std::uint32_t>(Target.Pixels().begin(), Target.Pixels().end()),
            (std::vector<std::uint32_t>{0xFF0000FFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFF7F7F7Fu}));

  // The same composition painted by Qt gives the same bytes.
  QImage Qt(BitmapImage(TBitmap(2, 2)).copy());
  QPainter(&Qt).drawImage(1, 1, BitmapImage(Source));
  EXPECT_EQ(Qt.pixel(1, 1), 0xFF7F7F7Fu);
}

TEST(ImageListTest, DrawAndGetBitmap_ByIndex) {
  TImageList List(2, 1);
  TBitmap Dot(1, 1);
  Dot.Canvas().Brush().SetColor(clBlack);
  Dot.Canvas().FillRect({0, 0, 1, 1});
  EXPECT_EQ(List.Add(TBitmap(2, 1)), 0);
  EXPECT_EQ(List.Add(Dot), 1);
  EXPECT_EQ(List.Count(), 2);

  TBitmap Out;
  EXPECT_TRUE(List.GetBitmap(1, Out));
  EXPECT_EQ(ArtOf(BitmapImage(Out)), (Art{"#."}));
  EXPECT_FALSE(List.GetBitmap(2, Out));
  EXPECT_FALSE(List.GetBitmap(-1, Out));

  const QImage Image = Paint(4, 1, [&](TQtCanvas& C) {
    List.Draw(C, 2, 0, 1);
    List.Draw(C, 0, 0, 5);  // out of range: nothing
  });
  EXPECT_EQ(ArtOf(Image), (Art{"..#."}));
}

} // namespace
} // namespace zk
