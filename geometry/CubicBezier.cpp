// Cubic Bezier routines in double precision.
#include "geometry/CubicBezier.h"

#include <algorithm>
#include <cmath>

namespace zk {

TPointD CubicPoint(const TCubicBezier& C, double T) noexcept {
  const TPointD A = Lerp(C.P0, C.P1, T), B = Lerp(C.P1, C.P2, T), D = Lerp(C.P2, C.P3, T);
  return Lerp(Lerp(A, B, T), Lerp(B, D, T), T);
}

TPointD CubicDerivative(const TCubicBezier& C, double T) noexcept {
  const double U = 1 - T;
  const TPointD D0 = C.P1 - C.P0, D1 = C.P2 - C.P1, D2 = C.P3 - C.P2;
  return {3 * (U * U * D0.X + 2 * T * U * D1.X + T * T * D2.X),
          3 * (U * U * D0.Y + 2 * T * U * D1.Y + T * T * D2.Y)};
}

TPointD CubicSecondDerivative(const TCubicBezier& C, double T) noexcept {
  const TPointD A = C.P2 - 2 * C.P1 + C.P0, B = C.P3 - 2 * C.P2 + C.P1;
  return {6 * ((1 - T) * A.X + T * B.X), 6 * ((1 - T) * A.Y + T * B.Y)};
}

TPointD CubicTangent(const TCubicBezier& C, double T) noexcept {
  const TPointD D = CubicDerivative(C, T);
  if (D.X != 0 || D.Y != 0) return D;
  // At an end whose control point coincides with it, the curve leaves along
  // the next distinct control point: the second derivative there points to
  // it (at T = 0 it is 6(P2 - P1) when P1 = P0; at T = 1, -6(P2 - P1) when
  // P2 = P3, and the curve arrives from P1). Elsewhere a zero speed is a
  // cusp, where the second derivative is the direction the curve goes on in.
  TPointD S = CubicSecondDerivative(C, T);
  if (T >= 1) S = {-S.X, -S.Y};
  if (S.X != 0 || S.Y != 0) return S;
  return C.P3 - C.P0;
}

std::pair<TCubicBezier, TCubicBezier> SplitCubic(const TCubicBezier& C, double T) noexcept {
  const TPointD A = Lerp(C.P0, C.P1, T), B = Lerp(C.P1, C.P2, T), D = Lerp(C.P2, C.P3, T);
  const TPointD AB = Lerp(A, B, T), BD = Lerp(B, D, T);
  const TPointD M = Lerp(AB, BD, T);
  return {TCubicBezier{C.P0, A, AB, M}, TCubicBezier{M, BD, D, C.P3}};
}

TCubicBezier SubCubic(const TCubicBezier& C, double T0, double T1) noexcept {
  T0 = std::clamp(T0, 0.0, 1.0);
  T1 = std::clamp(T1, T0, 1.0);
  if (T0 == 0 && T1 == 1) return C;
  if (T0 == 0) return SplitCubic(C, T1).first;
  TCubicBezier Right = SplitCubic(C, T0).second;
  if (T1 == 1) return Right;
  // Cut the right part at the parameter T1 maps to within it; its end is
  // then set to the curve's own point at T1, so that pieces cut at the same
  // parameter meet exactly.
  TCubicBezier Piece = SplitCubic(Right, (T1 - T0) / (1 - T0)).first;
  Piece.P3 = CubicPoint(C, T1);
  return Piece;
}

namespace {

// The real roots of A t^2 + B t + C in the open interval (0, 1), ascending.
// Written to avoid cancellation: q = -(B + sign(B) sqrt(disc)) / 2, roots q/A
// and C/q (Numerical Recipes 5.6).
int QuadraticRootsInOpenUnit(double A, double B, double C, double Out[2]) noexcept {
  double Roots[2];
  int N = 0;
  const double Scale = std::max({std::fabs(A), std::fabs(B), std::fabs(C)});
  if (Scale == 0 || !std::isfinite(Scale)) return 0;
  A /= Scale, B /= Scale, C /= Scale;
  if (std::fabs(A) < 1e-12) {
    if (B != 0) Roots[N++] = -C / B;
  } else {
    const double Disc = B * B - 4 * A * C;
    if (Disc >= 0) {
      const double Q = -0.5 * (B + std::copysign(std::sqrt(Disc), B));
      Roots[N++] = Q / A;
      if (Q != 0) Roots[N++] = C / Q;
    }
  }
  int Count = 0;
  if (N == 2 && Roots[0] > Roots[1]) std::swap(Roots[0], Roots[1]);
  for (int I = 0; I < N; ++I)
    if (Roots[I] > 0 && Roots[I] < 1 && (Count == 0 || Roots[I] != Out[Count - 1])) Out[Count++] = Roots[I];
  return Count;
}

// 8-point and 4-point Gauss-Legendre nodes on [-1, 1] (positive halves) and
// their weights.
constexpr double GaussNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                  0.9602898564975363};
constexpr double GaussWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                    0.1012285362903763};
constexpr double Gauss4Nodes[2] = {0.3399810435848563, 0.8611363115940526};
constexpr double Gauss4Weights[2] = {0.6521451548625461, 0.3478548451374538};

