#include "geometry/BezierPolygon.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "geometry/SplineSampling_p.h"
#include "runtime/Rounding.h"

namespace zk {
namespace {

using splinedetail::TControlPoint;

TControlPoint ToControl(const TPoint& P) noexcept { return {double(P.X), double(P.Y)}; }
TControlPoint ToControl(const TPointF& P) noexcept { return {double(P.X), double(P.Y)}; }

// Integer output: nearest, ties to even, low 32 bits. The spline stays within
// 1.25 times the span of its int32 control points, so the rounding never fails.
void StoreSample(TCanvasPoints& Out, double X, double Y) {
  Out.push_back({Low32(HostRound(X)), Low32(HostRound(Y))});
}
void StoreSample(TZKPoints& Out, double X, double Y) {
  Out.push_back(splinedetail::ToFloatSample(X, Y));
}

template <class PointList>
PointList SampleSpline(const PointList& Points, bool UseBSpline, bool Closed, int StepLength) {
  PointList Result;
  if (Points.size() < 2) return Result;
  if (Closed && Points.size() < 3) return Points;
  if (StepLength <= 0) StepLength = 1;

  std::vector<TControlPoint> P;
  P.reserve(Points.size() + 2);
  if (!Closed) P.push_back(ToControl(Points.front()));
  for (const auto& Q : Points) P.push_back(ToControl(Q));
  if (!Closed) P.push_back(ToControl(Points.back()));
  const std::size_t n = P.size();
  const auto Store = [&Result](double X, double Y) { StoreSample(Result, X, Y); };
  auto EmitPiece = [&](std::size_t a, std::size_t b, std::size_t c, std::size_t d) {
    splinedetail::SamplePiece(P[a], P[b], P[c], P[d], UseBSpline, StepLength, Store);
  };

  // A closed curve wraps around: the piece over P0->P1, the middle spans, then
  // the spans P[n-2]->P[n-1] and P[n-1]->P0.
  if (Closed) EmitPiece(n - 1, 0, 1, 2 % n);
  for (std::size_t k = 1; k + 2 < n; ++k) EmitPiece(k - 1, k, k + 1, k + 2);
  if (Closed) {
    EmitPiece(n - 3, n - 2, n - 1, 0);
    EmitPiece(n - 2, n - 1, 0, 1);
  }
  return Result;
}

} // namespace

TCanvasPoints BezierPolygonPoints(const TCanvasPoints& Points, bool UseBSpline, bool Closed,
                                  int StepLength) {
  return SampleSpline(Points, UseBSpline, Closed, StepLength);
}

TZKPoints BezierPolygonPoints(const TZKPoints& Points, bool UseBSpline, bool Closed,
                              int StepLength) {
  return SampleSpline(Points, UseBSpline, Closed, StepLength);
}

} // namespace zk
