// Drawing a path through the device-context path calls of its canvas.
#include <vector>

#include "canvas/Canvas.h"
#include "graphics/Geometry.h"
#include "graphics/PathData.h"
#include "graphics/PathSegments.h"

namespace zk {

namespace {

// One device-context call of a path drawing, with its rounded points.
struct TPathCall {
  TZKPathPointKind Kind;
  TPoint Points[3];
};

// The calls that draw Entries, in order. Rounding all points first means a
// coordinate the canvas cannot take (NaN, infinite) raises `EInvalidOp`
// before anything reaches the device context, so no path bracket is left
// open. A curve cut short at the end (possible only in streamed data) and
// entries of unknown kind draw nothing.
std::vector<TPathCall> PlanPathCalls(std::span<const TZKPathPoint> Entries) {
  std::vector<TPathCall> Calls;
  Calls.reserve(Entries.size());
  ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    switch (S.Kind) {
      case ppMoveTo:
      case ppLineTo:
        Calls.push_back({S.Kind, {ZKPointToPoint(S.Points[0])}});
        break;
      case ppCurveTo:
        Calls.push_back({ppCurveTo,
                         {ZKPointToPoint(S.Points[0]), ZKPointToPoint(S.Points[1]),
                          ZKPointToPoint(S.Points[2])}});
        break;
      case ppClose:
        Calls.push_back({ppClose, {}});
        break;
      default:
        break;
    }
  });
  return Calls;
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
  const std::vector<TPathCall> Calls = PlanPathCalls(Entries());
  HDC DC = Canvas.Handle();
  BeginPath(DC);
  for (const TPathCall& Call : Calls) {
    switch (Call.Kind) {
      case ppMoveTo: MoveToEx(DC, Call.Points[0].X, Call.Points[0].Y, nullptr); break;
      case ppLineTo: zk::LineTo(DC, Call.Points[0].X, Call.Points[0].Y); break;
      case ppCurveTo: PolyBezierTo(DC, Call.Points); break;
      default: CloseFigure(DC); break;
    }
  }
  EndPath(DC);
  if (Filled)
    StrokeAndFillPath(DC);
  else
    StrokePath(DC);
}

} // namespace zk
