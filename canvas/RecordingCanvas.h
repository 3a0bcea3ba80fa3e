#pragma once
/// A canvas that draws nothing and records every drawing call: canvas
/// operations and device-context path calls, each with its integer arguments
/// and the pen, brush, font and fill mode in force at that moment. Tests
/// assert on the record; applications inspect it or replay it on another
/// canvas.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/Canvas.h"

namespace zk {

/// What a recorded call was.
enum class TCanvasOp : std::uint8_t {
  // Canvas operations.
  MoveTo, LineTo, Polygon, Polyline, Rectangle, FillRect, Ellipse, RoundRect, Pie, Chord,
  TextOut, Draw, StretchDraw,
  // Device-context calls.
  BeginPath, MoveToEx, DcLineTo, PolyBezierTo, CloseFigure, EndPath, StrokePath,
  StrokeAndFillPath, SetPolyFillMode, GradientFill, DrawText
};

/// The operation's name as written in a call log ("MoveToEx"; the device
/// context's LineTo is "LineTo(DC)" to tell it from the canvas's).
std::string_view CanvasOpName(TCanvasOp Op) noexcept;

/// One recorded call.
///
/// Args holds the integer arguments in the order of the call, points
/// flattened to X, Y: `MoveTo`/`LineTo`/`MoveToEx`/`LineTo(DC)` (X, Y);
/// `Polygon`/`Polyline`/`PolyBezierTo` the points; `Rectangle`/`FillRect`/
/// `Ellipse` (X1, Y1, X2, Y2); `RoundRect` the box then W, H; `Pie`/`Chord`
/// the eight integers; `TextOut` (X, Y) with the text in Text; `Draw` (X, Y,
/// width, height of the graphic); `StretchDraw` the rectangle then the
/// graphic's width and height; `SetPolyFillMode` the mode; `GradientFill`
/// the vertex count, each vertex's x, y, Red, Green, Blue, Alpha, then each
/// triangle's three indexes; `DrawText` the rectangle then the format, with
/// the text in Text. Path calls without arguments have none.
struct TCanvasCall {
  ///@{
  /// The operation, its integer arguments and its text (see above).
  TCanvasOp Op = TCanvasOp::MoveTo;
  std::vector<std::int32_t> Args;
  std::string Text;
  ///@}
  ///@{
  /// The pen, brush, font and polygon fill mode in force at the call.
  TPenData Pen;
  TBrushData Brush;
  TFontData Font;
  int PolyFillMode = ALTERNATE;
  ///@}

  /// "Name(a,b,...)", with a `TextOut` or `DrawText` text appended in quotes:
  /// "MoveToEx(2,4)", "EndPath()", "TextOut(1,2,\"Hi\")".
  std::string ToString() const;
};

/// A canvas that paints nothing and records each call (`Calls`, `Log`), to
/// be inspected or replayed on another canvas.
class TRecordingCanvas : public TCanvas {
public:
  std::string ClassName() const override { return "TRecordingCanvas"; }

  /// The calls recorded so far, oldest first.
  const std::vector<TCanvasCall>& Calls() const noexcept { return FCalls; }
  /// The calls as `ToString` writes them, one per call.
  std::vector<std::string> Log() const;
  /// Forgets the calls; pen, brush, font and position stay.
  void Clear() noexcept { FCalls.clear(); }

  /// Draws the record on Target: each call with its recorded pen, brush, font
  /// and fill mode, which Target keeps afterwards. Pictures are recorded by
  /// size only, so `Draw` and `StretchDraw` are not replayed.
  void Replay(TCanvas& Target) const;

  /// Text metrics of a fixed, font-independent shape so that layouts can be
  /// checked exactly: every Unicode character is (|Height| + 1) / 2 pixels
  /// wide and the text is |Height| pixels high (measuring records nothing).
  static TSize FixedTextExtent(std::string_view Text, std::int32_t FontHeight) noexcept;

  /// Whether `GetTextMetricsW` reports the fixed font as a TrueType font
  /// (it does unless told otherwise), so that callers' handling of other
  /// fonts can be checked.
  void SetTrueTypeFonts(bool Value) noexcept { FTrueTypeFonts = Value; }

protected:
  void DoMoveTo(const TPoint& P) override;
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
  TCanvasCall& Record(TCanvasOp Op, std::initializer_list<std::int32_t> Args = {});
  TCanvasCall& RecordPoints(TCanvasOp Op, std::span<const TPoint> Points);

  void Dc(const dc::TBeginPath&);
  void Dc(const dc::TMoveTo& C);
  void Dc(const dc::TLineTo& C);
  void Dc(const dc::TPolyBezierTo& C);
  void Dc(const dc::TCloseFigure&);
  void Dc(const dc::TEndPath&);
  void Dc(const dc::TStrokePath& C);
  void Dc(const dc::TPolyFillModeChanged& C);
  void Dc(const dc::TGradientFill& C);
  void Dc(const dc::TDrawText& C);
  void Dc(const dc::TGetTextMetrics& C);

  std::vector<TCanvasCall> FCalls;
  bool FTrueTypeFonts = true;
};

} // namespace zk
