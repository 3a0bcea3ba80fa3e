#pragma once
// Curve sampling and the flattening walk, shared by the path's geometry and
// hit-testing files. Internal: not installed, not for other folders.
#include <array>
#include <cstddef>
#include <span>

#include "graphics/PathTypes.h"
#include "graphics/Tolerances.h"

namespace zk::pathdetail {

/// One cubic Bezier segment: start, first control, second control, end.
using TZKCubicBezier = std::array<TPointF, 4>;

/// The point of an entry, by value: entries are packed, so their point must
/// never be bound to a reference (it may sit at an unaligned address).
inline TPointF PointOf(const TZKPathPoint& Entry) noexcept { return {Entry.Point.X, Entry.Point.Y}; }

/// The piece length actually used: Flatness, or `MinFlatness` when it is
/// smaller (or NaN).
float EffectiveFlatness(float Flatness) noexcept;

/// The curve whose three entries begin at index I, starting at Start. False
/// (and Curve untouched) when fewer than three entries remain: a curve cut
/// short by the end of the list is never read past the end.
bool CurveAt(std::span<const TZKPathPoint> Entries, std::size_t I, const TPointF& Start,
             TZKCubicBezier& Curve) noexcept;

/// The curve in power basis, a*t^3 + b*t^2 + c*t + P0 per coordinate, with the
/// coefficients kept in double so that huge control points cannot overflow.
class TCubicPowerBasis {
public:
  explicit TCubicPowerBasis(const TZKCubicBezier& P) noexcept;
  /// The point at T, stored as Single.
  TPointF At(float T) const noexcept {
    const double t = T;
    return {static_cast<float>(FAx * t * t * t + FBx * t * t + FCx * t + FX0),
            static_cast<float>(FAy * t * t * t + FBy * t * t + FCy * t + FY0)};
  }

private:
  double FAx, FBx, FCx, FX0, FAy, FBy, FCy, FY0;
};

/// Calls Emit(point) for N >= 2 samples of the curve, from t = 0 in steps of
/// 1/(N-1). The step is a Single and t is accumulated in Single, so the last
/// sample lands on the end point only up to that accumulation. Emit returns
/// false to stop; the result is false when it did.
template <class EmitFn>
bool SampleCurve(const TZKCubicBezier& Curve, int N, EmitFn&& Emit) {
  const TCubicPowerBasis Basis(Curve);
  const float Step = static_cast<float>(1.0L / (N - 1));
  float T = 0;
  for (int I = 0; I < N; ++I, T += Step)
    if (!Emit(Basis.At(T))) return false;
  return true;
}

/// The number of straight pieces a curve is flattened into for the piece
/// length F (already effective): the length of the five-chord polygon through
/// t = 0, 0.2, ..., 1, divided by F and rounded to nearest, ties to even.
/// A non-finite length gives 1 (one straight piece); the count never exceeds
/// `MaxCurvePieces`. Callers draw a straight line when the result is below 2.
int CurvePieceCount(const TZKCubicBezier& Curve, float F) noexcept;

/// Walks the entries as `Flatten` re-adds them: Sink(kind, point) for every
/// `ppMoveTo` and `ppLineTo`, every curve as `ppLineTo` pieces (its samples,
/// the first of which repeats the start, or one line to its end when it needs
/// fewer than 2 pieces), and `ppClose` with the stored point. A curve that
/// opens the path starts at the origin; a curve after a close starts at the
/// point before the close. Entries of unknown kind are skipped, and a curve
/// cut short by the end of the list is dropped. Sink returns false to stop;
/// the result is false when it did.
template <class SinkFn>
bool WalkFlattened(std::span<const TZKPathPoint> Entries, float Flatness, SinkFn&& Sink) {
  const float F = EffectiveFlatness(Flatness);
  TPointF Current{};
  for (std::size_t I = 0; I < Entries.size(); ++I) {
    const TZKPathPoint& Entry = Entries[I];
    switch (Entry.Kind) {
      case ppMoveTo:
      case ppLineTo:
        Current = PointOf(Entry);
        if (!Sink(Entry.Kind, Current)) return false;
        break;
      case ppCurveTo: {
        TZKCubicBezier Curve;
        if (!CurveAt(Entries, I, Current, Curve)) return true;
        I += 2;
        const int N = CurvePieceCount(Curve, F);
        const bool Going = N < 2 ? Sink(ppLineTo, Curve[3])
                                 : SampleCurve(Curve, N, [&](const TPointF& P) { return Sink(ppLineTo, P); });
        if (!Going) return false;
        Current = Curve[3];
        break;
      }
      case ppClose:
        if (!Sink(ppClose, PointOf(Entry))) return false;
        break;
      default:
        break;
    }
  }
  return true;
}

} // namespace zk::pathdetail
