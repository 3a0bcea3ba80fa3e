#include "drawing/BezierPolygonDraw.h"

#include "drawing/CanvasHelper.h"
#include "geometry/BezierPolygon.h"

namespace zk {

void DrawBezierPolygon(TCanvas& Canvas, const TCanvasPoints& Points, bool UseBSpline, bool Closed,
                       bool Filled, int StepLength, float Opacity) {
  if (Opacity <= 0) return;
  const TCanvasPoints Samples = BezierPolygonPoints(Points, UseBSpline, Closed, StepLength);
  if (Filled)
    Canvas.Polygon(Samples);
  else
    Canvas.Polyline(Samples);
}

void DrawBezierPolygon(TCanvas& Canvas, const TZKPoints& Points, bool UseBSpline, bool Closed,
                       bool Filled, int StepLength, float Opacity) {
  if (Opacity <= 0) return;
  const TZKPoints Samples = BezierPolygonPoints(Points, UseBSpline, Closed, StepLength);
  TVclCanvasHelper Helper(Canvas);
  if (Filled)
    Helper.Polygon(Samples);
  else
    Helper.Polyline(Samples);
}

} // namespace zk
