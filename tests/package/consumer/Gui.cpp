// Fills a path on a bitmap's canvas through the Gui library's installed
// headers; exits 0 when the pixels inside and outside the path are right.
#include <cstdio>

#include "canvas/Graphics.h"
#include "path/PathData.h"
#include "qt/QtBitmap.h"

int main() {
  zk::TBitmap Bitmap(8, 8);
  Bitmap.Canvas().Brush().SetColor(zk::clBlack);
  Bitmap.Canvas().Pen().SetStyle(zk::psClear);
  zk::TZKPathData Path;
  Path.SetPathString("M0,0 L4,0 L4,4 L0,4 Z");
  Path.FillPath(Bitmap.Canvas(), 1);
  const QImage Image = zk::BitmapImage(Bitmap);
  const bool Ok = Image.pixel(1, 1) == 0xFF000000u && Image.pixel(6, 6) == 0xFFFFFFFFu;
  std::printf("Gui: %s\n", Ok ? "ok" : "wrong");
  return Ok ? 0 : 1;
}
