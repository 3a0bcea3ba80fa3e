// The winding number of a path's exact contours around a point.
#include "pathops/PathWinding.h"

#include <algorithm>
#include <cmath>

#include "pathops/PathContourWalk_p.h"

namespace zk {

namespace {

// +1 for a piece from height Y0 to Y1 running towards +y whose half-open
// span [Y0, Y1) holds Y, -1 for one running towards -y with Y in [Y1, Y0).
int Direction(double Y0, double Y1, double Y) noexcept {
  if (Y0 <= Y && Y < Y1) return 1;
  if (Y1 <= Y && Y < Y0) return -1;
  return 0;
}

int LineWinding(const TPointD& A, const TPointD& B, const TPointD& P) noexcept {
  const int D = Direction(A.Y, B.Y, P.Y);
  if (D == 0) return 0;
  // The crossing lies right of P exactly when P is on the line's left (for a
  // line towards +y) or its right (towards -y): the sign of the cross
  // product, which needs no division.
  const double Cross = (B.X - A.X) * (P.Y - A.Y) - (B.Y - A.Y) * (P.X - A.X);
  return D > 0 ? (Cross > 0 ? 1 : 0) : (Cross < 0 ? -1 : 0);
}

int CubicWinding(const TCubicBezier& C, const TPointD& P) noexcept {
  // The curve lies in the hull of its control points.
  const auto [YMin, YMax] = std::minmax({C.P0.Y, C.P1.Y, C.P2.Y, C.P3.Y});
  if (P.Y < YMin || P.Y > YMax) return 0;
  const auto [XMin, XMax] = std::minmax({C.P0.X, C.P1.X, C.P2.X, C.P3.X});
  if (XMax <= P.X) return 0;
  // Wholly right of P, the signed crossings of the line y = P.Y add up to
  // those of the chord: the monotone pieces' half-open spans telescope.
  if (XMin > P.X) return Direction(C.P0.Y, C.P3.Y, P.Y);
  // Split into y-monotone pieces at the roots of dy/dt; each piece whose
  // span holds P.Y crosses the line once, at a root of y(t) - P.Y.
  const TCubicCoefficients Y = CubicCoefficientsOf(C.P0.Y, C.P1.Y, C.P2.Y, C.P3.Y);
  double Breaks[5] = {0}, Heights[5] = {C.P0.Y};
  double Turns[3];
  int NB = 1;
  const int NT = PolynomialRootsInUnitInterval(0, 3 * Y.A, 2 * Y.B, Y.C, Turns);
  for (int I = 0; I < NT; ++I)
    if (Turns[I] > Breaks[NB - 1] && Turns[I] < 1) {
      Breaks[NB] = Turns[I];
      Heights[NB++] = CubicPoint(C, Turns[I]).Y;
    }
  Breaks[NB] = 1;
  Heights[NB++] = C.P3.Y;
  double Roots[3];
  const int NR = PolynomialRootsInUnitInterval(Y.A, Y.B, Y.C, Y.D - P.Y, Roots);
  int W = 0;
  for (int I = 0; I + 1 < NB; ++I) {
    const int D = Direction(Heights[I], Heights[I + 1], P.Y);
    if (D == 0) continue;
    // The root inside the piece; where rounding put it just outside, the
    // piece's end nearer to the line.
    double T = std::fabs(Heights[I] - P.Y) <= std::fabs(Heights[I + 1] - P.Y) ? Breaks[I] : Breaks[I + 1];
    for (int R = 0; R < NR; ++R)
      if (Roots[R] >= Breaks[I] && Roots[R] <= Breaks[I + 1]) {
        T = Roots[R];
        break;
      }
    if (CubicPoint(C, T).X > P.X) W += D;
  }
  return W;
}

} // namespace

int WindingNumber(std::span<const TPathContour> Contours, const TPointD& P) noexcept {
  int W = 0;
  for (const TPathContour& C : Contours) {
    if (C.Segments.empty()) continue;
    for (const TContourSegment& S : C.Segments)
      W += S.IsCurve ? CubicWinding(S.Curve, P) : LineWinding(S.Start(), S.End(), P);
    if (!C.Closed) W += LineWinding(C.Segments.back().End(), C.Start, P);
  }
  return W;
}

int WindingNumber(const TZKPathData& Path, const TPointD& P) {
  // The contours as the walk yields them, each open one closed by its line
  // back to its start; nothing is stored.
  struct TCounter {
    const TPointD& P;
    int W = 0;
    bool Open = false;
    TPointD Start{}, Last{};
    void Begin(const TPointD& At) {
      End();
      Start = Last = At;
      Open = true;
    }
    void Segment(const TContourSegment& S) {
      W += S.IsCurve ? CubicWinding(S.Curve, P) : LineWinding(S.Start(), S.End(), P);
      Last = S.End();
    }
    void Close() { Open = false; }
    void End() {
      if (Open) W += LineWinding(Last, Start, P);
    }
  } Counter{P};
  WalkPathContours(Path.Entries(), Counter);
  Counter.End();
  return Counter.W;
}

bool ContoursContain(std::span<const TPathContour> Contours, const TPointD& P, TZKFillMode Rule) noexcept {
  const int W = WindingNumber(Contours, P);
  return Rule == fmNonZero ? W != 0 : (W & 1) != 0;
}

bool PathContains(const TZKPathData& Path, const TPointD& P, TZKFillMode Rule) {
  const int W = WindingNumber(Path, P);
  return Rule == fmNonZero ? W != 0 : (W & 1) != 0;
}

} // namespace zk
