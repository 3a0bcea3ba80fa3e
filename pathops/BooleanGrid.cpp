// Operands flattened onto the clipper's integer grid, and the clipper's
// polygons rebuilt on the operands' exact segments.
#include "pathops/BooleanGrid_p.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>
#include <unordered_map>

#include "pathops/PathBoolean.h"
#include "runtime/Exceptions.h"

namespace zk {

namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;

// The grid spans 2^30 steps across the operands' extent, centred, so every
// coordinate stays within the clipper's fast range (below 2^30 in magnitude).
constexpr double GridSteps = double(1 << 30);
// Flattening tolerance in grid steps.
constexpr double GridFlatness = GridSteps * BooleanFlatness;
// A result vertex lies on an operand's polygon edge when it is within this
// many grid steps of it: the clipper rounds the crossings it computes to the
// grid, and its splitting of touching contours moves them by a step or so.
constexpr double OnEdgeSteps = 4;

std::size_t Hash(const IntPoint& P) noexcept {
  const auto H = std::uint64_t(P.X) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(P.Y) * 0xC2B2AE3D27D4EB4Full;
  return std::size_t(H ^ (H >> 29));
}

bool Before(const IntPoint& A, const IntPoint& B) noexcept { return A.X < B.X || (A.X == B.X && A.Y < B.Y); }

// Items put in order of their keys, Key(item) < Keys, keeping the order of
// items with one key (a counting sort: linear). Returns where each key's
// items start, and after the last key their end.
template <class T, class TKey>
std::vector<std::uint32_t> GroupByKey(std::vector<T>& Items, std::size_t Keys, TKey&& Key) {
  std::vector<std::uint32_t> From(Keys + 1, 0), KeyOf(Items.size());
  for (std::size_t I = 0; I < Items.size(); ++I) ++From[(KeyOf[I] = std::uint32_t(Key(Items[I]))) + 1];
  for (std::size_t K = 1; K <= Keys; ++K) From[K] += From[K - 1];
  std::vector<T> Grouped(Items.size());
  std::vector<std::uint32_t> Next(From.begin(), From.end() - 1);
  for (std::size_t I = 0; I < Items.size(); ++I) Grouped[Next[KeyOf[I]]++] = std::move(Items[I]);
  Items.swap(Grouped);
  return From;
}

TPointD SegmentPoint(const TContourSegment& S, double T) noexcept {
  return S.IsCurve ? CubicPoint(S.Curve, T) : Lerp(S.Curve.P0, S.Curve.P3, T);
}

TPointD SegmentDerivative(const TContourSegment& S, double T) noexcept {
  return S.IsCurve ? CubicDerivative(S.Curve, T) : S.Curve.P3 - S.Curve.P0;
}

// The parameter of S nearest to Target, by Newton's method on
// (S(t) - Target) . S'(t) = 0 from T (exact projection for a line); T itself
// when no step brings the point closer.
double NearestParameter(const TContourSegment& S, const TPointD& Target, double T) noexcept {
  if (!S.IsCurve) {
    const TPointD D = S.Curve.P3 - S.Curve.P0;
    const double L2 = Dot(D, D);
    return L2 > 0 ? std::clamp(Dot(Target - S.Curve.P0, D) / L2, 0.0, 1.0) : T;
  }
  double Best = T;
  double BestDistance = Length(CubicPoint(S.Curve, T) - Target);
  for (int I = 0; I < 8; ++I) {
    const TPointD E = CubicPoint(S.Curve, T) - Target;
    const TPointD D1 = CubicDerivative(S.Curve, T);
    const double G = Dot(E, D1);
    const double G1 = Dot(D1, D1) + Dot(E, CubicSecondDerivative(S.Curve, T));
    if (!(G1 > 0)) break;
    T = std::clamp(T - G / G1, 0.0, 1.0);
    const double Distance = Length(CubicPoint(S.Curve, T) - Target);
    if (Distance < BestDistance) {
      Best = T;
      BestDistance = Distance;
    } else if (Distance > BestDistance) {
      break;
    }
  }
  return Best;
}

// Where segments S1 and S2 cross near parameters T1 and T2: Newton's method
// on S1(t1) - S2(t2) = 0. False when it does not converge inside both
// segments (tangent or parallel there), leaving T1 and T2 unchanged.
bool SolveCrossing(const TContourSegment& S1, double& T1, const TContourSegment& S2, double& T2,
                   double Extent) noexcept {
  double U = T1, V = T2;
  for (int I = 0; I < 12; ++I) {
    const TPointD F = SegmentPoint(S1, U) - SegmentPoint(S2, V);
    const TPointD A = SegmentDerivative(S1, U);
    const TPointD B = SegmentDerivative(S2, V);
    // Solve [A, -B] (dU, dV) = F by Cramer's rule.
    const double Det = B.X * A.Y - A.X * B.Y;
    if (!(std::fabs(Det) > 1e-300)) return false;
    const double DU = (B.X * F.Y - F.X * B.Y) / Det;
    const double DV = (A.X * F.Y - A.Y * F.X) / Det;
    U -= DU;
    V -= DV;
    if (!(U >= -1e-9 && U <= 1 + 1e-9 && V >= -1e-9 && V <= 1 + 1e-9)) return false;
    if (std::fabs(DU) < 1e-15 && std::fabs(DV) < 1e-15) break;
  }
  U = std::clamp(U, 0.0, 1.0);
  V = std::clamp(V, 0.0, 1.0);
  if (!(Length(SegmentPoint(S1, U) - SegmentPoint(S2, V)) <= 1e-9 * Extent)) return false;
  T1 = U;
  T2 = V;
  return true;
}

// The distance from P to the segment A-B in grid steps, and the position of
// its foot along the segment (0 at A, 1 at B).
double DistanceToEdge(const IntPoint& P, const IntPoint& A, const IntPoint& B, double& Along) noexcept {
  const double DX = double(B.X - A.X), DY = double(B.Y - A.Y);
  const double PX = double(P.X - A.X), PY = double(P.Y - A.Y);
  const double L2 = DX * DX + DY * DY;
  Along = L2 > 0 ? std::clamp((PX * DX + PY * DY) / L2, 0.0, 1.0) : 0.0;
  const double EX = PX - Along * DX, EY = PY - Along * DY;
  return std::sqrt(EX * EX + EY * EY);  // grid steps: no overflow for hypot to guard against
}

// A box of control points; a curve lies inside the box of its controls.
struct TBox {
  double X0, Y0, X1, Y1;
};

// The box of the control points, which holds the curve.
TBox ControlBoxOf(const TCubicBezier& K) noexcept {
  return {std::min({K.P0.X, K.P1.X, K.P2.X, K.P3.X}), std::min({K.P0.Y, K.P1.Y, K.P2.Y, K.P3.Y}),
          std::max({K.P0.X, K.P1.X, K.P2.X, K.P3.X}), std::max({K.P0.Y, K.P1.Y, K.P2.Y, K.P3.Y})};
}

// The box of the segment P-Q.
TBox BoxOf(const TPointD& P, const TPointD& Q) noexcept {
  return {std::min(P.X, Q.X), std::min(P.Y, Q.Y), std::max(P.X, Q.X), std::max(P.Y, Q.Y)};
}

// The smallest box that holds both.
TBox Joined(const TBox& A, const TBox& B) noexcept {
  return {std::min(A.X0, B.X0), std::min(A.Y0, B.Y0), std::max(A.X1, B.X1), std::max(A.Y1, B.Y1)};
}

// Whether the chord P-Q of a curve whose box is Box runs along one of its
// edges: both ends within Near of that edge, the box reaching farther than
// Near across it.
bool ChordAlongAnEdge(const TPointD& P, const TPointD& Q, const TBox& Box, double Near) noexcept {
  const auto Along = [&](double PV, double QV, double Edge, double Across) {
    return std::fabs(PV - Edge) <= Near && std::fabs(QV - Edge) <= Near && Across > Near;
  };
  const double W = Box.X1 - Box.X0, H = Box.Y1 - Box.Y0;
  return Along(P.X, Q.X, Box.X0, W) || Along(P.X, Q.X, Box.X1, W) || Along(P.Y, Q.Y, Box.Y0, H) ||
         Along(P.Y, Q.Y, Box.Y1, H);
}

// Whether the boxes share a point (MoreThanAPoint: more than one point;
// two segments that share an end, whose boxes meet only there, cannot
// cross or overlap).
bool Overlap(const TBox& A, const TBox& B, bool MoreThanAPoint) noexcept {
  const double W = std::min(A.X1, B.X1) - std::max(A.X0, B.X0);
  const double H = std::min(A.Y1, B.Y1) - std::max(A.Y0, B.Y0);
  return W >= 0 && H >= 0 && (!MoreThanAPoint || W > 0 || H > 0);
}

// The parameters [T0, T1] of the line A + t (B - A) narrowed to those
// inside the box, by clipping to its slabs (Liang-Barsky); false when none
// is.
bool ClipLineToBox(const TPointD& A, const TPointD& B, const TBox& Box, double& T0, double& T1) noexcept {
  const double D[2] = {B.X - A.X, B.Y - A.Y};
  const double Lo[2] = {Box.X0 - A.X, Box.Y0 - A.Y}, Hi[2] = {Box.X1 - A.X, Box.Y1 - A.Y};
  for (int K = 0; K < 2; ++K) {
    if (D[K] == 0) {
      if (Lo[K] > 0 || Hi[K] < 0) return false;
      continue;
    }
    double E = Lo[K] / D[K], F = Hi[K] / D[K];
    if (E > F) std::swap(E, F);
    T0 = std::max(T0, E);
    T1 = std::min(T1, F);
    if (T0 > T1) return false;
  }
  return true;
}

// Whether the straight segment A-B shares a point with the box
// (MoreThanAPoint: more than one point).
bool LineMeetsBox(const TPointD& A, const TPointD& B, const TBox& Box, bool MoreThanAPoint) noexcept {
  double T0 = 0, T1 = 1;
  return ClipLineToBox(A, B, Box, T0, T1) && (!MoreThanAPoint || T1 > T0);
}

// Whether the segments A0-A1 and B0-B1 cross at a point inside both (their
// ends strictly on either side of the other's line).
bool SegmentsCross(const TPointD& A0, const TPointD& A1, const TPointD& B0, const TPointD& B1) noexcept {
  const double D0 = Cross(B1 - B0, A0 - B0), D1 = Cross(B1 - B0, A1 - B0);
  const double D2 = Cross(A1 - A0, B0 - A0), D3 = Cross(A1 - A0, B1 - A0);
  return ((D0 < 0 && D1 > 0) || (D0 > 0 && D1 < 0)) && ((D2 < 0 && D3 > 0) || (D2 > 0 && D3 < 0));
}

// The squared distance from P to the segment A-B.
double SquaredDistanceToSegment(const TPointD& P, const TPointD& A, const TPointD& B) noexcept {
  const TPointD D = B - A, E = P - A;
  const double L2 = Dot(D, D);
  const double T = L2 > 0 ? std::clamp(Dot(E, D) / L2, 0.0, 1.0) : 0.0;
  const TPointD F = E - T * D;
  return Dot(F, F);
}

// Whether the segments A0-A1 and B0-B1 come farther apart than Distance.
bool SegmentsApart(const TPointD& A0, const TPointD& A1, const TPointD& B0, const TPointD& B1, double Distance) noexcept {
  const double D2 = Distance * Distance;
  return SquaredDistanceToSegment(A0, B0, B1) > D2 && SquaredDistanceToSegment(A1, B0, B1) > D2 &&
         SquaredDistanceToSegment(B0, A0, A1) > D2 && SquaredDistanceToSegment(B1, A0, A1) > D2 &&
         !SegmentsCross(A0, A1, B0, B1);
}

// Whether two curves that start at one point X leave it in directions
// apart: each lies in the cone from X spanned by its other control points
// (the hull of its controls), and the cones, each narrower than a half
// turn, share no direction. They then meet only at X, and so do their
// polygons.
bool ConesApart(const TPointD& X, const TPointD (&U)[3], const TPointD (&V)[3]) noexcept {
  constexpr double Pi = 3.14159265358979323846, Margin = 1e-9;
  // Angles measured from the direction of U's last control.
  const TPointD D = U[2] - X;
  if (D.X == 0 && D.Y == 0) return false;
  const auto Angle = [&](const TPointD& P) { return std::atan2(Cross(D, P - X), Dot(D, P - X)); };
  double Lo = 0, Hi = 0;
  for (const TPointD& P : U)
    if (P != X) {
      const double A = Angle(P);
      Lo = std::min(Lo, A);
      Hi = std::max(Hi, A);
    }
  if (!(Hi - Lo < Pi - Margin)) return false;
  // V's directions, all beyond Hi and short of Lo + 2 pi, within less than
  // a half turn of each other.
  double VLo = std::numeric_limits<double>::infinity(), VHi = -VLo;
  for (const TPointD& P : V) {
    if (P == X) continue;
    double A = Angle(P);
    if (A <= Hi + Margin) A += 2 * Pi;
    if (!(A > Hi + Margin && A < Lo + 2 * Pi - Margin)) return false;
    VLo = std::min(VLo, A);
    VHi = std::max(VHi, A);
  }
  return VHi - VLo < Pi - Margin;
}

// How far the curve strays from its chord at most. When both inner controls
// project onto the chord, so does the whole curve (it lies in the hull of
// its controls), and its distance from the chord's line is
// 3t(1-t)((1-t)d1 + t d2) for the controls' signed distances d1 and d2: at
// most 3/4 max|d| when they lie on one side, 4/9 max|d| when on both (the
// fat line of Bezier clipping). Otherwise the distance to the chord, a
// convex function, is largest over the hull at a control point.
double ChordRadius(const TCubicBezier& K) noexcept {
  const TPointD D = K.P3 - K.P0, E1 = K.P1 - K.P0, E2 = K.P2 - K.P0;
  const double L2 = Dot(D, D), A1 = Dot(E1, D), A2 = Dot(E2, D);
  if (L2 > 0 && A1 >= 0 && A1 <= L2 && A2 >= 0 && A2 <= L2) {
    const double D1 = Cross(D, E1), D2 = Cross(D, E2);
    const double Factor = (D1 < 0) == (D2 < 0) ? 0.75 : 4.0 / 9.0;
    return Factor * std::max(std::fabs(D1), std::fabs(D2)) / std::sqrt(L2);
  }
  return std::sqrt(std::max(SquaredDistanceToSegment(K.P1, K.P0, K.P3), SquaredDistanceToSegment(K.P2, K.P0, K.P3)));
}

// Whether a curve part (inside Box with its polygons) is clear of the line
// A-B or crosses it once, as every polygon through its points in order does.
// Clear: its controls lie strictly on one side of the line. Crossed once:
// the part is within Reach of its chord (Radius), the signed distances of
// its controls from the line rise (or fall) strictly from one side to the
// other, so the curve's distance, a sum of Bernstein polynomials with those
// weights, does too, and so do a polygon's vertices; and the line meets Box
// only strictly between A and B, so that is where they cross.
bool ClearOrCrossedOnce(const TCubicBezier& K, const TBox& Box, const TPointD& A, const TPointD& B, double Radius, double Reach) noexcept {
  const TPointD D = B - A;
  const double S0 = Cross(D, K.P0 - A), S1 = Cross(D, K.P1 - A), S2 = Cross(D, K.P2 - A), S3 = Cross(D, K.P3 - A);
  if ((S0 > 0 && S1 > 0 && S2 > 0 && S3 > 0) || (S0 < 0 && S1 < 0 && S2 < 0 && S3 < 0)) return true;
  const bool Rises = S0 < 0 && S0 < S1 && S1 < S2 && S2 < S3 && S3 > 0;
  const bool Falls = S0 > 0 && S0 > S1 && S1 > S2 && S2 > S3 && S3 < 0;
  if (!Rises && !Falls) return false;
  if (Radius > Reach) return false;
  // The span of the whole line inside the box.
  double T0 = -std::numeric_limits<double>::infinity(), T1 = -T0;
  return ClipLineToBox(A, B, Box, T0, T1) && T0 > 0 && T1 < 1;
}

// Whether the curve's derivative keeps within an open half-plane, so that
// the curve runs on in one direction: its derivative is a combination with
// non-negative weights of P1 - P0, P2 - P1 and P3 - P2, and these lie in an
// open half-plane when the largest angle between neighbouring ones exceeds
// a half turn. Such a curve has no loop, and a polygon through its points
// in order runs on the same way, so it cannot cross itself either.
bool RunsOneWay(const TCubicBezier& K) noexcept {
  const TPointD D[3] = {K.P1 - K.P0, K.P2 - K.P1, K.P3 - K.P2};
  // Mostly they all go forward along the chord, which is such a half-plane.
  const TPointD Chord = K.P3 - K.P0;
  if (Dot(D[0], Chord) > 0 && Dot(D[1], Chord) > 0 && Dot(D[2], Chord) > 0) return true;
  double Angles[3];
  int N = 0;
  for (const TPointD& V : D)
    if (V.X != 0 || V.Y != 0) Angles[N++] = std::atan2(V.Y, V.X);
  if (N < 2) return true;
  for (int I = 1; I < N; ++I)  // three at most: insertion sort
    for (int J = I; J > 0 && Angles[J] < Angles[J - 1]; --J) std::swap(Angles[J], Angles[J - 1]);
  constexpr double Pi = 3.14159265358979323846;
  double Gap = Angles[0] + 2 * Pi - Angles[N - 1];
  for (int I = 1; I < N; ++I) Gap = std::max(Gap, Angles[I] - Angles[I - 1]);
  return Gap > Pi + 1e-9;
}

// The boxes of all segments, found by a grid of cells over their frame.
class TBoxIndex {
public:
  TBoxIndex(std::span<const TBox> Boxes, const TBox& Frame)
      : FBoxes(Boxes), FFrame(Frame), FCells(std::clamp(int(std::sqrt(double(Boxes.size()))), 1, 256)) {
    // A frame without width or height (every point on one line) is one
    // column or row of cells.
    const auto ScaleOf = [&](double Extent) {
      const double S = FCells / Extent;
      return Extent > 0 && std::isfinite(S) ? S : 0.0;
    };
    FScaleX = ScaleOf(Frame.X1 - Frame.X0);
    FScaleY = ScaleOf(Frame.Y1 - Frame.Y0);
    // The cells of every box, found once for the count and the fill.
    struct TCells {
      int X0, X1, Y0, Y1;
    };
    std::vector<TCells> CellsOf(Boxes.size());
    std::vector<std::uint32_t> Count(std::size_t(FCells) * FCells + 1, 0);
    const auto ForCells = [&](const TCells& R, auto&& Do) {
      for (int Y = R.Y0; Y <= R.Y1; ++Y)
        for (int X = R.X0; X <= R.X1; ++X) Do(std::size_t(Y) * FCells + X);
    };
    for (std::uint32_t I = 0; I < Boxes.size(); ++I) {
      const auto [X0, X1] = Columns(Boxes[I]);
      const auto [Y0, Y1] = Rows(Boxes[I]);
      CellsOf[I] = {X0, X1, Y0, Y1};
      if ((X1 - X0 + 1) * (Y1 - Y0 + 1) > MaxCellsPerBox) {
        FBig.push_back(I);
        CellsOf[I] = {0, -1, 0, -1};  // in no cell
        continue;
      }
      ForCells(CellsOf[I], [&](std::size_t C) { ++Count[C + 1]; });
    }
    for (std::size_t C = 1; C < Count.size(); ++C) Count[C] += Count[C - 1];
    FStart = Count;
    FItems.resize(Count.back());
    for (std::uint32_t I = 0; I < Boxes.size(); ++I) ForCells(CellsOf[I], [&](std::size_t C) { FItems[Count[C]++] = I; });
  }

