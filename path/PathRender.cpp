// Drawing a path through the device-context path calls of its canvas.
#include "canvas/Canvas.h"
#include "geometry/Geometry.h"
#include "path/PathData.h"
#include "path/PathSegments.h"

namespace zk {

namespace {

// Calls Issue(kind, points, count) for each segment that draws, with its
// points rounded by `ZKPointToPoint`: moves, lines, whole curves (three
// points) and closes (none). A curve cut short at the end (possible only in
// streamed data) and entries of unknown kind draw nothing.
template <class IssueFn>
void ForEachPathCall(std::span<const TZKPathPoint> Entries, IssueFn&& Issue) {
  ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    if (S.Kind > ppClose) return;
    const int N = S.Kind == ppCurveTo ? 3 : S.Kind == ppClose ? 0 : 1;
    TPoint Points[3];
    for (int I = 0; I < N; ++I) Points[I] = ZKPointToPoint(S.Points[I]);
    Issue(S.Kind, Points);
  });
}

} // namespace

void TZKPathData::DrawPath(TCanvas& Canvas, float Opacity) const {
  DrawPath(Canvas, false, Opacity);
}

void TZKPathData::FillPath(TCanvas& Canvas, float Opacity) const {
  DrawPath(Canvas, true, Opacity);
}

void TZKPathData::DrawPath(TCanvas& Canvas, bool Filled, float Opacity) const {
  if (Opacity == 0 || Count() < 2) return;
  // A first pass rounds every point and discards it: a coordinate the canvas
  // cannot take (NaN, infinite) raises `EInvalidOp` before anything reaches
  // the device context, so no path bracket is left open. Rounding twice
  // costs less than holding every call of a large path in memory.
  ForEachPathCall(Entries(), [](TZKPathPointKind, const TPoint*) {});
  HDC DC = Canvas.Handle();
  BeginPath(DC);
  ForEachPathCall(Entries(), [&](TZKPathPointKind Kind, const TPoint* P) {
    switch (Kind) {
      case ppMoveTo: MoveToEx(DC, P[0].X, P[0].Y, nullptr); break;
      case ppLineTo: zk::LineTo(DC, P[0].X, P[0].Y); break;
      case ppCurveTo: PolyBezierTo(DC, std::span<const TPoint>(P, 3)); break;
      default: CloseFigure(DC); break;
    }
  });
  EndPath(DC);
  if (Filled)
    StrokeAndFillPath(DC);
  else
    StrokePath(DC);
}

} // namespace zk
