#pragma once
// The sampling of uniform cubic splines, streamed point by point: shared by
// `BezierPolygonPoints` (which stores the samples) and the path's measuring
// and hit-testing walks (which keep none). Internal: not installed.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "geometry/BezierPolygon.h"

namespace zk::splinedetail {

/// A control point in double, whichever form the caller's points have.
struct TControlPoint {
  double X, Y;
};

/// The four weights of a uniform cubic spline piece at parameter t.
struct TSplineWeights {
  double B0, B1, B2, B3;
};

// B-spline basis: approximating, C2; runs from (A + 4B + C)/6 to (B + 4C + D)/6.
inline TSplineWeights BSplineWeights(double t) noexcept {
  const double u = 1 - t;
  return {u * u * u / 6, t * t * (t / 2 - 1) + 2.0 / 3, t * (t * u + 1) / 2 + 1.0 / 6, t * t * t / 6};
}

// Catmull-Rom basis (tension 1/2): interpolating, exactly B at t = 0 and C at t = 1.
inline TSplineWeights CatmullRomWeights(double t) noexcept {
  const double u = 1 - t;
  return {-t * u * u / 2, t * t * (3 * t - 5) / 2 + 1, t * (t * (4 - 3 * t) + 1) / 2, -t * t * u / 2};
}

/// The parameter step of a piece over a span of length L: StepLength / L,
/// with a zero-length span counting as 1 and the step never below the one
/// that gives `MaxPointsPerSplinePiece` points. 0 means "t = 0 only" (a span
/// of non-finite length).
inline double PieceStep(double L, int StepLength) noexcept {
  if (!std::isfinite(L)) return 0;
  if (L == 0) L = 1;
  return std::max(StepLength / L, 1.0 / (MaxPointsPerSplinePiece - 1));
}

/// The number of samples a piece with parameter step Step yields.
inline double PieceSamples(double Step) noexcept {
  return Step == 0 ? 1 : std::min(std::floor(1 / Step) + 1, double(MaxPointsPerSplinePiece));
}

/// Calls Emit(x, y) for the samples of one spline piece over the control
/// points A, B, C, D (the span B-C), as `BezierPolygonPoints` describes, with
/// the parameter step multiplied by StepScale (>= 1: fewer samples).
template <class EmitFn>
void SamplePiece(const TControlPoint& A, const TControlPoint& B, const TControlPoint& C,
                 const TControlPoint& D, bool UseBSpline, int StepLength, EmitFn&& Emit,
                 double StepScale = 1) {
  const auto Weights = UseBSpline ? &BSplineWeights : &CatmullRomWeights;
  const double Step = PieceStep(std::hypot(C.X - B.X, C.Y - B.Y), StepLength) * StepScale;
  double t = 0;
  for (int Emitted = 0; Emitted < MaxPointsPerSplinePiece && t <= 1; ++Emitted) {
    const TSplineWeights W = Weights(t);
    Emit(W.B0 * A.X + W.B1 * B.X + W.B2 * C.X + W.B3 * D.X,
         W.B0 * A.Y + W.B1 * B.Y + W.B2 * C.Y + W.B3 * D.Y);
    if (Step == 0) break;
    t += Step;
  }
}

/// A sample stored as a float point. A Catmull-Rom spline overshoots its
/// points (by up to a quarter of a span), so near the ends of the float range
/// a sample is clamped to it rather than becoming infinite; NaN stays NaN.
inline TPointF ToFloatSample(double X, double Y) noexcept {
  constexpr double Largest = std::numeric_limits<float>::max();
  return {static_cast<float>(std::clamp(X, -Largest, Largest)),
          static_cast<float>(std::clamp(Y, -Largest, Largest))};
}

/// The number of samples `SampleOpenSpline4` yields at StepScale 1.
inline double OpenSpline4Samples(const TPointF (&P)[4], int StepLength) noexcept {
  double N = 0;
  for (int K = 0; K < 3; ++K)
    N += PieceSamples(PieceStep(std::hypot(double(P[K + 1].X) - P[K].X, double(P[K + 1].Y) - P[K].Y), StepLength));
  return N;
}

/// The open spline through four points (the first and last doubled), as
/// `BezierPolygonPoints(P, UseBSpline, false, StepLength)` samples it, one
/// float point at a time: three pieces, each step multiplied by StepScale.
template <class EmitFn>
void SampleOpenSpline4(const TPointF (&Points)[4], bool UseBSpline, int StepLength, EmitFn&& Emit,
                       double StepScale = 1) {
  const TControlPoint P[6] = {{Points[0].X, Points[0].Y}, {Points[0].X, Points[0].Y},
                              {Points[1].X, Points[1].Y}, {Points[2].X, Points[2].Y},
                              {Points[3].X, Points[3].Y}, {Points[3].X, Points[3].Y}};
  const auto Store = [&](double X, double Y) { Emit(ToFloatSample(X, Y)); };
  for (std::size_t K = 1; K + 2 < 6; ++K)
    SamplePiece(P[K - 1], P[K], P[K + 1], P[K + 2], UseBSpline, StepLength, Store, StepScale);
}

} // namespace zk::splinedetail
