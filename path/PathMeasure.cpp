// Length and distances along a path.
#include <cmath>

#include "path/PathData.h"
#include "path/PathGeometry_p.h"

namespace zk {

namespace {

// The length of one edge as measured along a path: each edge a Single, the
// running sum a Double.
float EdgeLength(const TPointF& A, const TPointF& B) noexcept {
  const double DX = double(A.X) - B.X, DY = double(A.Y) - B.Y;
  return static_cast<float>(std::sqrt(DX * DX + DY * DY));
}

} // namespace

// ---- Measurement ----------------------------------------------------------------

double TZKPathData::CalculateDistances() {
  // The length streams over the polygons' points without storing them, so
  // measuring takes no memory however far the curves reach; the polygons
  // and distances are built only when asked for.
  struct Measure {
    double Total = 0;
    TPointF First{}, Last{};
    bool Open = false;  // the current polygon has a point
    bool Move(const TPointF& P) {
      First = Last = P;
      Open = true;
      return true;
    }
    bool Point(const TPointF& P) {
      if (Open)
        Total += EdgeLength(Last, P);
      else
        First = P;
      Last = P;
      Open = true;
      return true;
    }
    bool Close() {
      if (Open) Total += EdgeLength(Last, First);
      Open = false;
      return true;
    }
  } Sink;
  pathdetail::WalkPolygons(FPathData, false, Sink);
  FLength = Sink.Total;
  return Sink.Total;
}

double TZKPathData::GetLength() {
  if (FLength == 0) FLength = CalculateDistances();
  return FLength;
}

const TZKPathData::TDistances& TZKPathData::GetDistances() {
  if (FLength == 0 && !FPathData.empty()) FLength = CalculateDistances();
  if (FDistancesCached) return FDistances;
  double Total = 0;
  const TZKPolygons& Polygons = ToPolygons();
  FDistances.assign(Polygons.size(), {});
  for (std::size_t P = 0; P < Polygons.size(); ++P) {
    const TZKPoints& Polygon = Polygons[P];
    TSingleDynArray& Distances = FDistances[P];
    Distances.resize(Polygon.size());
    if (Polygon.empty()) continue;
    // The first vertex continues the running total: the jump between
    // sub-paths adds nothing.
    Distances[0] = static_cast<float>(Total);
    for (std::size_t J = 1; J < Polygon.size(); ++J) {
      Total += EdgeLength(Polygon[J - 1], Polygon[J]);
      Distances[J] = static_cast<float>(Total);
    }
  }
  FDistancesCached = FLength > 0;  // a path of length 0 is measured on every call
  return FDistances;
}

} // namespace zk