  // Whether Meets(I) holds for some box I that shares a point with B.
  template <class TMeets>
  bool Any(const TBox& B, TMeets&& Meets) const {
    for (std::uint32_t I : FBig)
      if (Overlap(B, FBoxes[I], false) && Meets(I)) return true;
    const auto [X0, X1] = Columns(B);
    const auto [Y0, Y1] = Rows(B);
    for (int Y = Y0; Y <= Y1; ++Y)
      for (int X = X0; X <= X1; ++X) {
        const std::size_t C = std::size_t(Y) * FCells + X;
        for (std::uint32_t K = FStart[C]; K < FStart[C + 1]; ++K)
          if (Overlap(B, FBoxes[FItems[K]], false) && Meets(FItems[K])) return true;
      }
    return false;
  }

private:
  static constexpr int MaxCellsPerBox = 64;  // larger boxes are looked at by every query
  std::pair<int, int> Columns(const TBox& B) const noexcept { return {Cell(B.X0 - FFrame.X0, FScaleX), Cell(B.X1 - FFrame.X0, FScaleX)}; }
  std::pair<int, int> Rows(const TBox& B) const noexcept { return {Cell(B.Y0 - FFrame.Y0, FScaleY), Cell(B.Y1 - FFrame.Y0, FScaleY)}; }
  int Cell(double Offset, double Scale) const noexcept {
    const double C = Offset * Scale;
    if (!(C > 0)) return 0;
    return C >= FCells - 1 ? FCells - 1 : int(C);
  }

