// Operands flattened onto the clipper's integer grid, and the clipper's
// polygons rebuilt on the operands' exact segments.
#include "pathops/BooleanGrid_p.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

bool Before(const IntPoint& A, const IntPoint& B) noexcept { return A.X < B.X || (A.X == B.X && A.Y < B.Y); }

TPointD SegmentPoint(const TContourSegment& S, double T) noexcept {
  return S.IsCurve ? CubicPoint(S.Curve, T) : Lerp(S.Curve.P0, S.Curve.P3, T);
}

TPointD SegmentDerivative(const TContourSegment& S, double T) noexcept {
  return S.IsCurve ? CubicDerivative(S.Curve, T) : S.Curve.P3 - S.Curve.P0;
}

double Dot(const TPointD& A, const TPointD& B) noexcept { return A.X * B.X + A.Y * B.Y; }

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
  return std::hypot(PX - Along * DX, PY - Along * DY);
}

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

  // Pieces per curve: the chord of a piece of parameter length h strays at
  // most h^2/8 max|B''| from the curve, and |B''| <= 6 max |second
  // differences of the control points|; so n = sqrt(0.75 D2 / tolerance).
  std::size_t Total = 0;
  for (std::span<const TPathContour> Operand : {A, B})
    for (const TPathContour& C : Operand) {
      Total += C.Segments.size() + 1;
      for (const TContourSegment& S : C.Segments) {
        if (!S.IsCurve) continue;
        const TCubicBezier& K = S.Curve;
        const double D2 = std::max(Length(K.P0 - 2 * K.P1 + K.P2), Length(K.P1 - 2 * K.P2 + K.P3)) * FScale;
        Total += std::size_t(std::ceil(std::sqrt(0.75 * D2 / GridFlatness)));
      }
    }
  const double PieceFactor = Total > MaxBooleanVertices ? double(MaxBooleanVertices) / double(Total) : 1.0;
  FVertices.reserve(std::min(Total, MaxBooleanVertices) + 64);
  AddOperand(A, 0, PieceFactor);
  AddOperand(B, 1, PieceFactor);
  FByPoint.resize(FVertices.size());
  for (std::uint32_t I = 0; I < FByPoint.size(); ++I) FByPoint[I] = I;
  std::sort(FByPoint.begin(), FByPoint.end(),
            [&](std::uint32_t L, std::uint32_t R) { return Before(FVertices[L].P, FVertices[R].P); });
}

IntPoint TBooleanGrid::ToGrid(const TPointD& P) const noexcept {
  return {cInt(std::llround((P.X - FCentre.X) * FScale)), cInt(std::llround((P.Y - FCentre.Y) * FScale))};
}

TPointD TBooleanGrid::FromGrid(const IntPoint& P) const noexcept {
  return {FCentre.X + double(P.X) / FScale, FCentre.Y + double(P.Y) / FScale};
}

void TBooleanGrid::AddOperand(std::span<const TPathContour> Operand, int Index, double PieceFactor) {
  for (const TPathContour& C : Operand) {
    if (C.Segments.empty()) continue;
    ClipperLib::Path Polygon;
    const auto AddSource = [&](const TContourSegment& S) {
      int N = 1;
      if (S.IsCurve) {
        const TCubicBezier& K = S.Curve;
        const double D2 = std::max(Length(K.P0 - 2 * K.P1 + K.P2), Length(K.P1 - 2 * K.P2 + K.P3)) * FScale;
        N = std::max(1, int(std::ceil(std::sqrt(0.75 * D2 / GridFlatness)) * PieceFactor));
      }
      const auto Source = std::uint32_t(FSources.size());
      FSources.push_back({S, std::uint32_t(FVertices.size()), std::uint32_t(N + 1)});
      for (int K = 0; K <= N; ++K) {
        const double T = K == N ? 1.0 : double(K) / N;
        const TPointD Exact = K == 0 ? S.Start() : K == N ? S.End() : SegmentPoint(S, T);
        FVertices.push_back({ToGrid(Exact), Exact, T, Source});
        // A segment's start is the previous one's end: the polygon takes it once.
        if (K > 0) Polygon.push_back(FVertices.back().P);
      }
    };
    for (const TContourSegment& S : C.Segments) AddSource(S);
    if (!C.Closed) AddSource(TContourSegment::Line(C.Segments.back().End(), C.Start));
    Polygons[Index].push_back(std::move(Polygon));
  }
}

