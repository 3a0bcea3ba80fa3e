#include "qt/QtCanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include "canvas/Graphics.h"
#include "qt/QtBitmap.h"
#include "qt/QtConversions.h"
#include "qt/QtGradientFill.h"
#include "qt/QtText.h"

namespace zk {

namespace {

// The rectangle a box (two corners, in any order) covers: Left..Right-1 and
// Top..Bottom-1. Outlines with a thin pen light exactly those pixels; fills
// cover the pixels whose centres are inside. Empty when the box has no area.
QRectF BoxRect(const TRect& Box) {
  const double L = std::min(Box.Left, Box.Right), R = std::max(Box.Left, Box.Right);
  const double T = std::min(Box.Top, Box.Bottom), B = std::max(Box.Top, Box.Bottom);
  return QRectF(L, T, R - L - 1, B - T - 1);
}

bool HasArea(const TRect& Box) { return Box.Left != Box.Right && Box.Top != Box.Bottom; }

// Draws Points as one aliased thin line that paints from the first pixel up
// to but not including the last, in every direction. Qt's thin line always
// leaves out the pixel at the larger coordinate of a segment's major axis,
// so a segment drawn leftward or upward would lose its start pixel and paint
// its end pixel. Instead the line is drawn with both end pixels (square cap)
// and the last segment is clipped to leave out the column (or row, when it
// is steep) of its end pixel: a thin segment has one pixel per step along its
// major axis, so that removes the end pixel only. Earlier segments are drawn
// unclipped, so a line that passes its own end pixel keeps it.
void DrawThinLine(QPainter& Painter, const QPolygonF& Points) {
  QPen Pen = Painter.pen();
  Pen.setCapStyle(Qt::SquareCap);
  Painter.setPen(Pen);
  const qsizetype N = Points.size();
  if (N > 2) {
    Painter.drawPolyline(Points.constData(), static_cast<int>(N - 1));
    // A thin dash pattern advances one pixel per step along the major axis;
    // the last segment carries it on from where the earlier ones left it.
    double Steps = 0;
    for (qsizetype I = 1; I + 1 < N; ++I) {
      const QPointF D = Points[I] - Points[I - 1];
      Steps += std::max(std::abs(D.x()), std::abs(D.y()));
    }
    Pen.setDashOffset(Pen.dashOffset() + Steps);
    Painter.setPen(Pen);
  }
  const QPointF From = Points[N - 2], To = Points[N - 1], D = To - From;
  // The segment's pixels with a pixel to spare on each side, as edges of
  // whole pixels (right and bottom exclusive), kept well inside int.
  const auto Edge = [](double V) { return static_cast<int>(std::clamp(V, -1e9, 1e9)); };
  int Left = Edge(std::min(From.x(), To.x()) - 1), Right = Edge(std::max(From.x(), To.x()) + 2);
  int Top = Edge(std::min(From.y(), To.y()) - 1), Bottom = Edge(std::max(From.y(), To.y()) + 2);
  if (std::abs(D.x()) >= std::abs(D.y()))
    (D.x() > 0 ? Right : Left) = Edge(D.x() > 0 ? To.x() : To.x() + 1);
  else
    (D.y() > 0 ? Bottom : Top) = Edge(D.y() > 0 ? To.y() : To.y() + 1);
  const QRect Keep(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1));
  if (Painter.hasClipping()) {
    Painter.save();
    Painter.setClipRect(Keep, Qt::IntersectClip);
    Painter.drawLine(From, To);
    Painter.restore();
  } else {
    Painter.setClipRect(Keep);
    Painter.drawLine(From, To);
    Painter.setClipping(false);
  }
}

// Direction of the ray from C through P in degrees, counter-clockwise on
// screen (y grows downward) from the positive x axis.
double RayAngle(const QPointF& C, const TPoint& P) {
  return std::atan2(C.y() - P.Y, P.X - C.x()) * 180.0 / 3.14159265358979323846;
}

// Start angle and counter-clockwise sweep in (0, 360] from the start ray to
// the end ray; equal rays sweep the whole ellipse.
std::pair<double, double> ArcAngles(const QRectF& R, const TPoint& Start, const TPoint& End) {
  const double A0 = RayAngle(R.center(), Start);
  double Sweep = RayAngle(R.center(), End) - A0;
  while (Sweep <= 0) Sweep += 360;
  return {A0, Sweep};
}

Qt::PenStyle ToQtPenStyle(TPenStyle Style) {
  switch (Style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: break;
  }
  return Qt::SolidLine;
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle Style) {
  switch (Style) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    case bsSolid: break;
  }
  return Qt::SolidPattern;
}

} // namespace

