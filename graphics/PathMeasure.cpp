// Length and distances along a path.
#include <cmath>

#include "graphics/PathData.h"
#include "graphics/PathGeometry_p.h"

namespace zk {

// ---- Measurement ----------------------------------------------------------------

double TZKPathData::CalculateDistances() {
  double Total = 0;
  FLength = 0;
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
      const double DX = double(Polygon[J - 1].X) - Polygon[J].X, DY = double(Polygon[J - 1].Y) - Polygon[J].Y;
      Total += static_cast<float>(std::sqrt(DX * DX + DY * DY));  // each edge a Single, the sum a Double
      Distances[J] = static_cast<float>(Total);
    }
  }
  FLength = Total;
  return Total;
}

double TZKPathData::GetLength() {
  if (FLength == 0) FLength = CalculateDistances();
  return FLength;
}

const TZKPathData::TDistances& TZKPathData::GetDistances() {
  if (FLength == 0 && !FPathData.empty()) FLength = CalculateDistances();
  return FDistances;
}

} // namespace zk
