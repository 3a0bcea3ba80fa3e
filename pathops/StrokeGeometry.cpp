// The stroker's geometry: offset curves, joins, caps and round arcs.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "pathops/Stroke_p.h"

namespace zk::stroke {
namespace {

// Curves are cut into pieces until each piece's offsets are within the
// tolerance and its tangent turns by at most this much (cos 45 degrees),
// which keeps the fold test of a piece (its end normals crossing) sound.
constexpr double MinPieceTurnCos = 0.7071;
// At most 2^10 pieces per curve: a cusp, where the offset cannot converge,
// ends there with pieces far below any drawing's resolution.
constexpr int MaxOffsetDepth = 10;
// Corners whose outer edge is shorter than this share of the tolerance get no
// join: tangent-continuous curves meeting in float rounding.
constexpr double FlatCornerShare = 1e-3;
// The largest radial error of a cubic quarter circle is 2.7e-4 times the
// radius, growing as the sixth power of the angle; round arcs are cut into
// pieces no larger than the tolerance allows, at most 32 per half turn.
constexpr double QuarterArcError = 2.7e-4;
constexpr int MaxArcPiecesPerHalfTurn = 32;

// |V| for vectors between points of the float range, whose squares neither
// overflow nor vanish: the plain root, much cheaper than hypot.
double Norm(const TPointD& V) { return std::sqrt(V.X * V.X + V.Y * V.Y); }

// V scaled to length 1 ((1, 0) for a zero vector).
TPointD Unit(const TPointD& V) {
  const double L = Norm(V);
  return L > 0 ? TPointD{V.X / L, V.Y / L} : TPointD{1, 0};
}


// Signed curvature (positive turning left in y-up terms) at T; 0 where the
// speed vanishes (a control point on its end: the handle is zero there too).
double Curvature(const TCubicBezier& C, double T, double Scale) {
  const TPointD D = CubicDerivative(C, T);
  const double Speed = Norm(D);
  if (!(Speed > 1e-12 * Scale)) return 0;
  return Cross(D, CubicSecondDerivative(C, T)) / (Speed * Speed * Speed);
}

// The offset at signed distance Side*R of the piece of C over [A, B]: ends
// moved along the normals, handles scaled by the offset's speed ratio
// 1 - Side*R*curvature (negative where the side folds back).
TCubicBezier OffsetPiece(const TCubicBezier& Piece, const TPointD& NA, const TPointD& NB, double FA,
                         double FB, double D) {
  const TPointD Q0 = Piece.P0 + D * NA, Q3 = Piece.P3 + D * NB;
  return {Q0, Q0 + FA * (Piece.P1 - Piece.P0), Q3 - FB * (Piece.P3 - Piece.P2), Q3};
}

// Where the normal lines at PA (direction NA) and PB (NB) cross, as the
// distance along NA from PA; NaN when they are parallel.
double NormalCrossing(const TPointD& PA, const TPointD& NA, const TPointD& PB, const TPointD& NB) {
  const double Den = Cross(NA, NB);
  if (Den == 0) return std::nan("");
  return Cross(PB - PA, NB) / Den;
}

struct TCurveOffsetter {
  const TCubicBezier& C;
  double R, Tolerance;
  double Scale;  // 1 + the control polygon's length: where a speed counts as zero
  TChain& Left;
  TChain& Right;
  std::vector<TPathContour>& Lobes;
  std::size_t& Budget;

  TPointD NormalAt(double T) const { return LeftNormal(Unit(CubicTangent(C, T))); }

  void Run(double A, double B, const TPointD& NA, const TPointD& NB, int Depth) {
    const TCubicBezier Piece = SubCubic(C, A, B);
    const double KA = Curvature(C, A, Scale), KB = Curvature(C, B, Scale);
    const TCubicBezier L = OffsetPiece(Piece, NA, NB, 1 - R * KA, 1 - R * KB, R);
    const TCubicBezier Rt = OffsetPiece(Piece, NA, NB, 1 + R * KA, 1 + R * KB, -R);
    const double M = 0.5 * (A + B);
    const TPointD NM = NormalAt(M);
    bool Good = Dot(NA, NB) >= MinPieceTurnCos && Dot(NA, NM) >= MinPieceTurnCos;
    for (double F : {0.25, 0.5, 0.75}) {
      if (!Good) break;
      const double T = A + F * (B - A);
      const TPointD On = CubicPoint(C, T), N = F == 0.5 ? NM : NormalAt(T);
      Good = Norm(CubicPoint(L, F) - (On + R * N)) <= Tolerance &&
             Norm(CubicPoint(Rt, F) - (On - R * N)) <= Tolerance;
    }
    if (!Good && Depth < MaxOffsetDepth) {
      Run(A, M, NA, NM, Depth + 1);
      Run(M, B, NM, NB, Depth + 1);
      return;
    }
    if (!Good) {
      Pivot(Piece, NA, NB);
      return;
    }
    ConsumeBudget(Budget, 2);
    Left.push_back({true, L});
    Right.push_back({true, Rt});
    const double KM = Curvature(C, M, Scale);
    if (std::max({R * KA, R * KB, R * KM}) > 1) AddLobe(Piece, NA, NB, L, R);
    if (std::min({R * KA, R * KB, R * KM}) < -1) AddLobe(Piece, NA, NB, Rt, -R);
  }