struct TQtCanvas::TImpl {
  std::unique_ptr<QPainter> OwnPainter;
  QPainterPath Path;        // the device context's path
  bool FigureOpen = false;  // the path has a figure a segment can continue
};

namespace {
Qt::FillRule FillRuleOf(const TCanvas& Canvas) noexcept {
  return Canvas.PolyFillMode() == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
}
} // namespace

TQtCanvas::TQtCanvas() : FImpl(std::make_unique<TImpl>()) {}

TQtCanvas::TQtCanvas(QPaintDevice& Device) : TQtCanvas() { SetDevice(&Device); }

TQtCanvas::TQtCanvas(QPainter& Painter) : TQtCanvas() {
  FPainter = &Painter;
  SetAntialiased(FAntialiased);
}

TQtCanvas::~TQtCanvas() = default;

void TQtCanvas::SetDevice(QPaintDevice* Device) {
  std::unique_ptr<QPainter>& Own = FImpl->OwnPainter;
  if (Own && Own->isActive()) Own->end();
  FPainter = nullptr;
  if (Device == nullptr) return;
  if (!Own) Own = std::make_unique<QPainter>();
  if (!Own->begin(Device)) return;
  FPainter = Own.get();
  SetAntialiased(FAntialiased);
}

void TQtCanvas::SetAntialiased(bool Value) {
  FAntialiased = Value;
  if (FPainter != nullptr)
    FPainter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                 QPainter::SmoothPixmapTransform,
                             Value);
}

TColor TQtCanvas::ColorToRGB(TColor Color) const { return ResolveColor(Color); }

QColor TQtCanvas::ToQColor(TColor Color) const { return zk::ToQColor(Color); }

QFont TQtCanvas::ToQFont() const {
  const TFontData& F = Font().Data();
  QFont Q(QString::fromStdString(F.Name));
  // Both signs of the height are read as the pixel size; 0 is the default.
  const long long Pixels = std::llabs(static_cast<long long>(F.Height));
  Q.setPixelSize(Pixels == 0 ? 11 : static_cast<int>(std::min(Pixels, 32767LL)));
  Q.setBold(F.Style[fsBold]);
  Q.setItalic(F.Style[fsItalic]);
  Q.setUnderline(F.Style[fsUnderline]);
  Q.setStrikeOut(F.Style[fsStrikeOut]);
  if (F.Pitch == fpFixed) {
    Q.setFixedPitch(true);
    Q.setStyleHint(QFont::TypeWriter);
  }
  return Q;
}

bool TQtCanvas::Prepare(bool WithPen, bool WithBrush) {
  if (FPainter == nullptr || !FPainter->isActive()) return false;
  const TPenData& P = Pen().Data();
  if (WithPen && P.Style != psClear) {
    QPen Q(ToQColor(P.Color));
    Q.setStyle(ToQtPenStyle(P.Style));
    if (P.Width <= 1) {
      // Width 0 is Qt's one-pixel cosmetic pen; a flat cap leaves out the
      // end pixel of an open line, as the platform does.
      Q.setWidth(0);
      Q.setCapStyle(Qt::FlatCap);
      Q.setJoinStyle(Qt::MiterJoin);
    } else {
      Q.setWidth(P.Width);
      Q.setCapStyle(Qt::RoundCap);
      Q.setJoinStyle(Qt::RoundJoin);
    }
    FPainter->setPen(Q);
  } else {
    FPainter->setPen(Qt::NoPen);
  }
  const TBrushData& B = Brush().Data();
  if (WithBrush && B.Style != bsClear)
    FPainter->setBrush(QBrush(ToQColor(B.Color), ToQtBrushStyle(B.Style)));
  else
    FPainter->setBrush(Qt::NoBrush);
  return true;
}

// ---- Canvas operations -----------------------------------------------------

void TQtCanvas::DoLineTo(const TPoint& From, const TPoint& To) {
  const TPoint Points[] = {From, To};
  DoPolyline(Points);
}

