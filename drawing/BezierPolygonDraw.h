#pragma once
/// Drawing smooth curves through a control polygon (see BezierPolygon.h).
#include "canvas/Canvas.h"
#include "runtime/Records.h"

namespace zk {

///@{
/// Samples the curve with `BezierPolygonPoints(Points, UseBSpline, Closed,
/// StepLength)` and draws it with the canvas's current pen (and brush when
/// Filled) as a polygon when Filled, else as a polyline; the float form
/// rounds the samples to the canvas first. The canvas call is made also when
/// there are no samples (fewer than 2 points). Opacity 0 or less draws
/// nothing; any other value draws fully opaque. Pen, brush and fill mode are
/// neither set nor restored.
void DrawBezierPolygon(TCanvas& Canvas, const TCanvasPoints& Points, bool UseBSpline, bool Closed,
                       bool Filled, int StepLength, float Opacity);
void DrawBezierPolygon(TCanvas& Canvas, const TZKPoints& Points, bool UseBSpline, bool Closed,
                       bool Filled, int StepLength, float Opacity);
///@}

} // namespace zk