  std::span<const TBox> FBoxes;
  TBox FFrame;
  int FCells;
  double FScaleX = 0, FScaleY = 0;
  std::vector<std::uint32_t> FStart, FItems, FBig;
};

// Whether the turn A-B-C goes back the way it came (within a grid step or
// so of it), or B repeats A: B is then the tip of a spike and encloses
// nothing.
bool Spike(const IntPoint& A, const IntPoint& B, const IntPoint& C) noexcept {
  if (A == B || B == C) return true;
  const double X1 = double(B.X - A.X), Y1 = double(B.Y - A.Y), X2 = double(C.X - B.X), Y2 = double(C.Y - B.Y);
  if (!(X1 * X2 + Y1 * Y2 < 0)) return false;
  // The cross product within 1.5 times the longer side: squared, no roots.
  const double Cross = X1 * Y2 - Y1 * X2, Longer2 = std::max(X1 * X1 + Y1 * Y1, X2 * X2 + Y2 * Y2);
  return Cross * Cross <= 2.25 * Longer2;
}

// The polygon without its spikes (out and back along a line) and repeated
// vertices, around the closing corner too: the clipper mishandles spikes
// that lie along other edges.
void RemoveSpikes(ClipperLib::Path& Polygon) {
  // In place: the kept vertices [0, N) never overtake the one read.
  std::size_t N = 0;
  for (const IntPoint& P : Polygon) {
    Polygon[N++] = P;
    while (N >= 3 && Spike(Polygon[N - 3], Polygon[N - 2], Polygon[N - 1])) {
      Polygon[N - 2] = Polygon[N - 1];
      --N;
    }
    if (N == 2 && Polygon[0] == Polygon[1]) --N;
  }
  // Around the corner where the polygon closes.
  std::size_t First = 0;
  while (N - First >= 3) {
    if (Spike(Polygon[N - 2], Polygon[N - 1], Polygon[First])) {
      --N;
    } else if (Spike(Polygon[N - 1], Polygon[First], Polygon[First + 1])) {
      ++First;
    } else {
      break;
    }
  }
  Polygon.resize(N);
  Polygon.erase(Polygon.begin(), Polygon.begin() + std::ptrdiff_t(First));
}

// The polygon's vertices but those that repeat the one before (around the
// closing corner too): what RemoveSpikes keeps of a polygon without spikes.
std::size_t DistinctPoints(const ClipperLib::Path& Polygon) noexcept {
  std::size_t N = 0;
  for (std::size_t I = 0; I < Polygon.size(); ++I) N += Polygon[I] != Polygon[I == 0 ? Polygon.size() - 1 : I - 1];
  return std::max<std::size_t>(N, std::min<std::size_t>(Polygon.size(), 1));
}

// Whether every vertex lies within a grid step or so of the line through
// the first vertex and the one farthest from it.
bool OnOneLine(const ClipperLib::Path& Polygon) noexcept {
  if (Polygon.size() < 3) return true;
  const IntPoint& A = Polygon.front();
  std::size_t Far = 0;
  double FarDistance = 0;
  for (std::size_t I = 1; I < Polygon.size(); ++I) {
    const double DX = double(Polygon[I].X - A.X), DY = double(Polygon[I].Y - A.Y);
    const double D = std::sqrt(DX * DX + DY * DY);
    if (D > FarDistance) {
      FarDistance = D;
      Far = I;
    }
  }
  if (FarDistance == 0) return true;
  const double DX = double(Polygon[Far].X - A.X), DY = double(Polygon[Far].Y - A.Y);
  for (const IntPoint& P : Polygon)
    if (std::fabs(DX * double(P.Y - A.Y) - DY * double(P.X - A.X)) > 1.5 * FarDistance) return false;
  return true;
}

// How far, in grid steps, a polygon vertex may lie from the line of the
// edges beside it and still be taken out as the tip of a spike: Spike's 1.5
// steps, and half a step of rounding at each of the three vertices, with a
// margin.
constexpr double FoldReach = 4;

// Deepest halving of a curve while looking for the parts near others.
constexpr int MaxRefineDepth = 20;

// Pairs of curve parts looked at, per segment; operands whose curves crowd
// each other more than that (a hostile path) have every curve cut evenly.
constexpr std::size_t RefineWorkPerSegment = 512;

} // namespace

// ---- Flattening ---------------------------------------------------------------