void TQtCanvas::DoPolygon(std::span<const TPoint> Points) {
  if (Points.size() < 2 || !Prepare(true, true)) return;
  QPolygonF Q;
  Q.reserve(static_cast<qsizetype>(Points.size()));
  for (const TPoint& P : Points) Q.append(ToQPointF(P));
  FPainter->drawPolygon(Q, FillRuleOf(*this));
}

void TQtCanvas::DoPolyline(std::span<const TPoint> Points) {
  if (Points.size() < 2 || !Prepare(true, false)) return;
  QPolygonF Q;
  Q.reserve(static_cast<qsizetype>(Points.size()));
  for (const TPoint& P : Points) Q.append(ToQPointF(P));
  // Pixels are a raster device's; a PDF or SVG gets the exact segments.
  const QPaintEngine* Engine = FPainter->paintEngine();
  if (!FAntialiased && Pen().Data().Width <= 1 && Engine != nullptr &&
      Engine->type() == QPaintEngine::Raster)
    DrawThinLine(*FPainter, Q);
  else
    FPainter->drawPolyline(Q);
}

void TQtCanvas::DoRectangle(const TRect& Box) {
  if (HasArea(Box) && Prepare(true, true)) FPainter->drawRect(BoxRect(Box));
}

void TQtCanvas::DoFillRect(const TRect& R) {
  // Filled straight with the brush, without selecting it into the painter:
  // banded gradients call this once per band.
  const TBrushData& B = Brush().Data();
  if (R.Right <= R.Left || R.Bottom <= R.Top || B.Style == bsClear || FPainter == nullptr ||
      !FPainter->isActive())
    return;
  const double W = static_cast<double>(R.Right) - R.Left, H = static_cast<double>(R.Bottom) - R.Top;
  const QRectF Box(R.Left, R.Top, W, H);
  if (B.Style == bsSolid)
    FPainter->fillRect(Box, ToQColor(B.Color));
  else
    FPainter->fillRect(Box, QBrush(ToQColor(B.Color), ToQtBrushStyle(B.Style)));
}

void TQtCanvas::DoEllipse(const TRect& Box) {
  if (HasArea(Box) && Prepare(true, true)) FPainter->drawEllipse(BoxRect(Box));
}

void TQtCanvas::DoRoundRect(const TRect& Box, int W, int H) {
  if (!HasArea(Box) || !Prepare(true, true)) return;
  FPainter->drawRoundedRect(BoxRect(Box), std::abs(W / 2.0), std::abs(H / 2.0), Qt::AbsoluteSize);
}

void TQtCanvas::DoPie(const TRect& Box, const TPoint& Start, const TPoint& End) {
  if (!HasArea(Box) || !Prepare(true, true)) return;
  const QRectF R = BoxRect(Box);
  const auto [A0, Sweep] = ArcAngles(R, Start, End);
  QPainterPath Path(R.center());
  Path.arcTo(R, A0, Sweep);
  Path.closeSubpath();
  FPainter->drawPath(Path);
}

void TQtCanvas::DoChord(const TRect& Box, const TPoint& Start, const TPoint& End) {
  if (!HasArea(Box) || !Prepare(true, true)) return;
  const QRectF R = BoxRect(Box);
  const auto [A0, Sweep] = ArcAngles(R, Start, End);
  QPainterPath Path;
  Path.arcMoveTo(R, A0);
  Path.arcTo(R, A0, Sweep);
  Path.closeSubpath();
  FPainter->drawPath(Path);
}

void TQtCanvas::DoTextOut(int X, int Y, std::string_view Text) {
  // Fonts need a GUI application; without one, text draws nothing.
  if (qGuiApp == nullptr || Text.empty() || !Prepare(false, true)) return;
  const QString S = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
  const QFont F = ToQFont();
  const QFontMetrics Metrics(F, FPainter->device());
  FPainter->save();
  FPainter->translate(X, Y);
  FPainter->rotate(-Font().Orientation() / 10.0);
  if (Brush().Style() != bsClear)
    FPainter->fillRect(QRectF(0, 0, Metrics.horizontalAdvance(S), Metrics.height()),
                       FPainter->brush());
  FPainter->setFont(F);
  FPainter->setPen(ToQColor(Font().Color()));
  FPainter->drawText(QPointF(0, Metrics.ascent()), S);
  FPainter->restore();
}

