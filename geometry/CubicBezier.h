#pragma once
/// Cubic Bezier curves in double precision: the one set of curve routines that
/// exact measurement, strokes and boolean operations share (evaluate,
/// derivative, split at a parameter, sub-curve of a parameter range, extrema,
/// arc length, parameter at an arc length, roots on the unit interval).
///
/// Paths store single-precision points; these routines take them widened to
/// double, so a curve with coordinates up to the float range (3.4e38) keeps
/// finite intermediate results: coefficients stay below 1e40 and their
/// squares far below the double range.
/// Every approximating routine takes its accuracy and says how it is met.
#include <cmath>
#include <cstddef>
#include <type_traits>
#include <utility>

#include "runtime/Records.h"

namespace zk {

/// A point or vector in double precision.
struct TPointD {
  double X = 0;  ///< the horizontal coordinate, growing to the right
  double Y = 0;  ///< the vertical coordinate, growing downwards
  friend constexpr bool operator==(const TPointD&, const TPointD&) = default;
  friend constexpr TPointD operator+(const TPointD& A, const TPointD& B) { return {A.X + B.X, A.Y + B.Y}; }
  friend constexpr TPointD operator-(const TPointD& A, const TPointD& B) { return {A.X - B.X, A.Y - B.Y}; }
  friend constexpr TPointD operator*(double S, const TPointD& A) { return {S * A.X, S * A.Y}; }
};
static_assert(std::is_trivially_copyable_v<TPointD>);

/// The point widened to double.
constexpr TPointD ToPointD(const TPointF& P) noexcept { return {P.X, P.Y}; }

/// A*(1-T) + B*T, exact at T = 0 and T = 1.
constexpr TPointD Lerp(const TPointD& A, const TPointD& B, double T) noexcept {
  return {A.X + (B.X - A.X) * T, A.Y + (B.Y - A.Y) * T};
}

/// The dot product A . B.
constexpr double Dot(const TPointD& A, const TPointD& B) noexcept { return A.X * B.X + A.Y * B.Y; }

/// The cross product A x B (its z component): positive when B turns from A
/// towards +y.
constexpr double Cross(const TPointD& A, const TPointD& B) noexcept { return A.X * B.Y - A.Y * B.X; }

/// |V| without overflow or underflow of the squares.
inline double Length(const TPointD& V) noexcept { return std::hypot(V.X, V.Y); }

/// A cubic Bezier curve: start P0, controls P1 and P2, end P3.
struct TCubicBezier {
  TPointD P0,  ///< the start point, at t = 0
      P1,      ///< the first control point; the curve leaves P0 towards it
      P2,      ///< the second control point; the curve reaches P3 from it
      P3;      ///< the end point, at t = 1
  friend constexpr bool operator==(const TCubicBezier&, const TCubicBezier&) = default;
};
static_assert(std::is_trivially_copyable_v<TCubicBezier>);

/// The point at parameter T (de Casteljau: exact at 0 and 1, stable for
/// every T in [0, 1]).
TPointD CubicPoint(const TCubicBezier& C, double T) noexcept;

/// The first derivative dB/dT at T: 3[(1-T)^2 (P1-P0) + 2T(1-T) (P2-P1) + T^2 (P3-P2)].
TPointD CubicDerivative(const TCubicBezier& C, double T) noexcept;

/// The second derivative at T: 6[(1-T) (P2 - 2P1 + P0) + T (P3 - 2P2 + P1)].
TPointD CubicSecondDerivative(const TCubicBezier& C, double T) noexcept;

/// The direction of travel at T: the derivative, or where it vanishes (a
/// control point on its end point, a cusp), the second derivative, or the
/// chord P3 - P0 for a curve degenerate to a point at T. Zero only for a
/// curve whose four points coincide.
TPointD CubicTangent(const TCubicBezier& C, double T) noexcept;

/// The curve cut at T into [0, T] and [T, 1] by de Casteljau; the two halves
/// share the cut point exactly, and their outer ends are C's own.
std::pair<TCubicBezier, TCubicBezier> SplitCubic(const TCubicBezier& C, double T) noexcept;

/// The piece of C between parameters T0 <= T1 (clamped to [0, 1]) as a cubic
/// of its own, its ends exactly CubicPoint(T0) and CubicPoint(T1) as de
/// Casteljau computes them, and exactly C's ends where T0 = 0 or T1 = 1.
TCubicBezier SubCubic(const TCubicBezier& C, double T0, double T1) noexcept;

/// The parameters in the open interval (0, 1) where dx/dT or dy/dT is zero
/// (the horizontal and vertical extrema), sorted ascending, at most four;
/// returns how many were written to Out.
int CubicExtrema(const TCubicBezier& C, double Out[4]) noexcept;

/// The parameters in (0, 1) where the curve's signed curvature changes sign
/// (inflections), sorted, at most two; returns how many.
int CubicInflections(const TCubicBezier& C, double Out[2]) noexcept;

/// The arc length of C between parameters T0 <= T1 in [0, 1]: the integral of
/// |B'(t)| by adaptive 8-point Gauss-Legendre quadrature, each interval halved
/// until the two halves agree with the whole within its share of
/// Accuracy (an absolute length; pass a relative accuracy times the control
/// polygon's length). Smooth pieces converge in a few steps; a cusp is
/// bounded by a recursion depth of 30 halvings. Finite for finite input.
double CubicArcLength(const TCubicBezier& C, double T0, double T1, double Accuracy) noexcept;

/// The arc length of the whole curve to a relative accuracy (a fraction of
/// the length), as `CubicArcLength` over [0, 1].
double CubicLength(const TCubicBezier& C, double RelativeAccuracy) noexcept;

/// The parameter T in [0, 1] at which the arc length from 0 reaches Length
/// (clamped to [0, CubicLength]): safeguarded Newton steps on
/// L(T) - Length with bisection whenever a step leaves the bracket, until
/// the length error is below Accuracy (absolute) or the bracket is narrower
/// than 1e-15. Total is the curve's whole length (as `CubicArcLength` gave
/// it with the same accuracy), passed in so that callers who hold it do not
/// measure twice.
double CubicParameterAtLength(const TCubicBezier& C, double Length, double Total, double Accuracy) noexcept;

/// A parameter reached along a cubic and the arc length measured up to it.
struct TCubicLengthStep {
  double T;       ///< the parameter reached
  double Length;  ///< the arc length from the start of the step to T, as integrated
};
/// The parameter T in [From, 1] at which the arc length from From reaches
/// Length: safeguarded Newton steps as in `CubicParameterAtLength`, from a
/// first guess by the speed and its rate at From (good to O(h^3) for a short
/// step h), each step integrating from the nearer end of the bracket. Remaining
/// is the length from From to 1 as the caller measured it (Length at or
/// beyond it gives T = 1, at most 0 gives From). The step's Length is the arc
/// length from From to T as measured (within Accuracy / 4 of the integrals
/// plus Remaining's own error; the target itself where the search ends on a
/// bracket narrower than 1e-15), so a caller cutting a curve at increasing
/// lengths, each from the cut before, adds up measured lengths instead of the
/// targets' errors.
TCubicLengthStep CubicParameterAfterLength(const TCubicBezier& C, double From, double Length, double Remaining,
                                           double Accuracy) noexcept;

/// The length of the control polygon |P1-P0| + |P2-P1| + |P3-P2|: an upper
/// bound of the arc length, at least the chord.
double CubicControlLength(const TCubicBezier& C) noexcept;

/// The real roots in [0, 1] of A t^3 + B t^2 + C t + D, sorted ascending,
/// each once, at most three; returns how many. The polynomial is split at the
/// roots of its derivative into monotone pieces and each piece with a sign
/// change is searched by bisection with Newton steps to full double
/// precision, so no root is missed at near tangencies (a double root is
/// found where the value reaches zero in double). A polynomial that is zero
/// everywhere has no isolated roots: the result is 0.
int PolynomialRootsInUnitInterval(double A, double B, double C, double D, double Out[3]) noexcept;

/// The power-basis coefficients of one coordinate, A t^3 + B t^2 + C t + D,
/// from its four Bezier values.
struct TCubicCoefficients {
  double A,  ///< of t^3: P3 - P0 + 3 (P1 - P2)
      B,     ///< of t^2: 3 (P0 - 2 P1 + P2)
      C,     ///< of t: 3 (P1 - P0)
      D;     ///< the constant term, P0
};
/// The coefficients of the coordinate whose Bezier values are P0..P3, so that
/// A t^3 + B t^2 + C t + D equals the curve's coordinate at every t. D is
/// exact, the others are rounded in double; non-finite values give
/// non-finite coefficients.
constexpr TCubicCoefficients CubicCoefficientsOf(double P0, double P1, double P2, double P3) noexcept {
  return {P3 - P0 + 3 * (P1 - P2), 3 * (P0 - 2 * P1 + P2), 3 * (P1 - P0), P0};
}

} // namespace zk
