#pragma once
/// The device context: the low-level drawing target behind a canvas, and the
/// free functions named after the platform calls that act on it.
///
/// A device context has a current position, a polygon fill mode and, between
/// `BeginPath` and `EndPath`, a path under construction. Inside that bracket
/// `MoveToEx`, `LineTo`, `PolyBezierTo` and `CloseFigure` add to the path
/// instead of drawing; `StrokePath` and `StrokeAndFillPath` then paint the
/// closed path with the current pen (and brush) and discard it. Outside the
/// bracket `LineTo` and `PolyBezierTo` draw directly with the pen.
///
/// The same context fills triangles with colour gradients (`GradientFill`),
/// draws text in a rectangle (`DrawTextW`) and reports the measures of its
/// font (`GetTextMetricsW`).
///
/// Every function answers false (and does nothing) for a null context or a
/// call out of order (`EndPath` without `BeginPath`, `StrokePath` without an
/// ended path, a point count that is not a multiple of 3); drawing callers do
/// not check the result, so a failed call simply draws nothing.
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "runtime/Records.h"

namespace zk {

class TDeviceContext;
/// A device context handle; a canvas hands out its own (`TCanvas::Handle`).
using HDC = TDeviceContext*;

/// A vertex of a gradient fill: device coordinates and a 16-bit value per
/// channel, a byte b stored as b * 256 (b shifted left by 8).
struct TTriVertex {
  ///@{
  /// The position in device pixels.
  std::int32_t x = 0;
  std::int32_t y = 0;
  ///@}
  ///@{
  /// The channels, a byte b stored as b * 256.
  std::uint16_t Red = 0;
  std::uint16_t Green = 0;
  std::uint16_t Blue = 0;
  std::uint16_t Alpha = 0;
  ///@}
  friend constexpr bool operator==(const TTriVertex&, const TTriVertex&) = default;
};
/// A pointer to a vertex, as the platform's headers name it.
using PTriVertex = TTriVertex*;
static_assert(sizeof(TTriVertex) == 16);

/// Polygon fill mode: the even-odd rule.
inline constexpr int ALTERNATE = 1;
/// Polygon fill mode: the non-zero winding rule.
inline constexpr int WINDING = 2;

/// Opens a path bracket, discarding any path open or ended before; the
/// moves, lines and curves that follow build the path instead of drawing.
bool BeginPath(HDC DC);
/// Moves the current position to (X, Y), starting a new figure inside a
/// path bracket; the old position goes to *Previous when it is not null.
bool MoveToEx(HDC DC, int X, int Y, TPoint* Previous);
/// A straight segment from the current position to (X, Y), which becomes the
/// current position.
bool LineTo(HDC DC, int X, int Y);
/// Cubic Bezier segments from the current position: three points per segment
/// (two control points, then the end point). A count that is not a multiple
/// of 3 fails.
bool PolyBezierTo(HDC DC, std::span<const TPoint> Points);
/// Closes the current figure of the path with a line back to its start.
bool CloseFigure(HDC DC);
/// Ends the path bracket; the path stays selected for `StrokePath` and
/// `StrokeAndFillPath`.
bool EndPath(HDC DC);
/// Outlines the selected path with the current pen and discards it.
bool StrokePath(HDC DC);
/// Closes every open figure of the selected path, fills it with the current
/// brush under the polygon fill mode, outlines it with the pen, and discards
/// it.
bool StrokeAndFillPath(HDC DC);

/// The polygon fill mode (`ALTERNATE` for a new context; 0 for a null one).
int GetPolyFillMode(HDC DC);
/// Sets `ALTERNATE` or `WINDING` and returns the previous mode; any other
/// value (or a null context) changes nothing and returns 0.
int SetPolyFillMode(HDC DC, int Mode);

///@{
/// Gradient fill modes. Only triangles are drawn; the rectangle modes are
/// named so that a caller passing one gets a clear false.
inline constexpr std::uint32_t GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1,
                               GRADIENT_FILL_TRIANGLE = 2;
///@}

/// Three indexes into the vertex list of `GradientFill`.
struct TGradientTriangle {
  ///@{
  /// The corners, as indexes into the vertex list.
  std::uint32_t Vertex1 = 0;
  std::uint32_t Vertex2 = 0;
  std::uint32_t Vertex3 = 0;
  ///@}
  friend constexpr bool operator==(const TGradientTriangle&, const TGradientTriangle&) = default;
};

/// Fills each triangle so that every pixel gets the linear (barycentric)
/// blend of its three vertex colours (Alpha is ignored). Raster devices are
/// exact to one step per channel; vector devices (PDF, SVG) get one linear
/// gradient clipped to the triangle, exact whenever the three colours lie on
/// one line in RGB space. False, drawing nothing, for a null context, a mode
/// other than `GRADIENT_FILL_TRIANGLE`, no vertices or triangles, or an index
/// outside the vertex list.
bool GradientFill(HDC DC, std::span<const TTriVertex> Vertices,
                  std::span<const TGradientTriangle> Triangles, std::uint32_t Mode);

///@{
/// Flags of `DrawTextW`. Vertical alignment (`DT_VCENTER`, `DT_BOTTOM`)
/// applies to single-line text only; without `DT_SINGLELINE` text breaks at
/// line feeds, and with `DT_WORDBREAK` also between words that would cross
/// the right edge. Text is clipped to the rectangle unless `DT_NOCLIP`.
inline constexpr std::uint32_t DT_TOP = 0, DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2,
                               DT_VCENTER = 4, DT_BOTTOM = 8, DT_WORDBREAK = 16,
                               DT_SINGLELINE = 32, DT_NOCLIP = 256;
///@}

/// Draws Text (UTF-8) in Rect with the canvas's font, aligned by Format, on
/// the brush colour unless the brush is clear; a font with an escapement
/// turns the text about the start of its first line. Answers the height of
/// the text drawn, 0 for a null context or an empty text.
int DrawTextW(HDC DC, std::string_view Text, const TRect& Rect, std::uint32_t Format);

/// The measures of the font selected into a device context, in pixels.
struct TTextMetric {
  /// Ascent plus descent.
  std::int32_t tmHeight = 0;
  /// From the baseline up to the top of the cell.
  std::int32_t tmAscent = 0;
  /// From the baseline down to the bottom of the cell.
  std::int32_t tmDescent = 0;
  /// Accent room inside the height.
  std::int32_t tmInternalLeading = 0;
  /// Room the font suggests between rows, outside the height.
  std::int32_t tmExternalLeading = 0;
  /// The average width of a character (of "x", for most fonts).
  std::int32_t tmAveCharWidth = 0;
  /// The widest character.
  std::int32_t tmMaxCharWidth = 0;
  /// The weight, 400 normal and 700 bold.
  std::int32_t tmWeight = 0;
  ///@{
  /// Non-zero for an italic, underlined or struck-out font.
  std::uint8_t tmItalic = 0;
  std::uint8_t tmUnderlined = 0;
  std::uint8_t tmStruckOut = 0;
  ///@}
  /// `TMPF_TRUETYPE` for a scalable outline font, `TMPF_FIXED_PITCH` (set,
  /// as the platform has it, for a variable-pitch font).
  std::uint8_t tmPitchAndFamily = 0;
  /// The character set (`ANSI_CHARSET`, ...).
  std::uint8_t tmCharSet = 0;
  friend constexpr bool operator==(const TTextMetric&, const TTextMetric&) = default;
};
///@{
/// Bits of `TTextMetric::tmPitchAndFamily`.
inline constexpr std::uint8_t TMPF_FIXED_PITCH = 1, TMPF_VECTOR = 2, TMPF_TRUETYPE = 4;
///@}

/// Fills *Metrics for the device context's current font; false (and
/// *Metrics untouched) for a null context or a null pointer.
bool GetTextMetricsW(HDC DC, TTextMetric* Metrics);

/// The calls a backend receives, one record per call of the functions above,
/// each after the base has validated it and updated the shared state. A new
/// call is one record here (and its free function); every backend overloads
/// `Dc` for every record of `TDcCall`, so a backend that misses one does not
/// compile.
namespace dc {
/// Opens a path bracket.
struct TBeginPath {};
/// Moves the current position (inside a path bracket, starts a figure).
struct TMoveTo {
  TPoint P;  ///< the new current position
};
/// `From` is the current position before the call.
struct TLineTo {
  TPoint From;  ///< the current position before the call
  TPoint To;    ///< the end, the new current position
};
/// Cubic segments from From, three points each (the count is a multiple of 3).
struct TPolyBezierTo {
  TPoint From;                     ///< the current position before the call
  std::span<const TPoint> Points;  ///< control, control, end; then the next segment
};
/// Closes the figure inside the path bracket.
struct TCloseFigure {};
/// Ends the path bracket; the path is kept for the stroke that follows.
struct TEndPath {};
/// Paints the ended path with the pen, and with the brush too when Fill.
struct TStrokePath {
  bool Fill;  ///< `StrokeAndFillPath` rather than `StrokePath`
};
/// The polygon fill mode changed.
struct TPolyFillModeChanged {
  int Mode;  ///< `ALTERNATE` or `WINDING`
};
/// Indexes are checked against Vertices; the mode is triangles.
struct TGradientFill {
  std::span<const TTriVertex> Vertices;         ///< the vertices
  std::span<const TGradientTriangle> Triangles;  ///< the triangles, by vertex index
};
/// Text is not empty. The backend stores the drawn text's height in Height.
struct TDrawText {
  std::string_view Text;  ///< UTF-8
  TRect Rect;             ///< the box the text is laid out in
  std::uint32_t Format;   ///< the `DT_` flags
  int* Height;            ///< where the backend stores the height drawn
};
/// The backend fills *Metrics (not null).
struct TGetTextMetrics {
  TTextMetric* Metrics;  ///< filled by the backend
};
} // namespace dc

/// One call of the device context, as a backend receives it.
using TDcCall = std::variant<dc::TBeginPath, dc::TMoveTo, dc::TLineTo, dc::TPolyBezierTo,
                             dc::TCloseFigure, dc::TEndPath, dc::TStrokePath,
                             dc::TPolyFillModeChanged, dc::TGradientFill, dc::TDrawText,
                             dc::TGetTextMetrics>;

/// What a backend implements for the free functions above. The base keeps the
/// state every backend shares (current position, fill mode, whether a path is
/// open or selected) and checks the call order, so the backend is only
/// called for a call that is valid at that point.
class TDeviceContext {
public:
  virtual ~TDeviceContext() = default;

