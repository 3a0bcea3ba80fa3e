// The hit test on a stroke: the winding of the point in each of the
// stroker's parts near it. The parts all wind the same way, so the point is
// on the stroke exactly when one of them holds it.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

#include "pathops/PathWinding.h"
#include "pathops/Stroke_p.h"

namespace zk {

struct TZKStrokeHitTest::TData {
  TZKStroke Stroke;
  double R = 0;
  double JoinReach = 0;  // how far a join's parts reach from its corner
  double CapReach = 0;   // and a cap's from its end
  std::vector<stroke::TStrokePiece> Pieces;
};

namespace {

using stroke::TChain;

// Chain closed by a line back to its start holds P (a nonzero winding).
bool InClosedChain(const TChain& Chain, const TPointD& P) {
  if (Chain.empty()) return false;
  const TPathContour C{Chain.front().Start(), Chain, false};  // open: closed by the implicit line
  return WindingNumber(std::span(&C, 1), P) != 0;
}

bool Near(const TPointD& A, const TPointD& P, double Reach) {
  return std::fabs(A.X - P.X) <= Reach && std::fabs(A.Y - P.Y) <= Reach;
}

bool NearSegment(const TContourSegment& S, const TPointD& P, double Reach) {
  const TCubicBezier& C = S.Curve;
  return P.X >= std::min({C.P0.X, C.P1.X, C.P2.X, C.P3.X}) - Reach &&
         P.X <= std::max({C.P0.X, C.P1.X, C.P2.X, C.P3.X}) + Reach &&
         P.Y >= std::min({C.P0.Y, C.P1.Y, C.P2.Y, C.P3.Y}) - Reach &&
         P.Y <= std::max({C.P0.Y, C.P1.Y, C.P2.Y, C.P3.Y}) + Reach;
}

bool InRibbon(const TContourSegment& S, const TPointD& P, const TZKStrokeHitTest::TData& D) {
  TChain Left, Right;
  std::vector<TPathContour> Lobes;  // the ribbon itself winds non-zero over its lobes
  std::size_t Budget = MaxResultEntries;
  stroke::OffsetSegment(S, D.R, D.Stroke.Tolerance, Left, Right, Lobes, Budget);
  // The left offset forward, across the end, the right offset back.
  Left.push_back(TContourSegment::Line(Left.back().End(), Right.back().End()));
  stroke::AppendReversed(Left, Right);
  return InClosedChain(Left, P);
}

bool InJoin(const TContourSegment& S, const TContourSegment& Next, const TPointD& P,
            const TZKStrokeHitTest::TData& D) {
  const TPointD At = S.End();
  if (!Near(At, P, D.JoinReach)) return false;
  TChain Left, Right;
  bool OuterIsLeft = true;
  if (!stroke::AppendJoin(Left, Right, OuterIsLeft, At, stroke::EndDirection(S), stroke::StartDirection(Next), D.R,
                          D.Stroke))
    return false;
  // The pie: from the corner to the outer edge, along it, and back.
  TChain& Rim = OuterIsLeft ? Left : Right;
  Rim.insert(Rim.begin(), TContourSegment::Line(At, Rim.front().Start()));
  return InClosedChain(Rim, P);
}

// The cap at an end running in direction Out, closed across the end.
bool InCap(const TPointD& At, const TPointD& Out, const TPointD& P, const TZKStrokeHitTest::TData& D) {
  TChain Cap;
  stroke::AppendEndCap(Cap, At, Out, D.R, D.Stroke);
  return InClosedChain(Cap, P);
}

} // namespace

TZKStrokeHitTest::TZKStrokeHitTest(const TZKPathData& Path, const TZKStroke& Stroke) : Data(std::make_unique<TData>()) {
  ValidateStroke(Stroke);
  Data->Stroke = Stroke;
  Data->R = Stroke.Width / 2;
  const double Slack = 2 * Stroke.Tolerance;
  Data->JoinReach = Data->R * (Stroke.Join == TZKLineJoin::Miter ? std::max(1.0, Stroke.MiterLimit) : 1) + Slack;
  Data->CapReach = Data->R * (Stroke.Cap == TZKLineCap::Square ? std::numbers::sqrt2 : 1) + Slack;
  if (Stroke.Width > 0) Data->Pieces = stroke::StrokePieces(Path, Stroke);
}

TZKStrokeHitTest::~TZKStrokeHitTest() = default;
TZKStrokeHitTest::TZKStrokeHitTest(TZKStrokeHitTest&&) noexcept = default;
TZKStrokeHitTest& TZKStrokeHitTest::operator=(TZKStrokeHitTest&&) noexcept = default;

bool TZKStrokeHitTest::Contains(const TPointD& P) const {
  if (!(std::isfinite(P.X) && std::isfinite(P.Y))) return false;
  const TData& D = *Data;
  const double SegmentReach = D.R + 2 * D.Stroke.Tolerance;
  for (const stroke::TStrokePiece& Piece : D.Pieces) {
    if (Piece.Segments.empty()) {
      if (!Near(Piece.At, P, D.CapReach)) continue;
      TChain Dot;
      stroke::AppendEndCap(Dot, Piece.At, Piece.Direction, D.R, D.Stroke);
      stroke::AppendStartCap(Dot, Piece.At, Piece.Direction, D.R, D.Stroke);
      if (InClosedChain(Dot, P)) return true;
      continue;
    }
    const std::size_t N = Piece.Segments.size();
    for (std::size_t I = 0; I < N; ++I) {
      const TContourSegment& S = Piece.Segments[I];
      if (NearSegment(S, P, SegmentReach) && InRibbon(S, P, D)) return true;
      if ((I + 1 < N || Piece.Closed) && InJoin(S, Piece.Segments[(I + 1) % N], P, D)) return true;
    }
    if (Piece.Closed) continue;
    const TContourSegment &First = Piece.Segments.front(), &Last = Piece.Segments.back();
    if (Near(Last.End(), P, D.CapReach) && InCap(Last.End(), stroke::EndDirection(Last), P, D)) return true;
    if (Near(First.Start(), P, D.CapReach) &&
        InCap(First.Start(), TPointD{0, 0} - stroke::StartDirection(First), P, D))
      return true;
  }
  return false;
}

bool PointOnStroke(const TZKPathData& Path, const TPointD& P, const TZKStroke& Stroke) {
  return TZKStrokeHitTest(Path, Stroke).Contains(P);
}

} // namespace zk