// The integral of |B'(t)| over [A, B] by the Gauss-Legendre rule with the
// given positive nodes. The derivative of a curve within the float range
// stays below 1e40, so its square cannot overflow, and a square that
// underflows adds nothing to a length: the plain root is exact enough and,
// unlike hypot, cheap.
template <int N>
double SpeedIntegral(const TCubicBezier& C, double A, double B, const double (&Nodes)[N],
                     const double (&Weights)[N]) noexcept {
  // B'(t) / 3 = Q2 t^2 + Q1 t + Q0 (with D0 = P1 - P0, D1 = P2 - P1, D2 =
  // P3 - P2: Q2 = D0 - 2 D1 + D2, Q1 = 2 (D1 - D0), Q0 = D0), formed once
  // for all nodes.
  const TPointD D0 = C.P1 - C.P0, D1 = C.P2 - C.P1, D2 = C.P3 - C.P2;
  const TPointD Q2 = D0 - 2 * D1 + D2, Q1 = 2 * (D1 - D0);
  const auto SpeedAt = [&](double T) {
    const double X = (Q2.X * T + Q1.X) * T + D0.X, Y = (Q2.Y * T + Q1.Y) * T + D0.Y;
    return 3 * std::sqrt(X * X + Y * Y);
  };
  const double Half = 0.5 * (B - A), Mid = 0.5 * (A + B);
  double Sum = 0;
  for (int I = 0; I < N; ++I)
    Sum += Weights[I] * (SpeedAt(Mid - Half * Nodes[I]) + SpeedAt(Mid + Half * Nodes[I]));
  return Sum * Half;
}

double GaussSpeedIntegral(const TCubicBezier& C, double A, double B) noexcept {
  return SpeedIntegral(C, A, B, GaussNodes, GaussWeights);
}

// |B'(T)|, by the plain root as above.
double Speed(const TCubicBezier& C, double T) noexcept {
  const TPointD D = CubicDerivative(C, T);
  return std::sqrt(D.X * D.X + D.Y * D.Y);
}

double AdaptiveLength(const TCubicBezier& C, double A, double B, double Whole, double Accuracy,
                      int Depth) noexcept {
  const double M = 0.5 * (A + B);
  const double Left = GaussSpeedIntegral(C, A, M), Right = GaussSpeedIntegral(C, M, B);
  if (Depth >= 30 || std::fabs(Left + Right - Whole) <= Accuracy) return Left + Right;
  return AdaptiveLength(C, A, M, Left, Accuracy / 2, Depth + 1) +
         AdaptiveLength(C, M, B, Right, Accuracy / 2, Depth + 1);
}

} // namespace