  /// The current position, shared with the canvas's `MoveTo`/`LineTo`.
  TPoint CurrentPosition() const noexcept { return FPosition; }
  /// The polygon fill mode: `ALTERNATE` (the default) or `WINDING`.
  int PolyFillMode() const noexcept { return FPolyFillMode; }

protected:
  /// Where the path bracket stands: none, open (after `BeginPath`), or
  /// ended and waiting for a stroke.
  enum class TPathState : std::uint8_t { None, Open, Closed };

  /// Sets the current position without drawing.
  void SetCurrentPosition(const TPoint& P) noexcept { FPosition = P; }
  /// The state of the path bracket.
  TPathState PathState() const noexcept { return FPathState; }

  /// The one backend hook. Backends implement it as
  /// `std::visit([this](const auto& C) { Dc(C); }, Call);` with one `Dc`
  /// overload per record.
  virtual void DcCall(const TDcCall& Call) = 0;

private:
  friend bool BeginPath(HDC);
  friend bool MoveToEx(HDC, int, int, TPoint*);
  friend bool LineTo(HDC, int, int);
  friend bool PolyBezierTo(HDC, std::span<const TPoint>);
  friend bool CloseFigure(HDC);
  friend bool EndPath(HDC);
  friend bool StrokePath(HDC);
  friend bool StrokeAndFillPath(HDC);
  friend int SetPolyFillMode(HDC, int);
  friend bool GradientFill(HDC, std::span<const TTriVertex>, std::span<const TGradientTriangle>,
                           std::uint32_t);
  friend int DrawTextW(HDC, std::string_view, const TRect&, std::uint32_t);
  friend bool GetTextMetricsW(HDC, TTextMetric*);

  TPoint FPosition;
  int FPolyFillMode = ALTERNATE;
  TPathState FPathState = TPathState::None;
};

} // namespace zk