  // A piece too small to offset (where the curve turns within a hair, at a
  // control point on its end or a cusp) sweeps the normal round a point: it
  // is drawn as its chord with round joins to the tangents at its ends.
  void Pivot(const TCubicBezier& Piece, const TPointD& NA, const TPointD& NB) {
    TZKStroke Round;
    Round.Join = TZKLineJoin::Round;
    Round.Tolerance = Tolerance;
    const TPointD DA{NA.Y, -NA.X}, DB{NB.Y, -NB.X};
    TPointD Chord = Piece.P3 - Piece.P0;
    const double ChordLength = Norm(Chord);
    Chord = ChordLength > 0 ? TPointD{Chord.X / ChordLength, Chord.Y / ChordLength} : DA;
    const TPointD NC = LeftNormal(Chord);
    const std::size_t Before = Left.size() + Right.size();
    bool OuterIsLeft = true;
    AppendJoin(Left, Right, OuterIsLeft, Piece.P0, DA, Chord, R, Round);
    Left.push_back(TContourSegment::Line(Piece.P0 + R * NC, Piece.P3 + R * NC));
    Right.push_back(TContourSegment::Line(Piece.P0 - R * NC, Piece.P3 - R * NC));
    AppendJoin(Left, Right, OuterIsLeft, Piece.P3, Chord, DB, R, Round);
    ConsumeBudget(Budget, Left.size() + Right.size() - Before);
  }