std::span<const std::uint32_t> TBooleanGrid::VerticesAt(const IntPoint& P) const {
  const auto Less = [&](std::uint32_t V, const IntPoint& Q) { return Before(FVertices[V].P, Q); };
  const auto Lo = std::lower_bound(FByPoint.begin(), FByPoint.end(), P, Less);
  auto Hi = Lo;
  while (Hi != FByPoint.end() && FVertices[*Hi].P == P) ++Hi;
  return {FByPoint.data() + (Lo - FByPoint.begin()), std::size_t(Hi - Lo)};
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
  const TBooleanGrid& G;
  // Result points that are no operand vertex (the crossings), sorted, each
  // with the polygon edges ("chords", named by their first vertex) it lies on.
  std::vector<IntPoint> Crossings;
  std::vector<std::vector<std::uint32_t>> CrossingChords;

  // The piece of the result between two result vertices along one source.
  struct TEdge {
    std::int64_t Source = -1;  // -1: on no source; drawn straight
    double T0 = 0, T1 = 0;
  };

  void FindCrossingChords(const ClipperLib::Paths& Result) {
    for (const ClipperLib::Path& Polygon : Result)
      for (const IntPoint& P : Polygon)
        if (G.VerticesAt(P).empty()) Crossings.push_back(P);
    std::sort(Crossings.begin(), Crossings.end(), Before);
    Crossings.erase(std::unique(Crossings.begin(), Crossings.end()), Crossings.end());
    CrossingChords.resize(Crossings.size());
    if (Crossings.empty()) return;
    for (const TBooleanGrid::TSource& S : G.FSources)
      for (std::uint32_t V = S.First; V + 1 < S.First + S.Count; ++V) {
        const IntPoint& A = G.FVertices[V].P;
        const IntPoint& B = G.FVertices[V + 1].P;
        const cInt Lo = std::min(A.X, B.X) - cInt(OnEdgeSteps), Hi = std::max(A.X, B.X) + cInt(OnEdgeSteps);
        const cInt YLo = std::min(A.Y, B.Y) - cInt(OnEdgeSteps), YHi = std::max(A.Y, B.Y) + cInt(OnEdgeSteps);
        auto It = std::lower_bound(Crossings.begin(), Crossings.end(), IntPoint(Lo, std::numeric_limits<cInt>::min()),
                                   Before);
        for (; It != Crossings.end() && It->X <= Hi; ++It) {
          if (It->Y < YLo || It->Y > YHi) continue;
          double Along;
          if (DistanceToEdge(*It, A, B, Along) <= OnEdgeSteps)
            CrossingChords[std::size_t(It - Crossings.begin())].push_back(V);
        }
      }
  }

  // The chords through P: the edges on both sides of an operand vertex, or
  // the edges a crossing lies on.
  void ChordsAt(const IntPoint& P, std::vector<std::uint32_t>& Out) const {
    Out.clear();
    for (std::uint32_t V : G.VerticesAt(P)) {
      const TBooleanGrid::TSource& S = G.FSources[G.FVertices[V].Source];
      if (V > S.First) Out.push_back(V - 1);
      if (V + 1 < S.First + S.Count) Out.push_back(V);
    }
    if (!Out.empty()) return;
    const auto It = std::lower_bound(Crossings.begin(), Crossings.end(), P, Before);
    if (It != Crossings.end() && *It == P) {
      const auto& Chords = CrossingChords[std::size_t(It - Crossings.begin())];
      Out.assign(Chords.begin(), Chords.end());
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

  TEdge EdgeBetween(const IntPoint& P, const IntPoint& Q, std::int64_t Previous,
                    std::vector<std::uint32_t>& ChordsP, std::vector<std::uint32_t>& ChordsQ) const {
    // Both ends are samples of one source: the piece between them (the
    // clipper may have dropped collinear samples in between).
    TEdge Best;
    double BestSpan = 2;
    for (std::uint32_t VP : G.VerticesAt(P))
      for (std::uint32_t VQ : G.VerticesAt(Q)) {
        const auto& A = G.FVertices[VP];
        const auto& B = G.FVertices[VQ];
        if (A.Source != B.Source || VP == VQ) continue;
        const double Span = std::fabs(B.T - A.T) - (A.Source == Previous ? 1 : 0);
        if (Span < BestSpan) {
          BestSpan = Span;
          Best = {A.Source, A.T, B.T};
        }
      }
    if (Best.Source >= 0) return Best;
    // Otherwise a chord through one end that passes the other.
    ChordsAt(P, ChordsP);
    ChordsAt(Q, ChordsQ);
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

  void Polygon(const ClipperLib::Path& Poly, std::vector<TPathContour>& Out, std::size_t& Entries) const {
    const std::size_t M = Poly.size();
    if (M < 3) return;
    std::vector<TEdge> Edges(M);
    std::vector<std::uint32_t> ChordsP, ChordsQ;
    for (std::size_t I = 0; I < M; ++I)
      Edges[I] = EdgeBetween(Poly[I], Poly[(I + 1) % M], I > 0 ? Edges[I - 1].Source : -1, ChordsP, ChordsQ);
    const auto Continues = [&](const TEdge& E, const TEdge& F) {
      return E.Source >= 0 && E.Source == F.Source && std::fabs(E.T1 - F.T0) <= 1e-12 &&
             (E.T1 - E.T0) * (F.T1 - F.T0) > 0;
    };
    // Start at an edge that does not continue its predecessor.
    std::size_t Start = 0;
    while (Start < M && Continues(Edges[(Start + M - 1) % M], Edges[Start])) ++Start;
    if (Start == M) Start = 0;
    std::vector<TPiece> Pieces;
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
    std::vector<TPointD> Junctions(N);
    for (std::size_t K = 0; K < N; ++K) {
      TPiece& Before = Pieces[(K + N - 1) % N];
      TPiece& After = Pieces[K];
      const IntPoint& V = Poly[After.First];
      const auto At = G.VerticesAt(V);
      const auto ExactFor = [&](const TPiece& P, double T) {
        for (std::uint32_t I : At)
          if (G.FVertices[I].Source == P.Source && G.FVertices[I].T == T) return true;
        return false;
      };
      const TContourSegment* SB = Before.Source >= 0 ? &G.FSources[std::size_t(Before.Source)].Segment : nullptr;
      const TContourSegment* SA = After.Source >= 0 ? &G.FSources[std::size_t(After.Source)].Segment : nullptr;
      TPointD J;
      if (!At.empty()) {
        J = G.FVertices[At[0]].Exact;
        for (std::uint32_t I : At)
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

std::vector<TPathContour> TBooleanGrid::Rebuild(const ClipperLib::Paths& Result) const {
  std::vector<TPathContour> Out;
  std::size_t Vertices = 0;
  for (const ClipperLib::Path& P : Result) Vertices += P.size();
  // Every result vertex is a path entry or more of the result unless it lies
  // inside a curve piece; far more vertices than entries allowed is no
  // drawing, and rebuilding it would be wasted work.
  if (Vertices > 64 * MaxResultEntries) throw EResultTooLarge("The result would hold more than 2^20 path entries");
  TRebuilder R{*this, {}, {}};
  R.FindCrossingChords(Result);
  std::size_t Entries = 0;
  for (const ClipperLib::Path& P : Result) R.Polygon(P, Out, Entries);
  return Out;
}

} // namespace zk
