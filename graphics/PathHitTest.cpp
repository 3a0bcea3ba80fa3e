// Hit tests of a path's fill and stroke, and the stroke outline.
#include <array>
#include <cmath>
#include <vector>

#include "graphics/BezierPolygon.h"
#include "graphics/PathData.h"
#include "graphics/PathGeometry_p.h"
#include "graphics/PolygonHitTest.h"
#include "graphics/Tolerances.h"

namespace zk {

namespace {

using TSegmentRectangle = std::array<TPointF, 4>;

// The stroke rectangle around P1-P2: d = P2 - P1, u = d / |d|, n = (u.y, -u.x)
// * HalfWidth, corners P1 + n, P1 - n, P2 - n, P2 + n. Every step is stored as
// a Single, and both the outline and the outline hit test take their corners
// from here, so the hit test answers exactly for the rectangles the outline
// holds. False for a segment of length exactly 0.
bool SegmentRectangle(const TPointF& P1, const TPointF& P2, float HalfWidth,
                      TSegmentRectangle& Corners) noexcept {
  const float DX = static_cast<float>(double(P2.X) - P1.X);
  const float DY = static_cast<float>(double(P2.Y) - P1.Y);
  if (DX == 0 && DY == 0) return false;
  const float Length = static_cast<float>(std::sqrt(double(DX) * DX + double(DY) * DY));
  const float UX = static_cast<float>(DX / double(Length)), UY = static_cast<float>(DY / double(Length));
  const float NX = static_cast<float>(double(UY) * HalfWidth), NY = static_cast<float>(-double(UX) * HalfWidth);
  const auto Offset = [](const TPointF& P, float OX, float OY) {
    return TPointF{static_cast<float>(double(P.X) + OX), static_cast<float>(double(P.Y) + OY)};
  };
  Corners = {Offset(P1, NX, NY), Offset(P1, -NX, -NY), Offset(P2, -NX, -NY), Offset(P2, NX, NY)};
  return true;
}

// True when the row Y cannot meet the rectangle of P1-P2, decided before the
// rectangle is built. Each corner's Y is P.Y + n.Y rounded, with |n.Y| <=
// |HalfWidth| (as |u.X| <= 1), and rounding is monotonic, so every corner lies
// within [P.Y - |HalfWidth|, P.Y + |HalfWidth|] rounded the same way. The
// polygon test counts an edge only when min(y) <= Y < max(y) over its ends,
// so a row below every corner or at or above every corner crosses nothing.
// NaN anywhere rejects nothing.
bool RowMissesSegmentRectangle(const TPointF& P1, const TPointF& P2, float HalfWidth, float Y) noexcept {
  const double Reach = std::fabs(HalfWidth);
  const auto Low = [&](float V) { return static_cast<float>(double(V) - Reach); };
  const auto High = [&](float V) { return static_cast<float>(double(V) + Reach); };
  return (Y < Low(P1.Y) && Y < Low(P2.Y)) || (Y >= High(P1.Y) && Y >= High(P2.Y));
}

// The stroke rectangle as the figure the outline appends: its close repeats
// the first corner.
bool RectangleContains(const TSegmentRectangle& C, float X, float Y) noexcept {
  const std::array<TPointF, 5> Ring{C[0], C[1], C[2], C[3], C[0]};
  return PointInPath(std::span<const TPointF>(Ring), X, Y);
}

// Calls Segment(a, b) for every straight segment of the path as flattened at
// `OutlineFlatness` into a fresh path: lines, and at each close the closing
// edge and then the edge from the close back to the current figure start
// (empty unless the close came before any move). Segment returns false to
// stop.
template <class SegmentFn>
void WalkOutlineSegments(std::span<const TZKPathPoint> Entries, SegmentFn&& Segment) {
  bool First = true;
  TPointF Previous{}, Start{};
  TPointF Figure{};  // what ClosePath of the fresh path stores: the last move, (0, 0) before one
  pathdetail::WalkFlattened(Entries, OutlineFlatness, [&](TZKPathPointKind Kind, const TPointF& P) {
    const TPointF Q = Kind == ppClose ? Figure : P;
    if (Kind == ppMoveTo) Figure = P;
    if (First) {
      First = false;
      Previous = Start = Q;
      return true;
    }
    bool Going = true;
    if (Kind == ppMoveTo) {
      Start = Q;
    } else if (Kind == ppLineTo) {
      Going = Segment(Previous, Q);
    } else {
      Going = Segment(Previous, Q) && Segment(Q, Start);
      Start = Q;
    }
    Previous = Q;
    return Going;
  });
}

} // namespace

// ---- Outline ------------------------------------------------------------------

void TZKPathData::AddRectangleForSegment(const TPointF& P1, const TPointF& P2, float HalfWidth) {
  TSegmentRectangle C;
  if (!SegmentRectangle(P1, P2, HalfWidth, C)) return;
  MoveTo(C[0]);
  LineTo(C[1]);
  LineTo(C[2]);
  LineTo(C[3]);
  ClosePath();
}

void TZKPathData::AddPathOutline(const TZKPathData& P, float StrokeWidth) {
  if (P.Count() < 2) return;
  // The outline of this path itself is taken from a snapshot of its entries.
  const std::vector<TZKPathPoint> Snapshot = &P == this ? FPathData : std::vector<TZKPathPoint>{};
  const std::span<const TZKPathPoint> Source = &P == this ? std::span(Snapshot) : P.Entries();
  const float HalfWidth = StrokeWidth / 2;
  TZKPathUpdate Update(*this);
  WalkOutlineSegments(Source, [&](const TPointF& A, const TPointF& B) {
    AddRectangleForSegment(A, B, HalfWidth);
    return true;
  });
}

// ---- Hit tests ------------------------------------------------------------------

bool TZKPathData::PointInPathOutline(const TPointF& P, float StrokeWidth) const {
  return PointInPathOutline(P.X, P.Y, StrokeWidth);
}

bool TZKPathData::PointInPathOutline(float X, float Y, float StrokeWidth) const {
  if (Count() < 2) return false;
  const float HalfWidth = StrokeWidth / 2;
  bool Hit = false;
  WalkOutlineSegments(FPathData, [&](const TPointF& A, const TPointF& B) {
    if (RowMissesSegmentRectangle(A, B, HalfWidth, Y)) return true;
    TSegmentRectangle C;
    Hit = SegmentRectangle(A, B, HalfWidth, C) && RectangleContains(C, X, Y);
    return !Hit;
  });
  return Hit;
}

bool TZKPathData::PointInPath(const TPointF& P) const { return PointInPath(P.X, P.Y); }

bool TZKPathData::PointInPath(float X, float Y) const {
  TZKPoints Polygon;
  const auto Contains = [&] { return zk::PointInPath(std::span<const TPointF>(Polygon), X, Y); };
  for (std::size_t I = 0; I < FPathData.size(); ++I) {
    const TZKPathPoint& Entry = FPathData[I];
    switch (Entry.Kind) {
      case ppMoveTo:
        // A move after anything but a close ends an open sub-path: test it.
        if (I > 0 && FPathData[I - 1].Kind != ppClose) {
          if (Contains()) return true;
          Polygon.assign(1, pathdetail::PointOf(Entry));
        } else {
          Polygon.push_back(pathdetail::PointOf(Entry));
        }
        break;
      case ppLineTo:
        Polygon.push_back(pathdetail::PointOf(Entry));
        break;
      case ppCurveTo: {
        // Starts at whatever entry precedes it; one that opens the path at the origin.
        pathdetail::TZKCubicBezier Curve;
        const TPointF Start = I > 0 ? pathdetail::PointOf(FPathData[I - 1]) : TPointF{};
        if (!pathdetail::CurveAt(FPathData, I, Start, Curve)) return Contains();
        I += 2;
        const TZKPoints Spline = BezierPolygonPoints(TZKPoints(Curve.begin(), Curve.end()), true, false, 1);
        Polygon.insert(Polygon.end(), Spline.begin(), Spline.end());
        break;
      }
      case ppClose:
        if (!Polygon.empty()) Polygon.push_back(Polygon.front());
        if (Contains()) return true;
        Polygon.clear();
        break;
      default:
        break;
    }
  }
  return Contains();
}

} // namespace zk