TBooleanGrid::TBooleanGrid(std::span<const TPathContour> A, std::span<const TPathContour> B) {
  double MinX = std::numeric_limits<double>::infinity(), MinY = MinX;
  double MaxX = -MinX, MaxY = -MinX;
  const auto Include = [&](const TPointD& P) {
    if (!std::isfinite(P.X) || !std::isfinite(P.Y))
      throw EInvalidOp("A path point of a boolean operation is not finite");
    MinX = std::min(MinX, P.X);
    MaxX = std::max(MaxX, P.X);
    MinY = std::min(MinY, P.Y);
    MaxY = std::max(MaxY, P.Y);
  };
  for (std::span<const TPathContour> Operand : {A, B})
    for (const TPathContour& C : Operand) {
      Include(C.Start);
      for (const TContourSegment& S : C.Segments)
        for (const TPointD& P : {S.Curve.P0, S.Curve.P1, S.Curve.P2, S.Curve.P3}) Include(P);
    }
  FExtent = std::max(MaxX - MinX, MaxY - MinY);
  if (!(FExtent > 0)) return;  // nothing, or every point in one place: no area
  FCentre = {MinX + (MaxX - MinX) / 2, MinY + (MaxY - MinY) / 2};
  FScale = GridSteps / FExtent;

  // Every segment of both operands (an open contour's implied closing line
  // included), in contour order.
  struct TPending {
    TContourSegment Segment;
    std::uint32_t Contour;  // counted over both operands
  };
  std::vector<TPending> Pending;
  struct TContourRef {
    int Operand;
    std::size_t First;    // its first pending segment
    std::uint32_t Index;  // its place among the operand's contours
  };
  std::vector<TContourRef> Contours;
  std::size_t Segments = 0;  // with a closing line for each contour
  for (std::span<const TPathContour> Operand : {A, B})
    for (const TPathContour& C : Operand) Segments += C.Segments.size() + 1;
  Pending.reserve(Segments);
  for (int Operand = 0; Operand < 2; ++Operand)
    for (std::uint32_t K = 0; K < (Operand == 0 ? A : B).size(); ++K) {
      const TPathContour& C = (Operand == 0 ? A : B)[K];
      if (C.Segments.empty()) continue;
      const auto Index = std::uint32_t(Contours.size());
      Contours.push_back({Operand, Pending.size(), K});
      for (const TContourSegment& S : C.Segments) Pending.push_back({S, Index});
      if (!C.Closed) Pending.push_back({TContourSegment::Line(C.Segments.back().End(), C.Start), Index});
    }
  // What a curve must keep clear of: every segment, a curve cut at its
  // extrema into parts that each fill the box of their ends, so that the
  // boxes hug the curves. Together they make each segment's tight box: its
  // ends and its horizontal and vertical extrema, which holds every polygon
  // through points of the curve in order.
  std::vector<TBox> Boxes, TightBoxes(Pending.size());
  std::vector<std::uint32_t> BoxSegment;
  // A curve's extrema, kept for its sampling.
  struct TExtrema {
    int N = 0;
    double T[4];
    TPointD P[4];
  };
  std::vector<TExtrema> Extrema(Pending.size());
  Boxes.reserve(2 * Pending.size());
  BoxSegment.reserve(2 * Pending.size());
  for (std::size_t I = 0; I < Pending.size(); ++I) {
    const TCubicBezier& K = Pending[I].Segment.Curve;
    TExtrema& E = Extrema[I];
    if (Pending[I].Segment.IsCurve) E.N = CubicExtrema(K, E.T);
    TPointD From = K.P0;
    for (int C = 0; C <= E.N; ++C) {
      const TPointD To = C == E.N ? K.P3 : (E.P[C] = CubicPoint(K, E.T[C]));
      Boxes.push_back(BoxOf(From, To));
      BoxSegment.push_back(std::uint32_t(I));
      TightBoxes[I] = C == 0 ? Boxes.back() : Joined(TightBoxes[I], Boxes.back());
      From = To;
    }
  }
  const TBoxIndex Index(Boxes, {MinX, MinY, MaxX, MaxY});
  // Neighbours within a contour: consecutive, the last and the first too.
  const auto Neighbours = [&](std::size_t I, std::size_t J) {
    if (Pending[I].Contour != Pending[J].Contour) return false;
    const std::size_t First = Contours[Pending[I].Contour].First;
    const std::size_t End =
        Pending[I].Contour + 1 < Contours.size() ? Contours[Pending[I].Contour + 1].First : Pending.size();
    const auto [Lo, Hi] = std::minmax(I, J);
    return Hi == Lo + 1 || (Lo == First && Hi + 1 == End);
  };

  // Pieces of a curve: the chord of a piece of parameter length h strays at
  // most h^2/8 max|B''| from the curve, and |B''| <= 6 max |second
  // differences of the control points|; so n = sqrt(0.75 D2 / tolerance).
  // That many are needed only near other segments: a part of a curve that
  // runs one way and whose box meets no other segment (nor a neighbour
  // beyond the end they share) can neither cross anything nor change on
  // which side of it another segment lies, whatever its polygon inside that
  // box, so it is one chord. Such a curve is halved until its parts are
  // either that or flat enough; other curves are cut evenly.
  const auto Pieces = [&](const TCubicBezier& K, double Tolerance) {
    const TPointD A = K.P0 - 2 * K.P1 + K.P2, B = K.P1 - 2 * K.P2 + K.P3;
    const double D2 = std::sqrt(std::max(Dot(A, A), Dot(B, B))) * FScale;
    return std::min(std::ceil(std::sqrt(0.75 * D2 / Tolerance)), 1e9);
  };
  std::size_t Total = 0;
  for (const TPending& S : Pending) Total += S.Segment.IsCurve ? std::size_t(std::max(1.0, Pieces(S.Segment.Curve, GridFlatness))) : 1;
  // Over the vertex budget every curve gets fewer pieces by one factor.
  const double Coarser = Total > MaxBooleanVertices ? double(Total) / double(MaxBooleanVertices) : 1.0;
  const double Tolerance = GridFlatness * Coarser * Coarser;
  // Curves that run one way are halved against each other (and against
  // lines and other curves, which stay whole) while their parts' boxes
  // meet: a part that comes clear of the other's part is left whole, a part
  // that is flat enough while they still meet is marked fine. Each curve
  // is then cut where any of its pairs cut it, and a piece is one chord,
  // or cut evenly by the tolerance where it was marked fine.
  std::vector<char> Splits(Pending.size());
  for (std::size_t I = 0; I < Pending.size(); ++I)
    Splits[I] = Pending[I].Segment.IsCurve && RunsOneWay(Pending[I].Segment.Curve);
  // Where the pairs cut a curve, and the parts of it they marked fine.
  struct TCut {
    std::uint32_t Segment;
    double T;
  };
  struct TFine {
    std::uint32_t Segment;
    double T0, T1;
  };
  std::vector<TCut> Cuts;
  std::vector<TFine> Fine;
  std::size_t Work = 0;
  const std::size_t Budget = RefineWorkPerSegment * Pending.size() + 4096;
  // A part of a segment: its curve, the box and the capsule (the chord
  // widened by Radius) that hold it, and its piece count at the tolerance.
  // A half's capsule and count wait until its box is seen to meet the
  // other part's (Radius < 0 until then).
  struct TPart {
    std::uint32_t Segment;
    double T0, T1;
    TCubicBezier K;
    TBox Box;
    double Radius;
    double N;
  };
  const auto Complete = [&](TPart& P) {
    if (P.Radius >= 0) return;
    P.Radius = ChordRadius(P.K);
    P.N = Pieces(P.K, Tolerance);
  };
  // The whole curve by its tight box, a half (of a curve that splits) by its
  // controls' box: that is as good after a halving or two, and far cheaper.
  const auto HalfOf = [](std::uint32_t Segment, double T0, double T1, const TCubicBezier& K) {
    return TPart{Segment, T0, T1, K, ControlBoxOf(K), -1, 0};
  };
  std::vector<TPart> Wholes;
  Wholes.reserve(Pending.size());
  for (std::uint32_t I = 0; I < Pending.size(); ++I) {
    const TContourSegment& S = Pending[I].Segment;
    if (!S.IsCurve)
      Wholes.push_back({I, 0, 1, S.Curve, {}, 0, 0});
    else
      Wholes.push_back({I, 0, 1, S.Curve, TightBoxes[I], ChordRadius(S.Curve), Splits[I] ? Pieces(S.Curve, Tolerance) : 0});
  }
  // Parts that are each within the crossing tolerance of their chord, whose
  // chords cross at a wide angle with every end well clear of the other
  // chord: the curves cross once there, as their chords do, and as any
  // polygon through their points does, so no finer cut changes a decision.
  const double CrossingReach = GridSteps * BooleanCrossingFlatness / FScale;
  const double LineCrossingReach = GridSteps * BooleanLineCrossingFlatness / FScale;
  const auto CrossOnce = [&](const TPart& P, const TPart& Q) {
    if (P.Radius > CrossingReach || Q.Radius > CrossingReach) return false;
    const TPointD A0 = P.K.P0, A1 = P.K.P3, B0 = Q.K.P0, B1 = Q.K.P3;
    const TPointD DA = A1 - A0, DB = B1 - B0;
    const double LA = std::sqrt(Dot(DA, DA)), LB = std::sqrt(Dot(DB, DB));
    if (!(std::fabs(Cross(DA, DB)) >= 0.5 * LA * LB)) return false;  // within 30 degrees of parallel
    const double Clear = 4 * (P.Radius + Q.Radius);
    const double SA0 = Cross(DB, A0 - B0) / LB, SA1 = Cross(DB, A1 - B0) / LB;
    const double SB0 = Cross(DA, B0 - A0) / LA, SB1 = Cross(DA, B1 - A0) / LA;
    return SA0 * SA1 < 0 && SB0 * SB1 < 0 && std::min({std::fabs(SA0), std::fabs(SA1), std::fabs(SB0), std::fabs(SB1)}) > Clear;
  };
  const auto Pair = [&](auto&& Self, TPart& P, TPart& Q, int Depth) -> void {
    if (++Work > Budget) return;
    // Neighbours share an end: meeting only there is no meeting.
    const bool Neighbour = Neighbours(P.Segment, Q.Segment);
    const TContourSegment& Other = Pending[Q.Segment].Segment;
    const bool Meets = Other.IsCurve ? Overlap(P.Box, Q.Box, Neighbour)
                                     : LineMeetsBox(Other.Start(), Other.End(), P.Box, Neighbour);
    if (!Meets) return;
    Complete(P);
    Complete(Q);
    // Parts whose capsules keep apart are as clear of each other as parts
    // whose boxes do; parts that share an end (which their capsules always
    // do) are clear when they leave it in directions apart.
    if (P.K.P3 == Q.K.P0 || P.K.P0 == Q.K.P3) {
      const bool QAfterP = P.K.P3 == Q.K.P0;
      const TPointD X = QAfterP ? P.K.P3 : P.K.P0;
      const TPointD U[3] = {QAfterP ? P.K.P2 : P.K.P1, QAfterP ? P.K.P1 : P.K.P2, QAfterP ? P.K.P0 : P.K.P3};
      const TPointD V[3] = {QAfterP ? Q.K.P1 : Q.K.P2, QAfterP ? Q.K.P2 : Q.K.P1, QAfterP ? Q.K.P3 : Q.K.P0};
      if (ConesApart(X, U, V)) return;
    } else if (SegmentsApart(P.K.P0, P.K.P3, Q.K.P0, Q.K.P3, P.Radius + Q.Radius) || CrossOnce(P, Q) ||
               (!Other.IsCurve && ClearOrCrossedOnce(P.K, P.Box, Q.K.P0, Q.K.P3, P.Radius, LineCrossingReach))) {
      return;
    }
    if ((P.N <= 4 && Q.N <= 4) || Depth >= MaxRefineDepth) {
      Fine.push_back({P.Segment, P.T0, P.T1});
      if (Splits[Q.Segment]) Fine.push_back({Q.Segment, Q.T0, Q.T1});
      return;
    }
    if (P.N >= Q.N) {
      const double Mid = P.T0 + (P.T1 - P.T0) / 2;
      Cuts.push_back({P.Segment, Mid});
      const auto [Left, Right] = SplitCubic(P.K, 0.5);
      TPart First = HalfOf(P.Segment, P.T0, Mid, Left), Second = HalfOf(P.Segment, Mid, P.T1, Right);
      Self(Self, First, Q, Depth + 1);
      Self(Self, Second, Q, Depth + 1);
    } else {
      const double Mid = Q.T0 + (Q.T1 - Q.T0) / 2;
      Cuts.push_back({Q.Segment, Mid});
      const auto [Left, Right] = SplitCubic(Q.K, 0.5);
      TPart First = HalfOf(Q.Segment, Q.T0, Mid, Left), Second = HalfOf(Q.Segment, Mid, Q.T1, Right);
      Self(Self, P, First, Depth + 1);
      Self(Self, P, Second, Depth + 1);
    }
  };
  std::vector<std::uint32_t> Met;
  for (std::uint32_t I = 0; I < Pending.size() && Work <= Budget; ++I) {
    if (!Splits[I]) continue;
    // Wholes are complete: the pairs read them and do not change them.
    TPart& Whole = Wholes[I];
    if (Whole.N <= 1) continue;  // flat enough for one chord anyway
    Met.clear();
    Index.Any(Whole.Box, [&](std::uint32_t K) {
      const std::uint32_t J = BoxSegment[K];
      // A pair of curves that both split is taken once.
      if (J != I && !(Splits[J] && J < I)) Met.push_back(J);
      return false;
    });
    std::sort(Met.begin(), Met.end());
    Met.erase(std::unique(Met.begin(), Met.end()), Met.end());
    for (std::uint32_t J : Met) Pair(Pair, Whole, Wholes[J], 0);
  }
  const bool Refined = Work <= Budget;  // otherwise every curve is cut evenly
  // The cuts and fine parts grouped by segment; each curve puts its own few
  // in order when it is sampled.
  const auto SegmentOf = [](const auto& Item) { return Item.Segment; };
  const std::vector<std::uint32_t> CutsFrom = GroupByKey(Cuts, Pending.size(), SegmentOf),
                                   FineFrom = GroupByKey(Fine, Pending.size(), SegmentOf);

  std::vector<double> Ts, Ends;  // a curve's samples, and the ends of its pieces
  const auto Sample = [&](std::size_t I) {
    const TCubicBezier& K = Pending[I].Segment.Curve;
    const auto Even = [&](double T0, double T1) {
      const int N = int(std::max(1.0, Pieces(SubCubic(K, T0, T1), Tolerance)));
      for (int J = 1; J <= N; ++J) Ts.push_back(J == N ? T1 : T0 + (T1 - T0) * J / N);
    };
    if (!Refined || !Splits[I]) return Even(0, 1);
    // The cuts are midpoints, inside (0, 1).
    Ends.assign(1, 0.0);
    for (std::uint32_t K = CutsFrom[I]; K < CutsFrom[I + 1]; ++K) Ends.push_back(Cuts[K].T);
    std::sort(Ends.begin() + 1, Ends.end());
    Ends.push_back(1);
    Ends.erase(std::unique(Ends.begin(), Ends.end()), Ends.end());
    const std::span<TFine> F(Fine.data() + FineFrom[I], FineFrom[I + 1] - FineFrom[I]);
    std::sort(F.begin(), F.end(), [](const TFine& L, const TFine& R) { return L.T0 < R.T0 || (L.T0 == R.T0 && L.T1 < R.T1); });
    // A first or last piece that is one chord bulges to one side of it
    // where it spans an extremum, and its chord may then run along the edge
    // of its box: a neighbour that touches the box only at the shared end
    // may pass within a grid step of that chord, and the polygon would fold
    // back there and lose the area the curve encloses. Such a piece ends at
    // the extrema too, each part then running one way in x and in y, its
    // chord the diagonal of its box. (A whole curve flat enough for one chord
    // is within the tolerance of it, whatever its neighbours; pieces within
    // the curve neighbour its own other pieces, which run the same way.)
    const TExtrema& E = Extrema[I];
    const int NExtrema = Wholes[I].N > 1 ? E.N : 0;
    const double Near = FoldReach / FScale;
    // Whether the chord of the piece [T0, T1], whose box the extrema
    // [From, To) and its ends make, runs along an edge of that box.
    const auto PieceAlongItsBox = [&](double T0, double T1, int From, int To) {
      const TPointD P = T0 == 0 ? K.P0 : CubicPoint(K, T0), Q = T1 == 1 ? K.P3 : CubicPoint(K, T1);
      TBox Box = BoxOf(P, Q);
      for (int X = From; X < To; ++X) Box = Joined(Box, BoxOf(E.P[X], E.P[X]));
      return ChordAlongAnEdge(P, Q, Box, Near);
    };
    int NextExtremum = 0;
    std::size_t Next = 0;
    double Reach = -1;  // the end of the fine intervals that start before this piece's middle
    for (std::size_t J = 1; J < Ends.size(); ++J) {
      const double Mid = Ends[J - 1] + (Ends[J] - Ends[J - 1]) / 2;
      for (; Next < F.size() && F[Next].T0 < Mid; ++Next) Reach = std::max(Reach, F[Next].T1);
      // The extrema inside this piece: [NextExtremum, Spanned).
      while (NextExtremum < NExtrema && E.T[NextExtremum] <= Ends[J - 1]) ++NextExtremum;
      int Spanned = NextExtremum;
      while (Spanned < NExtrema && E.T[Spanned] < Ends[J]) ++Spanned;
      if (Reach > Mid) {
        Even(Ends[J - 1], Ends[J]);
      } else {
        if (Spanned > NextExtremum && (J == 1 || J + 1 == Ends.size()) &&
            PieceAlongItsBox(Ends[J - 1], Ends[J], NextExtremum, Spanned))
          Ts.insert(Ts.end(), E.T + NextExtremum, E.T + Spanned);
        Ts.push_back(Ends[J]);
      }
      NextExtremum = Spanned;
    }
  };

  FVertices.reserve(std::min(Total, MaxBooleanVertices) + Pending.size() + 64);
  FSources.reserve(Pending.size());
  ClipperLib::Path Polygon;  // each contour's in turn, kept at its size when taken
  for (std::size_t C = 0; C < Contours.size(); ++C) {
    const std::size_t End = C + 1 < Contours.size() ? Contours[C + 1].First : Pending.size();
    Polygon.clear();
    for (std::size_t I = Contours[C].First; I < End; ++I) {
      const TContourSegment& S = Pending[I].Segment;
      Ts.assign(1, 0.0);
      if (!S.IsCurve) {
        Ts.push_back(1);
      } else {
        Sample(I);
      }
      const auto Source = std::uint32_t(FSources.size());
      FSources.push_back({S, std::uint32_t(FVertices.size()), std::uint32_t(Ts.size())});
      for (std::size_t K = 0; K < Ts.size(); ++K) {
        const TPointD Exact = K == 0 ? S.Start() : K + 1 == Ts.size() ? S.End() : SegmentPoint(S, Ts[K]);
        FVertices.push_back({ToGrid(Exact), Exact, Ts[K], Source});
        // A segment's start is the previous one's end: the polygon takes it once.
        if (K > 0) Polygon.push_back(FVertices.back().P);
      }
    }
    // A contour that runs along one line (out and back, or not at all)
    // encloses nothing; the clipper mishandles such edges lying on others,
    // and spikes too.
    const std::size_t Distinct = DistinctPoints(Polygon);
    RemoveSpikes(Polygon);
    if (OnOneLine(Polygon)) continue;
    const int Operand = Contours[C].Operand;
    Polygons[Operand].emplace_back(Polygon.begin(), Polygon.end());
    Origins[Operand].push_back({Contours[C].Index, Polygon.size() == Distinct});
  }
}

