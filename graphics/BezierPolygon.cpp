#include "graphics/BezierPolygon.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "runtime/Rounding.h"

namespace zk {
namespace {

/// The four weights of a uniform cubic spline piece at parameter t.
struct TSplineWeights {
  double B0, B1, B2, B3;
};

// B-spline basis: approximating, C2; runs from (A + 4B + C)/6 to (B + 4C + D)/6.
TSplineWeights BSplineWeights(double t) noexcept {
  const double u = 1 - t;
  return {u * u * u / 6, t * t * (t / 2 - 1) + 2.0 / 3, t * (t * u + 1) / 2 + 1.0 / 6, t * t * t / 6};
}

// Catmull-Rom basis (tension 1/2): interpolating, exactly B at t = 0 and C at t = 1.
TSplineWeights CatmullRomWeights(double t) noexcept {
  const double u = 1 - t;
  return {-t * u * u / 2, t * t * (3 * t - 5) / 2 + 1, t * (t * (4 - 3 * t) + 1) / 2, -t * t * u / 2};
}

/// A control point as doubles, whichever form the caller's points have.
struct TControlPoint {
  double X, Y;
};

TControlPoint ToControl(const TPoint& P) noexcept { return {double(P.X), double(P.Y)}; }
TControlPoint ToControl(const TPointF& P) noexcept { return {double(P.X), double(P.Y)}; }

// Integer output: nearest, ties to even, low 32 bits. The spline stays within
// 1.25 times the span of its int32 control points, so the rounding never fails.
void StoreSample(TCanvasPoints& Out, double X, double Y) {
  Out.push_back({Low32(HostRound(X)), Low32(HostRound(Y))});
}
void StoreSample(TZKPoints& Out, double X, double Y) {
  Out.push_back({static_cast<float>(X), static_cast<float>(Y)});
}

/// The parameter step of a piece over a span of length L: StepLength / L,
/// with a zero-length span counting as 1 and the step never below the one
/// that gives `MaxPointsPerSplinePiece` points. 0 means "t = 0 only" (a span
/// of non-finite length).
double PieceStep(double L, int StepLength) noexcept {
  if (!std::isfinite(L)) return 0;
  if (L == 0) L = 1;
  return std::max(StepLength / L, 1.0 / (MaxPointsPerSplinePiece - 1));
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
  const auto Weights = UseBSpline ? &BSplineWeights : &CatmullRomWeights;

  auto EmitPiece = [&](std::size_t a, std::size_t b, std::size_t c, std::size_t d) {
    const TControlPoint &A = P[a], &B = P[b], &C = P[c], &D = P[d];
    const double Step = PieceStep(std::hypot(C.X - B.X, C.Y - B.Y), StepLength);
    double t = 0;
    for (int Emitted = 0; Emitted < MaxPointsPerSplinePiece && t <= 1; ++Emitted) {
      const TSplineWeights W = Weights(t);
      StoreSample(Result, W.B0 * A.X + W.B1 * B.X + W.B2 * C.X + W.B3 * D.X,
                  W.B0 * A.Y + W.B1 * B.Y + W.B2 * C.Y + W.B3 * D.Y);
      if (Step == 0) break;
      t += Step;
    }
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
