// Boolean operations decided on the operands' own contours, where their
// polygons keep apart.
#include "pathops/BooleanApart_p.h"

#include <algorithm>
#include <array>
#include <vector>

#include "pathops/PathReverse.h"

namespace zk {

namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;

// Steps of the checks per polygon vertex (and a few more for small
// operands) before the clipper is left to decide: keeps the attempt linear
// in the operands' size on inputs that crowd one place.
constexpr std::size_t WorkPerVertex = 16;
constexpr std::size_t WorkAlways = 1024;

struct TIntBox {
  cInt X0, Y0, X1, Y1;
  bool Holds(const IntPoint& P) const noexcept { return P.X >= X0 && P.X <= X1 && P.Y >= Y0 && P.Y <= Y1; }
  bool Meets(const TIntBox& B) const noexcept { return B.X0 <= X1 && X0 <= B.X1 && B.Y0 <= Y1 && Y0 <= B.Y1; }
};

TIntBox BoxOf(const ClipperLib::Path& Ring) noexcept {
  TIntBox B{Ring[0].X, Ring[0].Y, Ring[0].X, Ring[0].Y};
  for (const IntPoint& P : Ring) B = {std::min(B.X0, P.X), std::min(B.Y0, P.Y), std::max(B.X1, P.X), std::max(B.Y1, P.Y)};
  return B;
}

// The side of the line O-P on which Q lies: 1 left, -1 right, 0 on it.
// Grid coordinates are below 2^29 in magnitude, so the products of their
// differences stay below 2^61.
int Side(const IntPoint& O, const IntPoint& P, const IntPoint& Q) noexcept {
  const cInt V = (P.X - O.X) * (Q.Y - O.Y) - (P.Y - O.Y) * (Q.X - O.X);
  return (V > 0) - (V < 0);
}

// Whether Q, on the line through A and B, lies between them.
bool Between(const IntPoint& A, const IntPoint& B, const IntPoint& Q) noexcept {
  return std::min(A.X, B.X) <= Q.X && Q.X <= std::max(A.X, B.X) && std::min(A.Y, B.Y) <= Q.Y &&
         Q.Y <= std::max(A.Y, B.Y);
}

// Whether the edges A0-A1 and B0-B1 share a point, exactly.
bool EdgesMeet(const IntPoint& A0, const IntPoint& A1, const IntPoint& B0, const IntPoint& B1) noexcept {
  const int S0 = Side(B0, B1, A0), S1 = Side(B0, B1, A1), S2 = Side(A0, A1, B0), S3 = Side(A0, A1, B1);
  if (S0 * S1 < 0 && S2 * S3 < 0) return true;
  return (S0 == 0 && Between(B0, B1, A0)) || (S1 == 0 && Between(B0, B1, A1)) || (S2 == 0 && Between(A0, A1, B0)) ||
         (S3 == 0 && Between(A0, A1, B1));
}

struct TRing {
  const ClipperLib::Path* Points;
  int Operand;
  std::uint32_t Contour;
  int Turn;  // +1 for a positive area, -1 for a negative one
  TIntBox Box;
};

// Whether an edge of a ring meets another of the same or another ring
// beyond the point that neighbours in a ring share; nullopt when finding out
// takes more than Budget steps. A sweep in x over the edges' boxes.
std::optional<bool> AnyEdgesMeet(const std::vector<TRing>& Rings, std::size_t Edges, std::size_t& Budget) {
  struct TEdge {
    TIntBox Box;
    std::uint32_t Ring, Index;
  };
  std::vector<TEdge> All;
  All.reserve(Edges);
  for (std::uint32_t R = 0; R < Rings.size(); ++R) {
    const ClipperLib::Path& P = *Rings[R].Points;
    for (std::uint32_t I = 0; I < P.size(); ++I) {
      const IntPoint &A = P[I], &B = P[I + 1 < P.size() ? I + 1 : 0];
      All.push_back({{std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)}, R, I});
    }
  }
  std::sort(All.begin(), All.end(), [](const TEdge& L, const TEdge& R) { return L.Box.X0 < R.Box.X0; });
  for (std::size_t I = 0; I < All.size(); ++I)
    for (std::size_t J = I + 1; J < All.size() && All[J].Box.X0 <= All[I].Box.X1; ++J) {
      if (Budget == 0) return std::nullopt;
      --Budget;
      const TEdge &E = All[I], &F = All[J];
      if (!E.Box.Meets(F.Box)) continue;
      const ClipperLib::Path& P = *Rings[E.Ring].Points;
      const std::size_t N = P.size();
      const auto End = [&](const TEdge& G, int K) -> const IntPoint& {
        const ClipperLib::Path& Q = *Rings[G.Ring].Points;
        return Q[(G.Index + K) % Q.size()];
      };
      if (E.Ring == F.Ring && (F.Index == (E.Index + 1) % N || E.Index == (F.Index + 1) % N)) {
        // Neighbours A-B and B-C meet beyond B only when C turns back along A-B.
        const bool EFirst = F.Index == (E.Index + 1) % N;
        const IntPoint &A = End(EFirst ? E : F, 0), &B = End(EFirst ? E : F, 1), &C = End(EFirst ? F : E, 1);
        if (Side(A, B, C) == 0 && (B.X - A.X) * (C.X - B.X) + (B.Y - A.Y) * (C.Y - B.Y) < 0) return true;
        continue;
      }
      if (EdgesMeet(End(E, 0), End(E, 1), End(F, 0), End(F, 1))) return true;
    }
  return false;
}