void TBooleanGrid::IndexByPoint() {
  // Every vertex under its grid point, bucketed by the point's hash: a
  // bucket holds a few points, in order, each point's vertices in a run.
  std::size_t Slots = 16;
  while (Slots < FVertices.size()) Slots *= 2;  // a point or none a bucket, mostly
  FByPoint.resize(FVertices.size());
  for (std::uint32_t I = 0; I < FVertices.size(); ++I) FByPoint[I] = {FVertices[I].P, I};
  FSlotStart = GroupByKey(FByPoint, Slots, [Slots](const TKeyed& K) { return Hash(K.P) & (Slots - 1); });
  // The vertices keep their index order in a bucket; sorting each bucket by
  // point, stably, keeps that order within a run. Buckets hold a point or two but for
  // colliding hashes, which a large bucket's sort keeps at n log n.
  const auto ByPoint = [](const TKeyed& L, const TKeyed& R) { return Before(L.P, R.P); };
  for (std::size_t Slot = 0; Slot < Slots; ++Slot) {
    const auto First = FByPoint.begin() + FSlotStart[Slot], Last = FByPoint.begin() + FSlotStart[Slot + 1];
    if (Last - First > 8) {
      std::stable_sort(First, Last, ByPoint);
      continue;
    }
    for (auto It = First + (First != Last); It < Last; ++It)
      for (auto J = It; J > First && ByPoint(*J, *(J - 1)); --J) std::iter_swap(J, J - 1);
  }
}

