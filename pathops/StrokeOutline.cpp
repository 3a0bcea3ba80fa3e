// The outline of a stroke: each piece's parts chained into one closed
// contour per side.
#include "pathops/Stroke_p.h"

namespace zk::stroke {
namespace {

void Append(TChain& To, const TChain& From) { To.insert(To.end(), From.begin(), From.end()); }

void Append(TChain& To, const TChain& From, std::size_t& Budget) {
  ConsumeBudget(Budget, From.size());
  Append(To, From);
}

TPathContour Loop(TChain&& Segments) {
  TPathContour C;
  C.Start = Segments.front().Start();
  C.Segments = std::move(Segments);
  C.Closed = true;
  return C;
}

// A dot: the caps of a piece of no length, back to back.
void StrokeDot(const TStrokePiece& P, double R, const TZKStroke& Stroke, std::vector<TPathContour>& Out,
               std::size_t& Budget) {
  TChain Chain;
  Append(Chain, EndCap(P.At, P.Direction, R, Stroke), Budget);
  Append(Chain, StartCap(P.At, P.Direction, R, Stroke), Budget);
  Out.push_back(Loop(std::move(Chain)));
}

void StrokePiece(const TStrokePiece& P, double R, const TZKStroke& Stroke, std::vector<TPathContour>& Out,
                 std::size_t& Budget) {
  if (P.Segments.empty()) {
    StrokeDot(P, R, Stroke, Out, Budget);
    return;
  }
  TChain Left, Right;
  std::vector<TPathContour> Lobes;
  const std::size_t N = P.Segments.size();
  for (std::size_t I = 0; I < N; ++I) {
    const TContourSegment& S = P.Segments[I];
    OffsetSegment(S, R, Stroke.Tolerance, Left, Right, Lobes, Budget);
    if (I + 1 < N || P.Closed) {
      const TContourSegment& Next = P.Segments[(I + 1) % N];
      TJoin J = MakeJoin(S.End(), EndDirection(S), StartDirection(Next), R, Stroke);
      Append(Left, J.LeftChain, Budget);
      Append(Right, J.RightChain, Budget);
    }
  }
  if (P.Closed) {
    Out.push_back(Loop(std::move(Left)));
    Out.push_back(Loop(Reversed(Right)));
  } else {
    const TContourSegment &First = P.Segments.front(), &Last = P.Segments.back();
    Append(Left, EndCap(Last.End(), EndDirection(Last), R, Stroke), Budget);
    Append(Left, Reversed(Right));
    Append(Left, StartCap(First.Start(), StartDirection(First), R, Stroke), Budget);
    Out.push_back(Loop(std::move(Left)));
  }
  for (TPathContour& L : Lobes) Out.push_back(std::move(L));
}

} // namespace
} // namespace zk::stroke

namespace zk {

std::unique_ptr<TZKPathData> StrokeOutline(const TZKPathData& Path, const TZKStroke& Stroke) {
  ValidateStroke(Stroke);
  if (Stroke.Width == 0) return std::make_unique<TZKPathData>();
  const std::vector<stroke::TStrokePiece> Pieces = stroke::StrokePieces(Path, Stroke);
  std::vector<TPathContour> Contours;
  std::size_t Budget = MaxResultEntries;
  for (const stroke::TStrokePiece& P : Pieces) stroke::StrokePiece(P, Stroke.Width / 2, Stroke, Contours, Budget);
  return ContoursToPath(Contours);
}

} // namespace zk
