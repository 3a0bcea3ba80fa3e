// The outline of a stroke: each piece's parts chained into one closed
// contour per side.
#include "pathops/Stroke_p.h"

namespace zk::stroke {
namespace {

// Strokes pieces into Out, keeping its working chains between pieces.
class TOutliner {
public:
  TOutliner(const TZKStroke& Stroke, TContourWriter& Out) : Stroke(Stroke), R(Stroke.Width / 2), Out(Out) {}

  void Piece(const TStrokePiece& P) {
    Left.clear(), Right.clear(), Ends.clear(), Lobes.clear();
    if (P.Segments.empty()) {
      // A dot: the caps of a piece of no length, back to back.
      AppendEndCap(Left, P.At, P.Direction, R, Stroke);
      AppendStartCap(Left, P.At, P.Direction, R, Stroke);
      ConsumeBudget(Budget, Left.size());
      Emit(Left, nullptr, nullptr);
      return;
    }
    // Each direction is found once: a segment's start direction is the
    // join's outgoing one before it.
    const std::size_t N = P.Segments.size();
    const TPointD FirstStart = StartDirection(P.Segments.front());
    TPointD Start = FirstStart, End;
    for (std::size_t I = 0; I < N; ++I) {
      const TContourSegment& S = P.Segments[I];
      End = S.IsCurve ? EndDirection(S) : Start;
      OffsetSegment(S, Start, End, R, Stroke.Tolerance, Left, Right, Lobes, Budget);
      if (I + 1 < N || P.Closed) {
        Start = I + 1 < N ? StartDirection(P.Segments[I + 1]) : FirstStart;
        bool OuterIsLeft = true;
        const std::size_t Before = Left.size() + Right.size();
        AppendJoin(Left, Right, OuterIsLeft, S.End(), End, Start, R, Stroke);
        ConsumeBudget(Budget, Left.size() + Right.size() - Before);
      }
    }
    if (P.Closed) {
      Emit(Left, nullptr, nullptr);
      Emit(Ends, &Right, nullptr);
      return;
    }
    const TContourSegment &First = P.Segments.front(), &Last = P.Segments.back();
    const std::size_t Before = Left.size();
    AppendEndCap(Left, Last.End(), End, R, Stroke);
    AppendStartCap(Ends, First.Start(), FirstStart, R, Stroke);
    ConsumeBudget(Budget, Left.size() - Before + Ends.size() + 2);  // and the move and close
    Emit(Left, &Right, &Ends);
  }

private:
  // One closed contour: Head, then Back reversed, then Tail, after the lobes
  // the piece's curves made. Its segments are counted against the budget as
  // they are made.
  void Emit(const TChain& Head, const TChain* Back, const TChain* Tail) {
    for (const TPathContour& Lobe : Lobes) Out.Add(Lobe);
    Lobes.clear();
    Contour.Closed = true;
    Contour.Segments.clear();
    Contour.Segments.insert(Contour.Segments.end(), Head.begin(), Head.end());
    if (Back) AppendReversed(Contour.Segments, *Back);
    if (Tail) Contour.Segments.insert(Contour.Segments.end(), Tail->begin(), Tail->end());
    Contour.Start = Contour.Segments.front().Start();
    Out.Add(Contour);
  }

  const TZKStroke& Stroke;
  const double R;
  TContourWriter& Out;
  std::size_t Budget = MaxResultEntries;
  TChain Left, Right, Ends;
  std::vector<TPathContour> Lobes;
  TPathContour Contour;  // the one being written
};

} // namespace
} // namespace zk::stroke

namespace zk {

std::unique_ptr<TZKPathData> StrokeOutline(const TZKPathData& Path, const TZKStroke& Stroke) {
  ValidateStroke(Stroke);
  if (Stroke.Width == 0) return std::make_unique<TZKPathData>();
  auto Outline = std::make_unique<TZKPathData>();
  {
    TZKPathUpdate Update(*Outline);
    TContourWriter Writer(*Outline);
    stroke::TOutliner Outliner(Stroke, Writer);
    stroke::ForEachStrokePiece(Path, Stroke, stroke::MaxOutlinePieces(Stroke.Cap),
                               [&](const stroke::TStrokePiece& P) { Outliner.Piece(P); });
  }
  return Outline;
}

} // namespace zk