namespace {

// std::llround for |V| below 2^62, without the library call: the truncation
// and the remainder V - T are exact.
cInt RoundToGrid(double V) noexcept {
  const auto T = cInt(V);
  const double R = V - double(T);
  return R >= 0.5 ? T + 1 : R <= -0.5 ? T - 1 : T;
}

} // namespace

IntPoint TBooleanGrid::ToGrid(const TPointD& P) const noexcept {
  return {RoundToGrid((P.X - FCentre.X) * FScale), RoundToGrid((P.Y - FCentre.Y) * FScale)};
}

TPointD TBooleanGrid::FromGrid(const IntPoint& P) const noexcept {
  return {FCentre.X + double(P.X) / FScale, FCentre.Y + double(P.Y) / FScale};
}

std::span<const TBooleanGrid::TKeyed> TBooleanGrid::VerticesAt(const IntPoint& P) const {
  if (FSlotStart.empty()) return {};
  const std::size_t Slot = Hash(P) & (FSlotStart.size() - 2);
  const TKeyed* const First = FByPoint.data() + FSlotStart[Slot];
  const TKeyed* const Last = FByPoint.data() + FSlotStart[Slot + 1];
  const TKeyed *Lo = First, *Hi = Last;
  if (Last - First > 8) {
    std::tie(Lo, Hi) = std::equal_range(First, Last, TKeyed{P, 0}, [](const TKeyed& L, const TKeyed& R) { return Before(L.P, R.P); });
  } else {  // a bucket of a point or two: a look at each is quicker
    while (Lo < Last && Lo->P != P) ++Lo;
    for (Hi = Lo; Hi < Last && Hi->P == P;) ++Hi;
  }
  return {Lo, Hi};
}

// ---- Rings ---------------------------------------------------------------------

__int128 TwiceArea(const ClipperLib::Path& Ring) noexcept {
  __int128 A = 0;
  for (std::size_t I = 0, J = Ring.size() - 1; I < Ring.size(); J = I++)
    A += __int128(Ring[J].X) * Ring[I].Y - __int128(Ring[I].X) * Ring[J].Y;
  return A;
}

TRingSide PointInRing(cInt X2, cInt Y2, const ClipperLib::Path& Ring) noexcept {
  bool In = false;
  double Clearance2 = std::numeric_limits<double>::infinity();
  for (std::size_t I = 0, J = Ring.size() - 1; I < Ring.size(); J = I++) {
    const cInt AX = 2 * Ring[J].X, AY = 2 * Ring[J].Y, BX = 2 * Ring[I].X, BY = 2 * Ring[I].Y;
    const __int128 T = __int128(Y2 - AY) * (BX - AX) - __int128(X2 - AX) * (BY - AY);
    if (T == 0 && X2 >= std::min(AX, BX) && X2 <= std::max(AX, BX) && Y2 >= std::min(AY, BY) &&
        Y2 <= std::max(AY, BY))
      return {-1, 0};
    if ((AY > Y2) != (BY > Y2) && (BY > AY ? T > 0 : T < 0)) In = !In;
    const double DX = double(BX - AX), DY = double(BY - AY), PX = double(X2 - AX), PY = double(Y2 - AY);
    const double L2 = DX * DX + DY * DY;
    const double Along = L2 > 0 ? std::clamp((PX * DX + PY * DY) / L2, 0.0, 1.0) : 0.0;
    const double EX = PX - Along * DX, EY = PY - Along * DY;
    Clearance2 = std::min(Clearance2, EX * EX + EY * EY);
  }
  return {In ? 1 : 0, Clearance2};
}

// ---- Rebuilding ---------------------------------------------------------------

// Whether the line L, carried on to P, goes straight on: edges of two
// operands that meet along one line (coincident or touching edges) become one.
bool Collinear(const TContourSegment& L, const TPointD& P) noexcept {
  const TPointD D1 = L.End() - L.Start(), D2 = P - L.End();
  const double Cross = D1.X * D2.Y - D1.Y * D2.X;
  return Dot(D1, D2) > 0 && std::fabs(Cross) <= 1e-12 * Length(D1) * Length(D2);
}

void AddLine(std::vector<TContourSegment>& Segments, const TPointD& From, const TPointD& To) {
  if (!Segments.empty() && !Segments.back().IsCurve && Collinear(Segments.back(), To))
    Segments.back() = TContourSegment::Line(Segments.back().Start(), To);
  else
    Segments.push_back(TContourSegment::Line(From, To));
}

// Turns one result polygon after another into contours on the sources.
struct TRebuilder {
  explicit TRebuilder(const TBooleanGrid& Grid) : G(Grid) {}
  const TBooleanGrid& G;
  // Result points that are no operand vertex (the crossings), sorted, each
  // with the polygon edges ("chords", named by their first vertex) it lies on.
  std::vector<IntPoint> Crossings;
  // The chords of crossing K are CrossingChords[ChordsFrom[K], ChordsFrom[K + 1]).
  std::vector<std::uint32_t> CrossingChords, ChordsFrom;

  // The piece of the result between two result vertices along one source.
  struct TEdge {
    std::int64_t Source = -1;  // -1: on no source; drawn straight
    double T0 = 0, T1 = 0;
  };

  // The operand vertices under every result point, polygon after polygon.
  std::vector<std::span<const TBooleanGrid::TKeyed>> Under;

  void FindCrossingChords(const ClipperLib::Paths& Result) {
    for (const ClipperLib::Path& Polygon : Result)
      for (const IntPoint& P : Polygon) {
        Under.push_back(G.VerticesAt(P));
        if (Under.back().empty()) Crossings.push_back(P);
      }
    std::sort(Crossings.begin(), Crossings.end(), Before);
    Crossings.erase(std::unique(Crossings.begin(), Crossings.end()), Crossings.end());
    if (Crossings.empty()) return;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Found;  // crossing, chord
    // The box of the crossings: most chords lie clear of it.
    cInt MinY = Crossings[0].Y, MaxY = MinY;
    for (const IntPoint& P : Crossings) {
      MinY = std::min(MinY, P.Y);
      MaxY = std::max(MaxY, P.Y);
    }
    const cInt MinX = Crossings.front().X, MaxX = Crossings.back().X;
    for (const TBooleanGrid::TSource& S : G.FSources)
      for (std::uint32_t V = S.First; V + 1 < S.First + S.Count; ++V) {
        const IntPoint& A = G.FVertices[V].P;
        const IntPoint& B = G.FVertices[V + 1].P;
        const cInt Lo = std::min(A.X, B.X) - cInt(OnEdgeSteps), Hi = std::max(A.X, B.X) + cInt(OnEdgeSteps);
        const cInt YLo = std::min(A.Y, B.Y) - cInt(OnEdgeSteps), YHi = std::max(A.Y, B.Y) + cInt(OnEdgeSteps);
        if (Hi < MinX || Lo > MaxX || YHi < MinY || YLo > MaxY) continue;
        auto It = std::lower_bound(Crossings.begin(), Crossings.end(), IntPoint(Lo, std::numeric_limits<cInt>::min()),
                                   Before);
        for (; It != Crossings.end() && It->X <= Hi; ++It) {
          if (It->Y < YLo || It->Y > YHi) continue;
          double Along;
          if (DistanceToEdge(*It, A, B, Along) <= OnEdgeSteps)
            Found.push_back({std::uint32_t(It - Crossings.begin()), V});
        }
      }
    // The chords were found in order, and each crossing's stay so.
    ChordsFrom = GroupByKey(Found, Crossings.size(), [](const auto& F) { return F.first; });
    CrossingChords.resize(Found.size());
    for (std::size_t K = 0; K < Found.size(); ++K) CrossingChords[K] = Found[K].second;
  }

  // The chords through P: the edges on both sides of an operand vertex, or
  // the edges a crossing lies on.
  void ChordsAt(const IntPoint& P, std::span<const TBooleanGrid::TKeyed> AtP, std::vector<std::uint32_t>& Out) const {
    Out.clear();
    for (const auto& [Point, V] : AtP) {
      const TBooleanGrid::TSource& S = G.FSources[G.FVertices[V].Source];
      if (V > S.First) Out.push_back(V - 1);
      if (V + 1 < S.First + S.Count) Out.push_back(V);
    }
    if (!Out.empty()) return;
    const auto It = std::lower_bound(Crossings.begin(), Crossings.end(), P, Before);
    if (It != Crossings.end() && *It == P) {
      const std::size_t K = std::size_t(It - Crossings.begin());
      Out.assign(CrossingChords.begin() + ChordsFrom[K], CrossingChords.begin() + ChordsFrom[K + 1]);
    }
  }

  // The parameter of P on the chord starting at vertex V (P within reach of it).
  double ParameterOnChord(const IntPoint& P, std::uint32_t V) const {
    const auto& A = G.FVertices[V];
    const auto& B = G.FVertices[V + 1];
    if (P == A.P) return A.T;
    if (P == B.P) return B.T;
    double Along;
    DistanceToEdge(P, A.P, B.P, Along);
    return A.T + Along * (B.T - A.T);
  }

