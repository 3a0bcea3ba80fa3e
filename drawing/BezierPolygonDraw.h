#pragma once
/// Drawing smooth curves through a control polygon (see BezierPolygon.h).
#include "canvas/Canvas.h"
#include "runtime/Records.h"

namespace zk {

/// Samples the curve with `BezierPolygonPoints(Points, UseBSpline, Closed,
/// StepLength)` and draws it with the canvas's current pen (and brush when
/// Filled) as a polygon when Filled, else as a polyline. The canvas call is
/// made also when there are no samples (fewer than 2 points). Opacity 0 or
/// less draws nothing; any other value draws fully opaque. Pen, brush and
/// fill mode are neither set nor restored.
void DrawBezierPolygon(TCanvas& Canvas, const TCanvasPoints& Points, bool UseBSpline, bool Closed,
                       bool Filled, int StepLength, float Opacity);
/// The float form of the above: the samples are rounded to the canvas as
/// `TVclCanvasHelper` rounds them, so a sample that cannot be rounded (NaN,
/// infinite or beyond the 64-bit range) raises `EInvalidOp` before anything
/// is drawn.
void DrawBezierPolygon(TCanvas& Canvas, const TZKPoints& Points, bool UseBSpline, bool Closed,
                       bool Filled, int StepLength, float Opacity);

} // namespace zk