// The windings of both operands just outside each ring: the turns of the
// other rings around its first vertex, which lies inside or outside each of
// them (nullopt when on one, or past the budget). A sweep in x: only the
// rings whose box spans a vertex's x can hold it, and a ring whose box ends
// left of one vertex ends left of all that follow.
std::optional<std::vector<std::array<int, 2>>> WindingsOutside(const std::vector<TRing>& Rings, std::size_t& Budget) {
  const auto N = std::uint32_t(Rings.size());
  std::vector<std::uint32_t> ByLeft(N), ByVertex(N);
  for (std::uint32_t I = 0; I < N; ++I) ByLeft[I] = ByVertex[I] = I;
  std::sort(ByLeft.begin(), ByLeft.end(), [&](std::uint32_t L, std::uint32_t R) { return Rings[L].Box.X0 < Rings[R].Box.X0; });
  const auto VertexOf = [&](std::uint32_t I) -> const IntPoint& { return (*Rings[I].Points)[0]; };
  std::sort(ByVertex.begin(), ByVertex.end(), [&](std::uint32_t L, std::uint32_t R) { return VertexOf(L).X < VertexOf(R).X; });
  std::vector<std::array<int, 2>> Out(N, {0, 0});
  std::vector<std::uint32_t> Active;
  std::uint32_t Next = 0;
  for (const std::uint32_t C : ByVertex) {
    const IntPoint& P = VertexOf(C);
    while (Next < N && Rings[ByLeft[Next]].Box.X0 <= P.X) Active.push_back(ByLeft[Next++]);
    for (std::size_t K = 0; K < Active.size();) {
      if (Budget == 0) return std::nullopt;
      --Budget;
      const std::uint32_t I = Active[K];
      const TRing& R = Rings[I];
      if (R.Box.X1 < P.X) {
        Active[K] = Active.back();
        Active.pop_back();
        continue;
      }
      ++K;
      if (I == C || !R.Box.Holds(P)) continue;
      if (Budget < R.Points->size()) return std::nullopt;
      Budget -= R.Points->size();
      const TRingSide S = PointInRing(2 * P.X, 2 * P.Y, *R.Points);
      if (S.In < 0) return std::nullopt;
      if (S.In == 1) Out[C][R.Operand] += R.Turn;
    }
  }
  return Out;
}

bool Filled(TZKFillMode Rule, int Winding) noexcept { return Rule == fmEvenOdd ? (Winding & 1) != 0 : Winding != 0; }

