#pragma once
/// Arrows with heads and captions, pie slices and donut (ring) slices.
///
/// They draw with the caller's pen (strokes), brush (fills) and font
/// (captions). Angles are degrees; angle 0 points right (east) and growing
/// angles turn counter-clockwise on screen.
#include <cstdint>
#include <string_view>

#include "canvas/Canvas.h"
#include "runtime/Records.h"
#include "runtime/Set.h"

namespace zk {

/// What `DrawArrow` draws: a head at the start and/or at the end, a filled or
/// closed (outlined) head instead of an open one, and the caption.
enum TArrowOption : std::uint8_t {
  aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoClosedHead, aoDrawCaption
};
/// A set of arrow options, stored in one byte (bit n for option n).
using TArrowOptions = TSet<TArrowOption, 5>;

/// An arrow from (X1, Y1) to (X2, Y2); coincident points draw nothing.
///
/// - Caption (UTF-8, lines split at CR LF): drawn first, only with
///   `aoDrawCaption`, line k with `TextOut` at the line's middle (X1 + dx div
///   2, Y1 + dy div 2 + k * TextHeight("A")) on a clear brush; the brush is
///   restored afterwards, also when the canvas raises.
/// - Shaft: LineWidth 1 is a line; any other width an outline of 5 points
///   (S + w, S - w, E - w, E + w, S + w, with w half the width along the
///   normal (dy, -dx)), filled as a `Polygon` with `aoFillHead`, else a
///   `Polyline`. S moves LineWidth along the line with a start head; E stops
///   HeadSize short of the end with an end head.
/// - Heads (`aoArrowAtStart`, `aoArrowAtEnd`): HeadSize long and 2 * HeadSize
///   wide, base corner, tip, other base corner (and the first again with
///   `aoClosedHead`), a `Polygon` with `aoFillHead`, else a `Polyline`.
///
/// Every product of a size and a unit direction is rounded (halves to even)
/// before it is added; sums wrap in 32 bits. Example: (0, 0) to (100, 0),
/// HeadSize 10, end head closed and filled: a line to (100, 0) and
/// `Polygon`(90,-10, 100,0, 90,10, 90,-10). Opacity is accepted and not used.
void DrawArrow(TCanvas& Canvas, int X1, int Y1, int X2, int Y2, int HeadSize,
               std::string_view Caption, TArrowOptions Options, int LineWidth,
               float Opacity = 1);

///@{
/// An arrow along a polyline: one two-point arrow per segment, the start
/// head on the first segment only, the end head on the last only, and the
/// caption on segment CaptionSegment only (-1, or a number past the last
/// segment, means the middle one, (n - 1) div 2). Fewer than two points draw
/// nothing. The floating form rounds every coordinate first (NaN or infinite
/// raise `EInvalidOp` before anything is drawn).
void DrawArrow(TCanvas& Canvas, std::span<const TPoint> Points, int HeadSize,
               std::string_view Caption, TArrowOptions Options, int LineWidth,
               int CaptionSegment = -1, float Opacity = 1);
void DrawArrow(TCanvas& Canvas, std::span<const TPointF> Points, int HeadSize,
               std::string_view Caption, TArrowOptions Options, int LineWidth,
               int CaptionSegment = -1, float Opacity = 1);
///@}

/// The sector of the ellipse in Rect (normalised) from StartAngle to EndAngle,
/// both turned by AngleOffset, through the canvas's `Pie`: outlined with the
/// pen, filled with the brush. The ray points are (cx + Round(cos(a) * rx),
/// cy - Round(sin(a) * ry)) with rx, ry the half sides (div 2): on (0, 0, 100,
/// 100), 0 to 90 degrees gives `Pie`(0,0,100,100, 100,50, 50,0). A non-finite
/// angle raises `EInvalidOp`. Opacity is accepted and not used.
void DrawPieSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                  int AngleOffset, float Opacity = 1);

/// The same in Rect shrunk about its centre to Radius of its size (0.5 on (0,
/// 0, 100, 100) draws in (25, 25, 75, 75)); Radius 1 is Rect itself. A Radius
/// whose box has no finite Single form (NaN, or too large) draws nothing.
void DrawPieSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                  double Radius, int AngleOffset, float Opacity = 1);

/// The first form, for integer arguments after the angles: they read as
/// AngleOffset and Opacity, so that `DrawPieSlice(Canvas, Rect, 0, 90, 0, 1)`
/// draws the quarter from 0 to 90 degrees (without this form the call would
/// match both of the others equally well).
inline void DrawPieSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                         int AngleOffset, int Opacity) {
  DrawPieSlice(Canvas, Rect, StartAngle, EndAngle, AngleOffset, static_cast<float>(Opacity));
}

/// A ring slice in Rect (normalised) from StartAngle to EndAngle turned by
/// AngleOffset, between InnerRadius and OuterRadius, fractions of the half
/// sides (1 reaches the edges, an inner radius of 0 makes a pie slice). It is
/// built as a temporary path (freed also when the canvas raises), filled and
/// then outlined: `FillPath` then `DrawPath` with Opacity, so Opacity 0 draws
/// nothing. A non-finite angle or radius raises `EInvalidOp`, and a slice
/// reaching past the 32-bit canvas `EOverflow`, before anything is drawn.
void DrawDonutSlice(TCanvas& Canvas, const TRect& Rect, double StartAngle, double EndAngle,
                    int AngleOffset, double InnerRadius, double OuterRadius, float Opacity);

} // namespace zk
