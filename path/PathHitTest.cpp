// Hit tests of a path's fill and stroke, and the stroke outline.
#include <array>
#include <cmath>
#include <vector>

#include "geometry/BezierPolygon.h"
#include "geometry/PolygonHitTest.h"
#include "geometry/PolygonHitTest_p.h"
#include "geometry/Tolerances.h"
#include "path/PathData.h"
#include "path/PathGeometry_p.h"

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

// Each straight segment becomes five outline entries, so the outline walk
// takes a fifth of the flattening limit.
constexpr std::size_t MaxOutlineSegments = MaxFlattenedEntries / 5;

// Calls Segment(a, b) for every straight segment of the path as flattened at
// `OutlineFlatness` into a fresh path (at most `MaxOutlineSegments` pieces): lines, and at each close the closing
// edge and then the edge from the close back to the current figure start
// (empty unless the close came before any move). Segment returns false to
// stop.
template <class SegmentFn>
void WalkOutlineSegments(std::span<const TZKPathPoint> Entries, SegmentFn&& Segment) {
  bool First = true;
  TPointF Previous{}, Start{};
  TPointF Figure{};  // what ClosePath of the fresh path stores: the last move, (0, 0) before one
  pathdetail::WalkFlattened(Entries, OutlineFlatness, MaxOutlineSegments, [&](TZKPathPointKind Kind, const TPointF& P) {
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
  // Each sub-path is fed to the even-odd test edge by edge as its points
  // arrive, so no polygon is stored: memory stays flat however far the
  // curves reach. The polygon is closed implicitly and needs three points.
  struct Test {
    float X, Y;
    TEvenOddRay Ray{X, Y};
    TPointF First{}, Last{};
    std::size_t Count = 0;
    bool Hit = false;
    bool Point(const TPointF& P) {
      if (Count++ == 0)
        First = P;
      else
        Ray.Edge(P, Last);
      Last = P;
      return true;
    }
    // Ends the sub-path; false when it contains the point.
    bool End() {
      if (Count >= 3) Ray.Edge(First, Last);
      Hit = Count >= 3 && Ray.Inside();
      Ray = TEvenOddRay{X, Y};
      Count = 0;
      return !Hit;
    }
    bool Move(const TPointF& P) {
      if (!End()) return false;
      return Point(P);
    }
    // A close repeats the first point; the implicit edge back from it is
    // then horizontal and never counts.
    bool Close() {
      if (Count > 0) Point(First);
      return End();
    }
  } Sink{X, Y};
  if (!pathdetail::WalkPolygons(FPathData, true, Sink)) return true;
  Sink.End();
  return Sink.Hit;
}

} // namespace zk