  // A side that folds back sweeps its far part backwards: in the ribbon the
  // lobe beyond the crossing X of the end normals winds against the rest. It
  // is added twice the other way round, which makes it count like the rest.
  void AddLobe(const TCubicBezier& Piece, const TPointD& NA, const TPointD& NB, const TCubicBezier& Offset,
               double D) {
    const double Along = NormalCrossing(Piece.P0, NA, Piece.P3, NB);
    if (!(Along / D > 0 && Along / D < 1)) return;  // the crossing is not within the reach
    const TPointD X = Piece.P0 + Along * NA;
    TCubicBezier O = Offset;
    // Orient the lobe like the ribbons: clockwise in y-up terms (negative area).
    if (Cross(O.P0 - X, O.P3 - X) > 0) O = {O.P3, O.P2, O.P1, O.P0};
    ConsumeBudget(Budget, 6);
    for (int Twice = 0; Twice < 2; ++Twice)
      Lobes.push_back({X, {TContourSegment::Line(X, O.P0), {true, O}, TContourSegment::Line(O.P3, X)}, true});
  }
};

// A circular arc around Center from From, turning by Sweep radians (positive
// counterclockwise in y-up terms), ending exactly at To.
void AppendArc(TChain& Out, const TPointD& Center, const TPointD& From, double Sweep, const TPointD& To,
               double Tolerance) {
  const double R = Length(From - Center);
  const double Quarters = std::fabs(Sweep) / (std::numbers::pi / 2);
  // Pieces for an error of at most Tolerance: n >= quarters * (2.7e-4 R / tol)^(1/6).
  const double Needed = Quarters * std::pow(QuarterArcError * R / Tolerance, 1.0 / 6);
  const double Pieces = std::ceil(std::max(Needed, Quarters - 1e-9));
  const int N = Pieces >= 1 ? static_cast<int>(std::min<double>(Pieces, MaxArcPiecesPerHalfTurn * 2)) : 1;
  const double Step = Sweep / N;
  const double K = 4.0 / 3.0 * std::tan(Step / 4);  // handle length per radius
  const double Start = std::atan2(From.Y - Center.Y, From.X - Center.X);
  TPointD P0 = From;
  for (int I = 1; I <= N; ++I) {
    const double A0 = Start + Step * (I - 1), A1 = Start + Step * I;
    const TPointD P3 = I == N ? To : Center + R * TPointD{std::cos(A1), std::sin(A1)};
    const TPointD T0{-std::sin(A0), std::cos(A0)}, T1{-std::sin(A1), std::cos(A1)};
    Out.push_back({true, {P0, P0 + (K * R) * T0, P3 - (K * R) * T1, P3}});
    P0 = P3;
  }
}

} // namespace

void ConsumeBudget(std::size_t& Budget, std::size_t N) {
  if (Budget < N) throw EResultTooLarge("The stroke outline would hold more than 2^20 path entries");
  Budget -= N;
}

TPointD StartDirection(const TContourSegment& S) noexcept {
  return Unit(S.IsCurve ? CubicTangent(S.Curve, 0) : S.End() - S.Start());
}

TPointD EndDirection(const TContourSegment& S) noexcept {
  return Unit(S.IsCurve ? CubicTangent(S.Curve, 1) : S.End() - S.Start());
}

void OffsetSegment(const TContourSegment& S, const TPointD& D0, const TPointD& D1, double R, double Tolerance,
                   TChain& Left, TChain& Right, std::vector<TPathContour>& Lobes, std::size_t& Budget) {
  const TPointD NA = LeftNormal(D0), NB = LeftNormal(D1);
  if (!S.IsCurve) {
    ConsumeBudget(Budget, 2);
    Left.push_back(TContourSegment::Line(S.Start() + R * NA, S.End() + R * NA));
    Right.push_back(TContourSegment::Line(S.Start() - R * NA, S.End() - R * NA));
    return;
  }
  TCurveOffsetter{S.Curve, R, Tolerance, 1 + CubicControlLength(S.Curve), Left, Right, Lobes, Budget}.Run(
      0, 1, NA, NB, 0);
}

bool AppendJoin(TChain& Left, TChain& Right, bool& OuterIsLeft, const TPointD& P, const TPointD& D0,
                const TPointD& D1, double R, const TZKStroke& Stroke) {
  const TPointD N0 = LeftNormal(D0), N1 = LeftNormal(D1);
  const double Turn = Cross(D0, D1), Along = Dot(D0, D1);
  if (R * Norm(N1 - N0) <= FlatCornerShare * Stroke.Tolerance && Along > 0) return false;
  // Turning right (clockwise in y-up terms), or turning back, the outer side
  // is the left one.
  OuterIsLeft = Turn < 0 || (Turn == 0 && Along < 0);
  const double Side = OuterIsLeft ? 1 : -1;
  const TPointD A = P + (Side * R) * N0, B = P + (Side * R) * N1;
  TChain& Outer = OuterIsLeft ? Left : Right;
  TChain& Inner = OuterIsLeft ? Right : Left;
  Inner.push_back(TContourSegment::Line(P - (Side * R) * N0, P));
  Inner.push_back(TContourSegment::Line(P, P - (Side * R) * N1));
  switch (Stroke.Join) {
    case TZKLineJoin::Round:
      AppendArc(Outer, P, A, -Side * std::atan2(std::fabs(Turn), Along), B, Stroke.Tolerance);
      return true;
    case TZKLineJoin::Miter: {
      // The tip lies on the bisector of the normals at R / cos(turn / 2) from
      // P, and 2 / |n0 + n1| = 1 / cos(turn / 2) is the miter ratio.
      const TPointD Sum = N0 + N1;
      const double SumLength = Norm(Sum);
      if (SumLength > 0 && 2 / SumLength <= Stroke.MiterLimit) {
        const TPointD Tip = P + (Side * 2 * R / (SumLength * SumLength)) * Sum;
        Outer.push_back(TContourSegment::Line(A, Tip));
        Outer.push_back(TContourSegment::Line(Tip, B));
        return true;
      }
      [[fallthrough]];
    }
    case TZKLineJoin::Bevel:
      Outer.push_back(TContourSegment::Line(A, B));
      return true;
  }
  return true;
}

void AppendEndCap(TChain& Out, const TPointD& P, const TPointD& D, double R, const TZKStroke& Stroke) {
  const TPointD N = LeftNormal(D);
  const TPointD L = P + R * N, Rt = P - R * N;
  switch (Stroke.Cap) {
    case TZKLineCap::Butt:
      Out.push_back(TContourSegment::Line(L, Rt));
      break;
    case TZKLineCap::Square:
      Out.push_back(TContourSegment::Line(L, L + R * D));
      Out.push_back(TContourSegment::Line(L + R * D, Rt + R * D));
      Out.push_back(TContourSegment::Line(Rt + R * D, Rt));
      break;
    case TZKLineCap::Round:
      AppendArc(Out, P, L, -std::numbers::pi, Rt, Stroke.Tolerance);
      break;
  }
}

void AppendStartCap(TChain& Out, const TPointD& P, const TPointD& D, double R, const TZKStroke& Stroke) {
  AppendEndCap(Out, P, {-D.X, -D.Y}, R, Stroke);
}

void AppendReversed(TChain& Out, const TChain& Chain) {
  for (auto It = Chain.rbegin(); It != Chain.rend(); ++It)
    Out.push_back({It->IsCurve, {It->Curve.P3, It->Curve.P2, It->Curve.P1, It->Curve.P0}});
}

} // namespace zk::stroke
