#pragma once
// Curve sampling and the flattening walk, shared by the path's geometry and
// hit-testing files. Internal: not installed, not for other folders.
#include <array>
#include <cstddef>
#include <span>

#include "geometry/SplineSampling_p.h"
#include "geometry/Tolerances.h"
#include "path/PathSegments.h"
#include "path/PathTypes.h"

namespace zk::pathdetail {

/// One cubic Bezier segment: start, first control, second control, end.
using TZKCubicBezier = std::array<TPointF, 4>;

/// The point of an entry, by value: entries are packed, so their point must
/// never be bound to a reference (it may sit at an unaligned address).
inline TPointF PointOf(const TZKPathPoint& Entry) noexcept { return {Entry.Point.X, Entry.Point.Y}; }

/// The piece length actually used: Flatness, or `MinFlatness` when it is
/// smaller (or NaN).
float EffectiveFlatness(float Flatness) noexcept;

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

/// The piece counts of the curves of one path flattened at Flatness,
/// reduced evenly when the whole path would give more than MaxPoints points
/// (each segment counted for up to two points, as the flattening walks emit,
/// plus the pieces beyond two of each curve). Then a curve of N > 2 pieces
/// gets 2 + floor((N - 2) * s) with one factor s for the whole path, so the
/// result stays whole and evenly coarser; a path whose segments alone exceed
/// the limit gets every curve as at most two pieces. Deterministic: planning
/// and walking take the same counts.
class TFlattenPlan {
public:
  TFlattenPlan(std::span<const TZKPathPoint> Entries, float Flatness, std::size_t MaxPoints) noexcept;
  /// The number of pieces for Curve (below 2: one straight piece).
  int Pieces(const TZKCubicBezier& Curve) const noexcept {
    const int N = CurvePieceCount(Curve, FFlatness);
    if (FScale >= 1 || N <= 2) return N;
    return 2 + static_cast<int>((N - 2) * FScale);
  }

private:
  float FFlatness;
  double FScale = 1;
};

/// Walks the entries as `Flatten` re-adds them: Sink(kind, point) for every
/// `ppMoveTo` and `ppLineTo`, every curve as `ppLineTo` pieces (its samples,
/// the first of which repeats the start, or one line to its end when it needs
/// fewer than 2 pieces), and `ppClose` with the stored point. A curve starts
/// at the segment walk's current point. Entries of unknown kind are skipped,
/// and a curve cut short by the end of the list is dropped. At most
/// MaxPoints calls (or twice the entry count, if more), see `TFlattenPlan`.
/// Sink returns false to stop; the result is false when it did.
template <class SinkFn>
bool WalkFlattened(std::span<const TZKPathPoint> Entries, float Flatness, std::size_t MaxPoints,
                   SinkFn&& Sink) {
  const TFlattenPlan Plan(Entries, Flatness, MaxPoints);
  return ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    switch (S.Kind) {
      case ppMoveTo:
      case ppLineTo:
      case ppClose:
        return Sink(S.Kind, S.Points[0]);
      case ppCurveTo: {
        const TZKCubicBezier Curve{S.Current, S.Points[0], S.Points[1], S.Points[2]};
        const int N = Plan.Pieces(Curve);
        return N < 2 ? Sink(ppLineTo, Curve[3])
                     : SampleCurve(Curve, N, [&](const TPointF& P) { return Sink(ppLineTo, P); });
      }
      default:
        return true;
    }
  });
}

/// Walks the polygons `ToPolygons` makes without storing them: Sink.Move(P)
/// for a move (which starts a new polygon at P), Sink.Point(P) for a line's
/// point and for every sample of a curve's spline (the B-spline of its
/// control polygon when UseBSpline, else the Catmull-Rom spline through it,
/// sampled about one unit apart; a curve starts at the point stored in the
/// entry before it, the origin when it opens the path), and Sink.Close() for
/// a close. Each returns false to stop; the result is false when one did.
/// Memory does not grow with the extent of the curves, and the curves of
/// one path yield about `MaxFlattenedEntries` samples at most: past that
/// every step is lengthened by one common factor.
template <class SinkT>
bool WalkPolygons(std::span<const TZKPathPoint> Entries, bool UseBSpline, SinkT& Sink) {
  double Samples = 0;
  ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    if (S.Kind != ppCurveTo) return;
    const TPointF Control[4] = {S.Previous, S.Points[0], S.Points[1], S.Points[2]};
    Samples += splinedetail::OpenSpline4Samples(Control, 1);
  });
  const double StepScale = Samples > double(MaxFlattenedEntries) ? Samples / double(MaxFlattenedEntries) : 1;
  return ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    switch (S.Kind) {
      case ppMoveTo: return Sink.Move(S.Points[0]);
      case ppLineTo: return Sink.Point(S.Points[0]);
      case ppClose: return Sink.Close();
      case ppCurveTo: {
        const TPointF Control[4] = {S.Previous, S.Points[0], S.Points[1], S.Points[2]};
        bool Going = true;
        splinedetail::SampleOpenSpline4(
            Control, UseBSpline, 1, [&](const TPointF& P) { if (Going) Going = Sink.Point(P); }, StepScale);
        return Going;
      }
      default: return true;
    }
  });
}

} // namespace zk::pathdetail