int CubicExtrema(const TCubicBezier& C, double Out[4]) noexcept {
  // dB/dt / 3 = a t^2 + b t + c with a = P3 - 3P2 + 3P1 - P0, b = 2(P2 - 2P1 + P0), c = P1 - P0.
  int N = 0;
  for (int Axis = 0; Axis < 2; ++Axis) {
    const auto V = [&](const TPointD& P) { return Axis == 0 ? P.X : P.Y; };
    const double P0 = V(C.P0), P1 = V(C.P1), P2 = V(C.P2), P3 = V(C.P3);
    N += QuadraticRootsInOpenUnit(P3 - 3 * P2 + 3 * P1 - P0, 2 * (P2 - 2 * P1 + P0), P1 - P0, Out + N);
  }
  std::sort(Out, Out + N);
  return static_cast<int>(std::unique(Out, Out + N) - Out);
}

int CubicInflections(const TCubicBezier& C, double Out[2]) noexcept {
  // The cross product B'(t) x B''(t) is, up to a factor 18, the quadratic
  // (a x b) t^2 + (a x c) t + (b x c) with a = P3 - 3P2 + 3P1 - P0,
  // b = P2 - 2P1 + P0 and c = P1 - P0.
  const TPointD A = C.P3 - 3 * C.P2 + 3 * C.P1 - C.P0, B = C.P2 - 2 * C.P1 + C.P0, D = C.P1 - C.P0;
  return QuadraticRootsInOpenUnit(Cross(A, B), Cross(A, D), Cross(B, D), Out);
}

double CubicArcLength(const TCubicBezier& C, double T0, double T1, double Accuracy) noexcept {
  T0 = std::clamp(T0, 0.0, 1.0);
  T1 = std::clamp(T1, 0.0, 1.0);
  if (!(T1 > T0)) return 0;
  return AdaptiveLength(C, T0, T1, GaussSpeedIntegral(C, T0, T1), Accuracy, 0);
}

double CubicControlLength(const TCubicBezier& C) noexcept {
  // The plain root, as for the speed: the squares of differences of points
  // within the float range neither overflow nor matter where they underflow.
  const auto Side = [](const TPointD& V) { return std::sqrt(V.X * V.X + V.Y * V.Y); };
  return Side(C.P1 - C.P0) + Side(C.P2 - C.P1) + Side(C.P3 - C.P2);
}

double CubicLength(const TCubicBezier& C, double RelativeAccuracy) noexcept {
  return CubicArcLength(C, 0, 1, RelativeAccuracy * CubicControlLength(C));
}

double CubicParameterAtLength(const TCubicBezier& C, double Target, double Total, double Accuracy) noexcept {
  return CubicParameterAfterLength(C, 0, Target, Total, Accuracy).T;
}

