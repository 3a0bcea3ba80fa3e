// The README's tour, compiled and run by the tests so that it stays true.
#include <QImage>
#include <QPainterPath>
#include <cstdio>

#include "package/ZKVclCommon.h"

int main() {
  // Build a path by calls, or parse SVG path data (the parser never throws; it
  // keeps what it could read and stops quietly at the first unusable character).
  zk::TZKPathData Path;
  int Changes = 0;
  Path.OnChanged = [&](zk::TObject*) { ++Changes; };  // one call per change or per update bracket
  Path.SetPathString("M4,4 h16 v16 h-16 z M8,8 a4,4 0 1 0 8,0 a4,4 0 1 0 -8,0");
  Path.BeginUpdate();                                 // one notification for what follows
  Path.AddEllipse({0, 0, 24, 12});                    // a move and four curves
  Path.EndUpdate();
  const std::string Text = Path.GetPathString();       // "M4,4 L20,4 ... Z " (absolute M, L, C, Z)

  const zk::TRectF Box = Path.GetBounds();             // control-polygon box, cached
  const double Length = Path.GetLength();              // measured once, then cached
  const bool Hit = Path.PointInPath(6, 18);            // even-odd fill test
  const bool OnStroke = Path.PointInPathOutline({4, 10}, 2);  // within a 2-unit stroke
  Path.ApplyMatrix(zk::CreateRotationZKMatrix({12, 12}, zk::cPI / 2));  // radians here
  Path.FitToRect({0, 0, 100, 100});

  // Draw on any QPaintDevice through the canvas abstraction.
  QImage Image(128, 128, QImage::Format_ARGB32);
  Image.fill(Qt::white);
  {
    zk::TQtCanvas Canvas(Image);
    Canvas.Brush().SetColor(zk::clSilver);
    Path.FillPath(Canvas, 1);                          // fill and stroke with the canvas's pen and brush
  }

  // Hand the path to Qt, and take Qt's paths back (qt/QtPainterPath.h).
  const QPainterPath Outline = QPainterPathStroker().createStroke(zk::ToQPainterPath(Path));
  zk::TZKPathData Stroke;
  zk::AssignQPainterPath(Stroke, Outline);              // Qt's stroke outline, measured here
  const bool Stroked = Stroke.GetLength() > Path.GetLength();

  // Gradients and text draw on any canvas too.
  QImage Picture(128, 128, QImage::Format_ARGB32);
  Picture.fill(Qt::white);
  std::string Lines;
  {
    zk::TQtCanvas Canvas(Picture);
    const zk::TColor Colors[] = {zk::clNavy, zk::clAqua, zk::clYellow};
    zk::LineGradient(Canvas, {0, 0, 128, 32}, Colors, 2, zk::diHorizontal);        // bands, 2 px each
    zk::DirectionGradient(Canvas, {0, 32, 128, 64}, Colors, zk::gdDownRight, 1);   // first two colours, one triangle fill
    zk::EllipseGradient(Canvas, {0, 64, 128, 128}, 0.3f, 0.3f, Colors, 2.0f);      // round a focus
    Lines = zk::WrapCanvasText(Canvas, "Some 'quoted words' and more", 60);   // CR LF breaks
    zk::DrawTextLabel(Canvas, "Bottom of the box", zk::DT_BOTTOM | zk::DT_WORDBREAK, {0, 0, 60, 120});
    zk::RotateFont(Canvas.Font(), 45, Canvas);                    // text now runs up at 45 degrees
  }
  const zk::TColor Mid = zk::InterpolateColor(zk::clBlack, zk::clBtnFace, 0.5f);   // system colours resolved
  const QRgb Corner = Picture.pixel(0, 0), Diagonal = Picture.pixel(127, 63);
  const bool Gradients = qBlue(Corner) == 0x80 && qRed(Corner) == 0 && qGreen(Diagonal) > 0xC0 && Mid == 0x787878;

  // Store a path in a component form file.
  zk::TMemoryStream Stream;
  zk::TWriter(Stream).WriteRootObject(Path, "Outline");  // object Outline: TZKPathData ... end

  std::printf("%s\n%d changes, bounds (%g,%g,%g,%g), length %.3f, hit %d, on stroke %d, %lld bytes of form text\n",
              Text.c_str(), Changes, Box.Left, Box.Top, Box.Right, Box.Bottom, Length, Hit, OnStroke,
              static_cast<long long>(Stream.Size()));
  const bool Painted = Image.pixel(50, 50) != QColor(Qt::white).rgb() || Image.pixel(20, 20) != QColor(Qt::white).rgb();
  return Changes == 4 && Stroked && Hit && OnStroke && Stream.Size() > 0 && Painted && Gradients &&
                 !Lines.empty()
             ? 0
             : 1;
}
