// What only pixels show of the shape routines: which sides of a bevel take
// which tone, and that a ring slice leaves its hole empty.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <QImage>

#include "drawing/ArrowsAndSlices.h"
#include "drawing/Shapes.h"
#include "qt/QtCanvas.h"

namespace zk {
namespace {

// 'r' highlight (red), 'b' shadow (blue), '#' black face, '.' white.
std::vector<std::string> ArtOf(const QImage& Image) {
  std::vector<std::string> Rows;
  for (int Y = 0; Y < Image.height(); ++Y) {
    std::string Row;
    for (int X = 0; X < Image.width(); ++X) {
      const QRgb P = Image.pixel(X, Y) & 0xFFFFFF;
      Row += P == 0 ? '#' : P == 0xFF0000 ? 'r' : P == 0x0000FF ? 'b' : P == 0xFFFFFF ? '.' : '?';
    }
    Rows.push_back(Row);
  }
  return Rows;
}

QImage White(int Width, int Height) {
  QImage Image(Width, Height, QImage::Format_RGB32);
  Image.fill(Qt::white);
  return Image;
}

// A 2-pixel bevel round the box (1, 1, 11, 9): each ring lit on its top and
// left sides, shaded on its right and bottom sides; the face fills the rest
// and nothing lands outside the box.
TEST(ShapePixelsTest, Bevel3DRectangle_HighlightTopLeftShadowBottomRight) {
  QImage Image = White(12, 10);
  {
    TQtCanvas Canvas(Image);
    Canvas.Brush().SetColor(clBlack);
    DrawShape(Canvas, {1, 1, 11, 9}, nullptr, ss3DRectangle, false, clRed, clBlue, 2);
  }
  const std::vector<std::string> Art = ArtOf(Image);
  struct Probe {
    int X, Y;
    char Expected;
  };
  for (const Probe& P : {Probe{5, 1, 'r'}, Probe{1, 5, 'r'}, Probe{5, 2, 'r'}, Probe{2, 5, 'r'},
                         Probe{10, 5, 'b'}, Probe{5, 8, 'b'}, Probe{9, 5, 'b'}, Probe{5, 7, 'b'},
                         Probe{5, 5, '#'}, Probe{6, 4, '#'}, Probe{0, 5, '.'}, Probe{11, 5, '.'},
                         Probe{5, 0, '.'}, Probe{5, 9, '.'},
                         Probe{0, 8, '.'}, Probe{0, 7, '.'}, Probe{11, 0, '.'}})
    EXPECT_EQ(Art[P.Y][P.X], P.Expected) << P.X << ',' << P.Y;
}

// A quarter ring from east to north in a 40 x 40 box: ink only in the upper
// right, between half and the full radius of 20; the hole stays white.
TEST(ShapePixelsTest, DonutSlice_InkOnlyOnTheRingHoleEmpty) {
  QImage Image = White(40, 40);
  {
    TQtCanvas Canvas(Image);
    Canvas.Brush().SetColor(clBlack);
    Canvas.Pen().SetStyle(psClear);
    DrawDonutSlice(Canvas, {0, 0, 40, 40}, 0, 90, 0, 0.5, 1, 1);
  }
  int RingInk = 0, RingPixels = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 40; ++X) {
      const double DX = X + 0.5 - 20, DY = Y + 0.5 - 20, R = std::hypot(DX, DY);
      const bool Ink = (Image.pixel(X, Y) & 0xFFFFFF) == 0;
      const bool UpperRight = DX > 1 && DY < -1;
      if (R < 9 || R > 21 || !(DX > -1 && DY < 1)) {
        EXPECT_FALSE(Ink) << X << ',' << Y;
      }
      if (UpperRight && R > 11 && R < 19) {
        ++RingPixels;
        RingInk += Ink;
      }
    }
  EXPECT_GT(RingPixels, 100);
  EXPECT_EQ(RingInk, RingPixels);
}

} // namespace
} // namespace zk
