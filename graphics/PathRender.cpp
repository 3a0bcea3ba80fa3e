// Drawing a path through the device-context path calls of its canvas.
#include <vector>

#include "canvas/Canvas.h"
#include "graphics/Geometry.h"
#include "graphics/PathData.h"

namespace zk {

namespace {

// One device-context call of a path drawing, with its rounded points.
struct TPathCall {
  TZKPathPointKind Kind;
  TPoint Points[3];
};

// The rounded point of an entry. Entries are packed, so the point is copied
// out before anything takes it by reference.
TPoint Rounded(const TZKPathPoint& Entry) {
  const TPointF P = Entry.Point;
  return ZKPointToPoint(P);
}

// The calls that draw Entries, in order. Rounding all points first means a
// coordinate the canvas cannot take (NaN, infinite) raises `EInvalidOp`
// before anything reaches the device context, so no path bracket is left
// open. A curve needs three entries; a shorter run at the end (possible only
// in streamed data) draws nothing.
std::vector<TPathCall> PlanPathCalls(std::span<const TZKPathPoint> Entries) {
  std::vector<TPathCall> Calls;
  Calls.reserve(Entries.size());
  for (std::size_t I = 0; I < Entries.size(); ++I) {
    switch (Entries[I].Kind) {
      case ppMoveTo:
      case ppLineTo:
        Calls.push_back({Entries[I].Kind, {Rounded(Entries[I])}});
        break;
      case ppCurveTo:
        if (I + 2 >= Entries.size()) return Calls;
        Calls.push_back({ppCurveTo,
                         {Rounded(Entries[I]), Rounded(Entries[I + 1]), Rounded(Entries[I + 2])}});
        I += 2;
        break;
      case ppClose:
        Calls.push_back({ppClose, {}});
        break;
      default:  // kinds from streamed data that no reader knows
        break;
    }
  }
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