TSize TQtCanvas::DoTextExtent(std::string_view Text) {
  if (qGuiApp == nullptr) return {};
  const QString S = QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
  const QFontMetrics Metrics(ToQFont(), FPainter != nullptr ? FPainter->device() : nullptr);
  return {Metrics.horizontalAdvance(S), Metrics.height()};
}

void TQtCanvas::DoDraw(int X, int Y, const TGraphic& Graphic) {
  const auto* Bitmap = dynamic_cast<const TBitmap*>(&Graphic);
  if (Bitmap == nullptr || Bitmap->Empty() || !Prepare(false, false)) return;
  FPainter->drawImage(QPointF(X, Y), BitmapImage(*Bitmap));
}

void TQtCanvas::DoStretchDraw(const TRect& R, const TGraphic& Graphic) {
  const auto* Bitmap = dynamic_cast<const TBitmap*>(&Graphic);
  if (Bitmap == nullptr || Bitmap->Empty() || !Prepare(false, false)) return;
  const double W = static_cast<double>(R.Right) - R.Left, H = static_cast<double>(R.Bottom) - R.Top;
  FPainter->drawImage(QRectF(R.Left, R.Top, W, H), BitmapImage(*Bitmap));
}

// ---- Device-context path ---------------------------------------------------

void TQtCanvas::DcCall(const TDcCall& Call) {
  std::visit([this](const auto& C) { Dc(C); }, Call);
}

void TQtCanvas::Dc(const dc::TBeginPath&) {
  FImpl->Path.clear();
  FImpl->FigureOpen = false;
}

void TQtCanvas::StartFigureAt(const TPoint& From) {
  if (FImpl->FigureOpen) return;
  FImpl->Path.moveTo(ToQPointF(From));
  FImpl->FigureOpen = true;
}

void TQtCanvas::Dc(const dc::TMoveTo& C) {
  if (PathState() != TPathState::Open) return;
  FImpl->Path.moveTo(ToQPointF(C.P));
  FImpl->FigureOpen = true;
}

void TQtCanvas::Dc(const dc::TLineTo& C) {
  if (PathState() != TPathState::Open) return DoLineTo(C.From, C.To);
  StartFigureAt(C.From);
  FImpl->Path.lineTo(ToQPointF(C.To));
}

void TQtCanvas::Dc(const dc::TPolyBezierTo& C) {
  const bool InPath = PathState() == TPathState::Open;
  QPainterPath Direct;
  QPainterPath& Target = InPath ? FImpl->Path : Direct;
  if (InPath)
    StartFigureAt(C.From);
  else
    Direct.moveTo(ToQPointF(C.From));
  const std::span<const TPoint> Points = C.Points;
  for (std::size_t I = 0; I + 2 < Points.size(); I += 3)
    Target.cubicTo(ToQPointF(Points[I]), ToQPointF(Points[I + 1]), ToQPointF(Points[I + 2]));
  if (!InPath && Prepare(true, false)) FPainter->drawPath(Direct);
}

void TQtCanvas::Dc(const dc::TCloseFigure&) {
  FImpl->Path.closeSubpath();
  FImpl->FigureOpen = false;
}

void TQtCanvas::Dc(const dc::TStrokePath& C) {
  if (Prepare(true, C.Fill)) {
    FImpl->Path.setFillRule(FillRuleOf(*this));
    FPainter->drawPath(FImpl->Path);
  }
  FImpl->Path.clear();
  FImpl->FigureOpen = false;
}

// ---- Device-context gradients and text -------------------------------------

void TQtCanvas::Dc(const dc::TGradientFill& C) {
  if (Prepare(false, false)) QtGradientFill(*FPainter, C.Vertices, C.Triangles);
}

void TQtCanvas::Dc(const dc::TDrawText& C) {
  // Fonts need a GUI application; without one, text draws nothing.
  if (qGuiApp == nullptr || !Prepare(false, true)) return;
  const QBrush Background = FPainter->brush();
  *C.Height = QtDrawText(*FPainter, {ToQFont(), ToQColor(Font().Color()), Background,
                                     Font().Orientation() / 10.0},
                         C.Text, C.Rect, C.Format);
}

void TQtCanvas::Dc(const dc::TGetTextMetrics& C) {
  if (qGuiApp != nullptr)
    *C.Metrics = QtTextMetrics(ToQFont(), FPainter != nullptr ? FPainter->device() : nullptr,
                               Font().Charset());
}

} // namespace zk