TCubicLengthStep CubicParameterAfterLength(const TCubicBezier& C, double From, double Target, double Remaining,
                                           double Accuracy) noexcept {
  if (!(Target > 0) || !(Remaining > 0)) return {From, 0};
  if (Target >= Remaining) return {1, Remaining};
  // L(t) is increasing; keep a bracket [Lo, Hi] with L(Lo) <= Target <= L(Hi),
  // both lengths known, and measure from the nearer end, so each step
  // integrates a shrinking interval.
  double Lo = From, Hi = 1, LengthAtLo = 0, LengthAtHi = Remaining;
  // The first guess from the speed s and its rate s' at From, s(t) ~ s + s' h
  // (h = t - From): s h + s' h^2 / 2 = Target, solved without cancellation;
  // a short step is then off by O(h^3). Where that fails (a zero speed, a
  // guess beyond the bracket), the share of the remaining length.
  double T = From + (1 - From) * (Target / Remaining);
  const TPointD D1 = CubicDerivative(C, From);
  const double S = std::sqrt(D1.X * D1.X + D1.Y * D1.Y);
  if (S > 0) {
    const double Rate = Dot(D1, CubicSecondDerivative(C, From)) / S;
    const double Disc = S * S + 2 * Rate * Target;
    const double Guess = Disc >= 0 ? From + 2 * Target / (S + std::sqrt(Disc)) : -1;
    if (Guess > From && Guess < 1) T = Guess;
  }
  // The length over [A, B] to Accuracy / 4: the 8-point rule where the
  // 4-point one (whose error is far larger) agrees that closely, else
  // integrated adaptively.
  const auto Integral = [&](double A, double B) {
    const double Gauss = GaussSpeedIntegral(C, A, B);
    if (std::fabs(Gauss - SpeedIntegral(C, A, B, Gauss4Nodes, Gauss4Weights)) <= Accuracy / 4) return Gauss;
    return CubicArcLength(C, A, B, Accuracy / 4);
  };
  const auto LengthAt = [&](double At) {
    return At - Lo <= Hi - At ? LengthAtLo + Integral(Lo, At) : LengthAtHi - Integral(At, Hi);
  };
  double Here = LengthAt(T);
  for (int Step = 0; Step < 100 && Hi - Lo > 1e-15; ++Step) {
    const double Error = Here - Target;
    if (std::fabs(Error) <= Accuracy) return {T, Here};
    if (Error < 0) Lo = T, LengthAtLo = Here;
    else Hi = T, LengthAtHi = Here;
    const double SpeedAtT = Speed(C, T);
    const double Next = SpeedAtT > 0 ? T - Error / SpeedAtT : -1;
    if (Next > Lo && Next < Hi) {
      // A Newton step is short: its length by Simpson's rule, taken where
      // the trapezoid rule on the same ends (whose error, h^3 s''/12 for a
      // step h, is far larger than Simpson's h^5 s''''/2880) agrees within
      // Accuracy / 4, else integrated from the bracket as any other.
      const double A = std::min(T, Next), B = std::max(T, Next);
      const double SpeedAtNext = Speed(C, Next), SpeedAtMid = Speed(C, 0.5 * (A + B));
      const double Trapezoid = 0.5 * (B - A) * (SpeedAtT + SpeedAtNext);
      const double Simpson = (B - A) / 6 * (SpeedAtT + 4 * SpeedAtMid + SpeedAtNext);
      if (std::fabs(Simpson - Trapezoid) <= Accuracy / 4) Here += Next > T ? Simpson : -Simpson;
      else Here = LengthAt(Next);
      T = Next;
    } else {
      T = 0.5 * (Lo + Hi);
      Here = LengthAt(T);
    }
  }
  return {T, Target};
}

int PolynomialRootsInUnitInterval(double A, double B, double C, double D, double Out[3]) noexcept {
  if (A == 0 && B == 0 && C == 0) return 0;  // constant: no isolated root
  const auto F = [&](double T) { return ((A * T + B) * T + C) * T + D; };
  const auto DF = [&](double T) { return (3 * A * T + 2 * B) * T + C; };
  // Monotone pieces between the critical points.
  double Breaks[4] = {0};
  int NB = 1;
  NB += QuadraticRootsInOpenUnit(3 * A, 2 * B, C, Breaks + 1);
  Breaks[NB++] = 1;
  int N = 0;
  const auto Push = [&](double T) {
    if (N == 0 || T > Out[N - 1]) Out[N++] = T;
  };
  for (int I = 0; I + 1 < NB; ++I) {
    double Lo = Breaks[I], Hi = Breaks[I + 1];
    double FLo = F(Lo), FHi = F(Hi);
    if (FLo == 0) { Push(Lo); continue; }
    if (FHi == 0) { if (I + 2 == NB) Push(Hi); continue; }  // an inner break is the next piece's start
    if ((FLo < 0) == (FHi < 0)) continue;
    // Bisection with Newton steps inside the bracket; at most ~64 halvings.
    double T = 0.5 * (Lo + Hi);
    for (int Step = 0; Step < 100; ++Step) {
      const double FT = F(T);
      if (FT == 0) break;
      if ((FT < 0) == (FLo < 0)) Lo = T, FLo = FT;
      else Hi = T;
      if (!(Hi - Lo > 0) || Hi - Lo <= 1e-16 * std::max(1.0, std::fabs(T))) break;
      const double Slope = DF(T);
      double Next = Slope != 0 ? T - FT / Slope : Lo - 1;
      if (!(Next > Lo && Next < Hi)) Next = 0.5 * (Lo + Hi);
      if (Next == T) break;
      T = Next;
    }
    Push(T);
  }
  return N;
}

} // namespace zk
