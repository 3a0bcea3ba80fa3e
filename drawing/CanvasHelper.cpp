#include "drawing/CanvasHelper.h"

#include "geometry/Geometry.h"
#include "path/PathData.h"

namespace zk {

void TVclCanvasHelper::DrawLine(const TPointF& P1, const TPointF& P2) {
  DrawLine(ZKPointToPoint(P1), ZKPointToPoint(P2));
}

void TVclCanvasHelper::DrawLine(const TPoint& P1, const TPoint& P2) {
  FCanvas.MoveTo(P1.X, P1.Y);
  FCanvas.LineTo(P2.X, P2.Y);
}

void TVclCanvasHelper::Polygon(const TZKPoints& Points) { FCanvas.Polygon(ZKPointsToPoints(Points)); }

void TVclCanvasHelper::Polyline(const TZKPoints& Points) {
  FCanvas.Polyline(ZKPointsToPoints(Points));
}

void TVclCanvasHelper::DrawPath(const TZKPathData& Path, float Opacity) {
  Path.DrawPath(FCanvas, Opacity);
}

void TVclCanvasHelper::FillPath(const TZKPathData& Path, float Opacity) {
  Path.FillPath(FCanvas, Opacity);
}

} // namespace zk