  // Whether the straight edge from vertex From to vertex To (of one source)
  // passes every sample between them.
  bool Follows(std::uint32_t From, std::uint32_t To) const {
    const auto [Lo, Hi] = std::minmax(From, To);
    for (std::uint32_t V = Lo + 1; V < Hi; ++V) {
      double Along;
      if (DistanceToEdge(G.FVertices[V].P, G.FVertices[From].P, G.FVertices[To].P, Along) > OnEdgeSteps) return false;
    }
    return true;
  }

  TEdge EdgeBetween(const IntPoint& P, const IntPoint& Q, std::span<const TBooleanGrid::TKeyed> AtP,
                    std::span<const TBooleanGrid::TKeyed> AtQ, std::int64_t Previous,
                    std::vector<std::uint32_t>& ChordsP, std::vector<std::uint32_t>& ChordsQ) const {
    // Both ends are samples of one source and the edge runs along the
    // samples between them: the piece between them (the clipper drops
    // samples that lie on a line with their neighbours). Two samples of one
    // source that the edge merely joins (while it runs along another
    // operand's edge) do not count.
    TEdge Best;
    double BestSpan = 2;
    for (const auto& [PointP, VP] : AtP)
      for (const auto& [PointQ, VQ] : AtQ) {
        const auto& A = G.FVertices[VP];
        const auto& B = G.FVertices[VQ];
        if (A.Source != B.Source || VP == VQ || !Follows(VP, VQ)) continue;
        const double Span = std::fabs(B.T - A.T) - (A.Source == Previous ? 1 : 0);
        if (Span < BestSpan) {
          BestSpan = Span;
          Best = {A.Source, A.T, B.T};
        }
      }
    if (Best.Source >= 0) return Best;
    // Otherwise a chord through one end that passes the other.
    ChordsAt(P, AtP, ChordsP);
    ChordsAt(Q, AtQ, ChordsQ);
    for (const auto* Chords : {&ChordsP, &ChordsQ})
      for (std::uint32_t V : *Chords) {
        double Along;
        const IntPoint& Other = Chords == &ChordsP ? Q : P;
        if (DistanceToEdge(Other, G.FVertices[V].P, G.FVertices[V + 1].P, Along) > OnEdgeSteps) continue;
        const std::int64_t Source = G.FVertices[V].Source;
        if (Best.Source >= 0 && Best.Source == Previous) continue;
        Best = {Source, ParameterOnChord(P, V), ParameterOnChord(Q, V)};
        if (Source == Previous) return Best;
      }
    return Best;
  }


  // A run of edges along one source: from result vertex First to Last.
  struct TPiece {
    std::int64_t Source;
    double T0, T1;
    std::size_t First, Last;
  };

  // Buffers of Polygon, kept from one polygon to the next.
  std::vector<TEdge> Edges;
  std::vector<std::uint32_t> ChordsP, ChordsQ;
  std::vector<TPiece> Pieces;
  std::vector<TPointD> Junctions;

  // Poly's points start at AtFirst in Under.
  void Polygon(const ClipperLib::Path& Poly, std::size_t AtFirst, std::vector<TPathContour>& Out, std::size_t& Entries) {
    const std::size_t M = Poly.size();
    if (M < 3) return;
    const std::span<const std::span<const TBooleanGrid::TKeyed>> At(Under.data() + AtFirst, M);
    Edges.resize(M);
    for (std::size_t I = 0; I < M; ++I) {
      const std::size_t J = (I + 1) % M;
      Edges[I] = EdgeBetween(Poly[I], Poly[J], At[I], At[J], I > 0 ? Edges[I - 1].Source : -1, ChordsP, ChordsQ);
    }
    const auto Continues = [&](const TEdge& E, const TEdge& F) {
      return E.Source >= 0 && E.Source == F.Source && std::fabs(E.T1 - F.T0) <= 1e-12 &&
             (E.T1 - E.T0) * (F.T1 - F.T0) > 0;
    };
    // Start at an edge that does not continue its predecessor.
    std::size_t Start = 0;
    while (Start < M && Continues(Edges[(Start + M - 1) % M], Edges[Start])) ++Start;
    if (Start == M) Start = 0;
    Pieces.clear();
    for (std::size_t K = 0; K < M; ++K) {
      const std::size_t I = (Start + K) % M;
      const TEdge& E = Edges[I];
      if (!Pieces.empty() && K > 0 && Continues(Edges[(I + M - 1) % M], E)) {
        Pieces.back().T1 = E.T1;
        Pieces.back().Last = (I + 1) % M;
      } else {
        Pieces.push_back({E.Source, E.T0, E.T1, I, (I + 1) % M});
      }
    }

    // The junction points, one per piece start, solved on the exact segments.
    const std::size_t N = Pieces.size();
    Junctions.resize(N);
    for (std::size_t K = 0; K < N; ++K) {
      TPiece& Before = Pieces[(K + N - 1) % N];
      TPiece& After = Pieces[K];
      const IntPoint& V = Poly[After.First];
      const auto AtV = At[After.First];
      const auto ExactFor = [&](const TPiece& P, double T) {
        for (const auto& [Point, I] : AtV)
          if (G.FVertices[I].Source == P.Source && G.FVertices[I].T == T) return true;
        return false;
      };
      const TContourSegment* SB = Before.Source >= 0 ? &G.FSources[std::size_t(Before.Source)].Segment : nullptr;
      const TContourSegment* SA = After.Source >= 0 ? &G.FSources[std::size_t(After.Source)].Segment : nullptr;
      TPointD J;
      if (!AtV.empty()) {
        J = G.FVertices[AtV[0].Vertex].Exact;
        for (const auto& [Point, I] : AtV)
          if (G.FVertices[I].Source == After.Source || G.FVertices[I].Source == Before.Source) {
            J = G.FVertices[I].Exact;
            break;
          }
        if (SB && !ExactFor(Before, Before.T1)) Before.T1 = NearestParameter(*SB, J, Before.T1);
        if (SA && !ExactFor(After, After.T0)) After.T0 = NearestParameter(*SA, J, After.T0);
      } else {
        J = G.FromGrid(V);
        double TB = SB ? Before.T1 : 0, TA = SA ? After.T0 : 0;
        if (SB && SA && SolveCrossing(*SB, TB, *SA, TA, G.FExtent)) {
          Before.T1 = TB;
          After.T0 = TA;
          J = Lerp(SegmentPoint(*SB, TB), SegmentPoint(*SA, TA), 0.5);
        } else {
          if (SB) Before.T1 = NearestParameter(*SB, J, Before.T1);
          if (SA) After.T0 = NearestParameter(*SA, J, After.T0);
          if (SB && !SA) J = SegmentPoint(*SB, Before.T1);
          if (SA && !SB) J = SegmentPoint(*SA, After.T0);
        }
      }
      Junctions[K] = J;
    }

    TPathContour C;
    C.Start = Junctions[0];
    C.Closed = true;
    C.Segments.reserve(N + 1);  // a segment a piece, and the closing line
    TPointD Pen = C.Start;
    for (std::size_t K = 0; K < N; ++K) {
      const TPiece& P = Pieces[K];
      const TPointD End = K + 1 < N ? Junctions[K + 1] : C.Start;
      if (P.Source >= 0 && G.FSources[std::size_t(P.Source)].Segment.IsCurve) {
        if (std::fabs(P.T1 - P.T0) <= 1e-12) continue;  // a sliver of a crossing: the line closes it
        const TCubicBezier& Whole = G.FSources[std::size_t(P.Source)].Segment.Curve;
        TCubicBezier Cut = P.T0 < P.T1 ? SubCubic(Whole, P.T0, P.T1) : SubCubic(Whole, P.T1, P.T0);
        if (P.T0 > P.T1) Cut = {Cut.P3, Cut.P2, Cut.P1, Cut.P0};
        // The solved junctions differ from the cut's ends by rounding only;
        // the ends move onto them with their controls, keeping the tangents.
        const TPointD D0 = Pen - Cut.P0, D3 = End - Cut.P3;
        Cut = {Pen, Cut.P1 + D0, Cut.P2 + D3, End};
        C.Segments.push_back({true, Cut});
      } else {
        if (End == Pen) continue;
        AddLine(C.Segments, Pen, End);
      }
      Pen = End;
    }
    if (Pen != C.Start) AddLine(C.Segments, Pen, C.Start);
    // The last line may continue the first: the contour then starts earlier.
    if (C.Segments.size() > 2 && !C.Segments.back().IsCurve && !C.Segments.front().IsCurve &&
        Collinear(C.Segments.back(), C.Segments.front().End())) {
      C.Start = C.Segments.back().Start();
      C.Segments.front() = TContourSegment::Line(C.Start, C.Segments.front().End());
      C.Segments.pop_back();
    }
    if (C.Segments.empty()) return;
    Entries += 2;
    for (const TContourSegment& S : C.Segments) Entries += S.IsCurve ? 3 : 1;
    if (Entries > MaxResultEntries) throw EResultTooLarge("The result would hold more than 2^20 path entries");
    Out.push_back(std::move(C));
  }
};