bool Keeps(TPathOp Op, bool InA, bool InB) noexcept {
  switch (Op) {
    case TPathOp::Union: return InA || InB;
    case TPathOp::Intersection: return InA && InB;
    case TPathOp::Difference: return InA && !InB;
    case TPathOp::Xor: return InA != InB;
  }
  return false;
}

} // namespace

std::optional<std::vector<TPathContour>> CombineApart(const TBooleanGrid& Grid, std::span<const TPathContour> A,
                                                      std::span<const TPathContour> B, TPathOp Op,
                                                      TZKFillMode RuleA, TZKFillMode RuleB) {
  std::vector<TRing> Rings;
  std::size_t Vertices = 0;
  for (int Operand = 0; Operand < 2; ++Operand)
    for (std::size_t I = 0; I < Grid.Polygons[Operand].size(); ++I) {
      const ClipperLib::Path& P = Grid.Polygons[Operand][I];
      const TBooleanGrid::TOrigin& O = Grid.Origins[Operand][I];
      if (!O.Whole) return std::nullopt;
      Rings.push_back({&P, Operand, O.Contour, TwiceArea(P) > 0 ? 1 : -1, BoxOf(P)});
      Vertices += P.size();
    }
  // Operands whose boxes overlap mostly cross: the clipper decides at once.
  TIntBox Frame[2];
  bool Has[2] = {false, false};
  for (const TRing& R : Rings) {
    TIntBox& F = Frame[R.Operand];
    F = Has[R.Operand] ? TIntBox{std::min(F.X0, R.Box.X0), std::min(F.Y0, R.Box.Y0), std::max(F.X1, R.Box.X1),
                                 std::max(F.Y1, R.Box.Y1)}
                       : R.Box;
    Has[R.Operand] = true;
  }
  if (Has[0] && Has[1] && Frame[0].Meets(Frame[1])) return std::nullopt;

  std::size_t Budget = WorkPerVertex * Vertices + WorkAlways;
  const std::optional<bool> Meet = AnyEdgesMeet(Rings, Vertices, Budget);
  if (!Meet || *Meet) return std::nullopt;

  const auto Windings = WindingsOutside(Rings, Budget);
  if (!Windings) return std::nullopt;
  std::vector<TPathContour> Out;
  std::size_t Entries = 0;
  for (std::size_t I = 0; I < Rings.size(); ++I) {
    const TRing& C = Rings[I];
    const std::array<int, 2>& Outside = (*Windings)[I];
    int Inside[2] = {Outside[0], Outside[1]};
    Inside[C.Operand] += C.Turn;
    const bool FilledOutside = Keeps(Op, Filled(RuleA, Outside[0]), Filled(RuleB, Outside[1]));
    const bool FilledInside = Keeps(Op, Filled(RuleA, Inside[0]), Filled(RuleB, Inside[1]));
    if (FilledOutside == FilledInside) continue;
    TPathContour Contour = (C.Operand == 0 ? A : B)[C.Contour];
    if (!Contour.Closed) {
      Contour.Segments.push_back(TContourSegment::Line(Contour.Segments.back().End(), Contour.Start));
      Contour.Closed = true;
    }
    if ((C.Turn > 0) != FilledInside) Contour = ReverseContour(Contour);
    // Segments of no length (a close back to where the contour already is)
    // draw nothing, and a result holds none.
    std::erase_if(Contour.Segments, [](const TContourSegment& S) {
      return S.Start() == S.End() && (!S.IsCurve || (S.Curve.P1 == S.Start() && S.Curve.P2 == S.Start()));
    });
    Entries += 2;
    for (const TContourSegment& S : Contour.Segments) Entries += S.IsCurve ? 3 : 1;
    if (Entries > MaxResultEntries) throw EResultTooLarge("The result would hold more than 2^20 path entries");
    Out.push_back(std::move(Contour));
  }
  return Out;
}

} // namespace zk
