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
/// Every function answers false (and does nothing) for a null context or a
/// call out of order (`EndPath` without `BeginPath`, `StrokePath` without an
/// ended path, a point count that is not a multiple of 3); drawing callers do
/// not check the result, so a failed call simply draws nothing.
#include <cstdint>
#include <span>

#include "runtime/Records.h"

namespace zk {

class TDeviceContext;
/// A device context handle; a canvas hands out its own (`TCanvas::Handle`).
using HDC = TDeviceContext*;

/// A vertex of a gradient fill: device coordinates and a 16-bit value per
/// channel, a byte b stored as b * 256 (b shifted left by 8).
struct TTriVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint16_t Red = 0;
  std::uint16_t Green = 0;
  std::uint16_t Blue = 0;
  std::uint16_t Alpha = 0;
  friend constexpr bool operator==(const TTriVertex&, const TTriVertex&) = default;
};
using PTriVertex = TTriVertex*;
static_assert(sizeof(TTriVertex) == 16);

/// Polygon fill modes: `ALTERNATE` is the even-odd rule, `WINDING` non-zero.
inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

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

/// What a backend implements for the free functions above. The base keeps the
/// state every backend shares (current position, fill mode, whether a path is
/// open or selected) and checks the call order, so a backend hook is only
/// called for a call that is valid at that point.
class TDeviceContext {
public:
  virtual ~TDeviceContext() = default;

  /// The current position, shared with the canvas's `MoveTo`/`LineTo`.
  TPoint CurrentPosition() const noexcept { return FPosition; }
  int PolyFillMode() const noexcept { return FPolyFillMode; }

protected:
  enum class TPathState : std::uint8_t { None, Open, Closed };

  /// Sets the current position without drawing.
  void SetCurrentPosition(const TPoint& P) noexcept { FPosition = P; }
  TPathState PathState() const noexcept { return FPathState; }

  /// Hooks, called after the base has validated the call. `From` is the
  /// current position before the call; the base moves it afterwards.
  virtual void DcBeginPath() = 0;
  virtual void DcMoveTo(const TPoint& P) = 0;
  virtual void DcLineTo(const TPoint& From, const TPoint& To) = 0;
  virtual void DcPolyBezierTo(const TPoint& From, std::span<const TPoint> Points) = 0;
  virtual void DcCloseFigure() = 0;
  virtual void DcEndPath() = 0;
  virtual void DcStrokePath(bool Fill) = 0;
  /// Called after the fill mode changed; backends that cache it refresh.
  virtual void DcPolyFillModeChanged() {}

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

  TPoint FPosition;
  int FPolyFillMode = ALTERNATE;
  TPathState FPathState = TPathState::None;
};

} // namespace zk