namespace {

// Ring as simple rings: where the clipper's ring passes one point twice (a
// hole that touches its outline, two parts that meet at a corner), the loop
// between the two passes becomes a ring of its own. The edges stay as they
// are, so every point keeps its winding number: outlines keep running one
// way and holes the other. Loops of fewer than three points (a spike out
// and back) enclose nothing and are left out.
void SplitTouching(ClipperLib::Path&& Ring, ClipperLib::Paths& Out, std::vector<IntPoint>& Sorted) {
  Sorted.assign(Ring.begin(), Ring.end());
  std::sort(Sorted.begin(), Sorted.end(), Before);
  if (std::adjacent_find(Sorted.begin(), Sorted.end()) == Sorted.end()) {
    Out.push_back(std::move(Ring));
    return;
  }
  struct THash {
    std::size_t operator()(const IntPoint& P) const noexcept { return Hash(P); }
  };
  std::unordered_map<IntPoint, std::size_t, THash> At;  // position on the stack
  ClipperLib::Path Stack;
  const auto Close = [&](std::size_t From) {
    if (Stack.size() - From >= 3) Out.emplace_back(Stack.begin() + std::ptrdiff_t(From), Stack.end());
    for (std::size_t K = From + 1; K < Stack.size(); ++K) At.erase(Stack[K]);
    Stack.resize(From + 1);
  };
  for (const IntPoint& P : Ring) {
    const auto It = At.find(P);
    if (It != At.end()) {
      Close(It->second);
    } else {
      At.emplace(P, Stack.size());
      Stack.push_back(P);
    }
  }
  if (Stack.size() >= 3) Out.push_back(std::move(Stack));
}

// Whether ring Inner lies inside ring Outer, the two neither crossing nor
// overlapping but free to touch at points and along edges; -1 when every
// vertex and edge midpoint of Inner lies on Outer's boundary (the two rings
// are one). Rings that touch share vertices, but a vertex of one may also
// lie on an edge of the other only up to the grid's rounding of the
// crossing it came from, where the exact test may fall either way: the
// first point clear of Outer's boundary by more than the clipper's rounding
// decides, else the clearest point off it.
int RingInside(const ClipperLib::Path& Inner, const ClipperLib::Path& Outer) noexcept {
  constexpr double Clear2 = (4 * OnEdgeSteps) * (4 * OnEdgeSteps);  // 2 OnEdgeSteps, in half steps
  int Best = -1;
  double BestClearance2 = -1;
  const auto Decides = [&](cInt X2, cInt Y2) {
    const TRingSide Side = PointInRing(X2, Y2, Outer);
    if (Side.In >= 0 && Side.Clearance2 > BestClearance2) {
      Best = Side.In;
      BestClearance2 = Side.Clearance2;
    }
    return BestClearance2 > Clear2;
  };
  for (const IntPoint& P : Inner)
    if (Decides(2 * P.X, 2 * P.Y)) return Best;
  for (std::size_t I = 0, J = Inner.size() - 1; I < Inner.size(); J = I++)
    if (Decides(Inner[J].X + Inner[I].X, Inner[J].Y + Inner[I].Y)) return Best;
  return Best;
}

// The rings turned so that each runs as its nesting says: one inside an
// even number of the others is an outline (positive area), one inside an
// odd number a hole. The clipper's own orientation rests on its count of
// the edges beside a ring, which goes wrong where an operand's edges run
// twice over one place (a loop drawn twice under the even-odd rule); the
// rings themselves, which neither cross nor overlap, are right. A ring is
// tested against the rings whose boxes hold its box; the boxes of all pairs
// are compared, which costs little beside the clipping of that many rings.
void OrientByNesting(ClipperLib::Paths& Rings) {
  struct TRingBox {
    cInt X0, Y0, X1, Y1;
  };
  std::vector<TRingBox> Boxes;
  Boxes.reserve(Rings.size());
  for (const ClipperLib::Path& Ring : Rings) {
    TRingBox B{Ring[0].X, Ring[0].Y, Ring[0].X, Ring[0].Y};
    for (const IntPoint& P : Ring) B = {std::min(B.X0, P.X), std::min(B.Y0, P.Y), std::max(B.X1, P.X), std::max(B.Y1, P.Y)};
    Boxes.push_back(B);
  }
  // By the left side of the box: a ring can lie only inside rings that
  // start left of it or where it does.
  std::vector<std::uint32_t> Order(Rings.size());
  for (std::uint32_t I = 0; I < Order.size(); ++I) Order[I] = I;
  std::sort(Order.begin(), Order.end(), [&](std::uint32_t L, std::uint32_t R) { return Boxes[L].X0 < Boxes[R].X0; });
  std::vector<char> Hole(Rings.size(), 0);
  for (std::size_t K = 0; K < Order.size(); ++K) {
    const std::uint32_t I = Order[K];
    const TRingBox& BI = Boxes[I];
    int Depth = 0;
    for (std::size_t L = 0; L < Order.size() && Boxes[Order[L]].X0 <= BI.X0; ++L) {
      const std::uint32_t J = Order[L];
      const TRingBox& BJ = Boxes[J];
      if (J == I || BJ.X1 < BI.X1 || BJ.Y0 > BI.Y0 || BJ.Y1 < BI.Y1) continue;
      Depth += RingInside(Rings[I], Rings[J]) == 1;
    }
    Hole[I] = Depth % 2 == 1;
  }
  for (std::size_t I = 0; I < Rings.size(); ++I)
    if ((TwiceArea(Rings[I]) < 0) != bool(Hole[I])) std::reverse(Rings[I].begin(), Rings[I].end());
}

// The ring's vertices from its least one (by Before), in the direction
// whose second vertex is the lesser: the same for every ring through the
// same points in the same cyclic order, either way round.
ClipperLib::Path CanonicalRing(const ClipperLib::Path& Ring) {
  const std::size_t N = Ring.size();
  const std::size_t First = std::size_t(std::min_element(Ring.begin(), Ring.end(), Before) - Ring.begin());
  const bool Forward = !Before(Ring[(First + N - 1) % N], Ring[(First + 1) % N]);
  ClipperLib::Path Out(N);
  for (std::size_t K = 0; K < N; ++K) Out[K] = Ring[Forward ? (First + K) % N : (First + N - K) % N];
  return Out;
}

// Rings that pass through the same points in the same order, taken away two
// by two. Where the regions of two clippings meet (the two differences of
// an exclusive or), an outline of one is also a hole of the other, and the
// area on both sides is covered: the two rings together bound nothing.
// Rings are first grouped by a sum over their points, the same whatever
// the ring's first point and direction; only rings of one group are put
// in order and compared.
void DropCoincidentPairs(ClipperLib::Paths& Rings) {
  std::vector<std::pair<std::uint64_t, std::uint32_t>> Sums(Rings.size());
  for (std::uint32_t I = 0; I < Rings.size(); ++I) {
    std::uint64_t Sum = Rings[I].size();
    for (const IntPoint& P : Rings[I]) Sum += Hash(P) * 0x9E3779B97F4A7C15ull;
    Sums[I] = {Sum, I};
  }
  std::sort(Sums.begin(), Sums.end());
  std::vector<char> Dropped(Rings.size(), 0);
  bool Any = false;
  for (std::size_t Lo = 0, Hi = 0; Lo < Sums.size(); Lo = Hi) {
    for (Hi = Lo + 1; Hi < Sums.size() && Sums[Hi].first == Sums[Lo].first;) ++Hi;
    if (Hi - Lo < 2) continue;
    std::vector<ClipperLib::Path> Canonical;
    for (std::size_t K = Lo; K < Hi; ++K) Canonical.push_back(CanonicalRing(Rings[Sums[K].second]));
    for (std::size_t K = 0; K < Canonical.size(); ++K) {
      if (Dropped[Sums[Lo + K].second]) continue;
      for (std::size_t L = K + 1; L < Canonical.size(); ++L)
        if (!Dropped[Sums[Lo + L].second] && Canonical[L] == Canonical[K]) {
          Dropped[Sums[Lo + K].second] = Dropped[Sums[Lo + L].second] = 1;
          Any = true;
          break;
        }
    }
  }
  if (!Any) return;
  std::size_t Kept = 0;
  for (std::size_t I = 0; I < Rings.size(); ++I)
    if (!Dropped[I]) {
      if (Kept != I) Rings[Kept] = std::move(Rings[I]);  // never onto itself: that would empty it
      ++Kept;
    }
  Rings.resize(Kept);
}

// The clipper's rings as simple rings, each turned as its nesting says.
ClipperLib::Paths SimpleRings(ClipperLib::Paths&& Clipped) {
  ClipperLib::Paths Result;
  std::vector<IntPoint> Sorted;  // a ring's points in order, for each ring in turn
  for (ClipperLib::Path& P : Clipped) SplitTouching(std::move(P), Result, Sorted);
  DropCoincidentPairs(Result);
  OrientByNesting(Result);
  return Result;
}

} // namespace

std::vector<TPathContour> TBooleanGrid::Rebuild(ClipperLib::Paths&& Clipped) {
  std::size_t Vertices = 0;
  for (const ClipperLib::Path& P : Clipped) Vertices += P.size();
  // Every result vertex is a path entry or more of the result unless it lies
  // inside a curve piece; far more vertices than entries allowed is no
  // drawing, and rebuilding it would be wasted work.
  if (Vertices > 64 * MaxResultEntries) throw EResultTooLarge("The result would hold more than 2^20 path entries");
  const ClipperLib::Paths Result = SimpleRings(std::move(Clipped));
  IndexByPoint();
  std::vector<TPathContour> Out;
  TRebuilder R(*this);
  R.FindCrossingChords(Result);
  std::size_t Entries = 0;
  std::size_t AtFirst = 0;
  for (const ClipperLib::Path& P : Result) {
    R.Polygon(P, AtFirst, Out, Entries);
    AtFirst += P.size();
  }
  return Out;
}

} // namespace zk
