#pragma once
/// `TQtCanvas`: the canvas drawn by a `QPainter` on any `QPaintDevice` (a
/// `QImage` for PNG output, a widget, a `QPdfWriter`, a `QSvgGenerator`).
///
/// It keeps the platform conventions of canvas/Canvas.h; drawing is aliased
/// unless `SetAntialiased(true)`, so integer coordinates hit predictable
/// pixels: a line or outline at integer coordinates lights the pixels to the
/// right of and below the mathematical line, and a fill covers the pixels
/// whose centres lie inside the shape. The end pixel of a thin line is left
/// out on raster devices (images, widgets); a PDF or SVG gets the exact
/// segments. A wider pen has round caps that cover both ends alike.
#include <memory>

#include <QColor>
#include <QFont>

#include "canvas/Canvas.h"

class QPaintDevice;
class QPainter;

namespace zk {

/// The canvas drawn by a `QPainter`: on any `QPaintDevice` (an image, a
/// widget, a PDF or SVG generator) or on a painter the caller owns.
class TQtCanvas : public TCanvas {
public:
  /// A canvas with no device: it draws nothing until `SetDevice`.
  TQtCanvas();
  /// Paints on Device with a painter of its own, from now until the canvas
  /// is destroyed or given another device. The device must outlive that.
  explicit TQtCanvas(QPaintDevice& Device);
  /// Paints with a painter the caller has begun (a widget's paint event);
  /// the painter's state is changed as drawing needs and must outlive the
  /// canvas.
  explicit TQtCanvas(QPainter& Painter);
  ~TQtCanvas() override;

  std::string ClassName() const override { return "TQtCanvas"; }

  /// Ends painting on the current device (flushing it) and begins on Device;
  /// null just ends. Pen, brush, font and position stay.
  void SetDevice(QPaintDevice* Device);
  /// The painter in use; null without a device.
  QPainter* Painter() const noexcept { return FPainter; }

  ///@{
  /// Whether shapes and lines are anti-aliased; off to start with, so
  /// integer coordinates hit whole pixels as the platform's canvas does.
  bool Antialiased() const noexcept { return FAntialiased; }
  void SetAntialiased(bool Value);
  ///@}

  /// System colours from the application palette when a GUI application
  /// exists (window, button face, highlight, ...), else the classic scheme
  /// (`ResolveColor` of qt/QtConversions.h).
  TColor ColorToRGB(TColor Color) const override;

  /// The Qt colour of a canvas colour (system colours resolved), `zk::ToQColor`.
  QColor ToQColor(TColor Color) const;
  /// The Qt font the canvas font maps to.
  QFont ToQFont() const;

protected:
  void DoLineTo(const TPoint& From, const TPoint& To) override;
  void DoPolygon(std::span<const TPoint> Points) override;
  void DoPolyline(std::span<const TPoint> Points) override;
  void DoRectangle(const TRect& Box) override;
  void DoFillRect(const TRect& R) override;
  void DoEllipse(const TRect& Box) override;
  void DoRoundRect(const TRect& Box, int W, int H) override;
  void DoPie(const TRect& Box, const TPoint& Start, const TPoint& End) override;
  void DoChord(const TRect& Box, const TPoint& Start, const TPoint& End) override;
  void DoTextOut(int X, int Y, std::string_view Text) override;
  TSize DoTextExtent(std::string_view Text) override;
  void DoDraw(int X, int Y, const TGraphic& Graphic) override;
  void DoStretchDraw(const TRect& R, const TGraphic& Graphic) override;

  void DcCall(const TDcCall& Call) override;

private:
  // The painter this canvas owns and the device context's path, kept out of
  // this header.
  struct TImpl;

  /// Selects the canvas pen and brush (or none) into the painter; false when
  /// there is nothing to paint on.
  bool Prepare(bool WithPen, bool WithBrush);
  void StartFigureAt(const TPoint& From);

  void Dc(const dc::TBeginPath&);
  void Dc(const dc::TMoveTo& C);
  void Dc(const dc::TLineTo& C);
  void Dc(const dc::TPolyBezierTo& C);
  void Dc(const dc::TCloseFigure&);
  void Dc(const dc::TEndPath&) {}
  void Dc(const dc::TStrokePath& C);
  void Dc(const dc::TPolyFillModeChanged&) {}
  void Dc(const dc::TGradientFill& C);
  void Dc(const dc::TDrawText& C);
  void Dc(const dc::TGetTextMetrics& C);

  std::unique_ptr<TImpl> FImpl;
  QPainter* FPainter = nullptr;
  bool FAntialiased = false;
};

} // namespace zk
