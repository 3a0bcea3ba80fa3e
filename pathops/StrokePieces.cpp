// The stroke style's checks, and a path's contours cut into the pieces the
// stroker draws: dashes, zero-length dots, whole contours.
#include <cmath>
#include <numeric>
#include <string>

#include "pathops/ContourMeasure.h"
#include "pathops/Stroke_p.h"

namespace zk {

void ValidateStroke(const TZKStroke& Stroke) {
  if (!(std::isfinite(Stroke.Width) && Stroke.Width >= 0))
    throw EInvalidStroke("The stroke width must be a finite number of at least 0");
  if (!(std::isfinite(Stroke.MiterLimit) && Stroke.MiterLimit >= 1))
    throw EInvalidStroke("The miter limit must be a finite number of at least 1");
  for (double D : Stroke.Dashes)
    if (!(std::isfinite(D) && D >= 0))
      throw EInvalidStroke("A dash or gap length must be a finite number of at least 0");
  if (!std::isfinite(Stroke.DashOffset)) throw EInvalidStroke("The dash offset must be a finite number");
  if (!(std::isfinite(Stroke.Tolerance) && Stroke.Tolerance > 0))
    throw EInvalidStroke("The tolerance must be a finite number above 0");
  if (static_cast<int>(Stroke.Join) < 0 || static_cast<int>(Stroke.Join) > 2)
    throw EInvalidStroke("The line join must be miter, round or bevel");
  if (static_cast<int>(Stroke.Cap) < 0 || static_cast<int>(Stroke.Cap) > 2)
    throw EInvalidStroke("The line cap must be butt, round or square");
}

} // namespace zk

namespace zk::stroke {
namespace {

bool ZeroLength(const TContourSegment& S) {
  const TCubicBezier& C = S.Curve;
  return C.P0 == C.P3 && (!S.IsCurve || (C.P1 == C.P0 && C.P2 == C.P0));
}

std::string TooManyPieces(std::size_t MaxPieces) {
  return MaxPieces < MaxResultEntries ? "The stroke outline would hold more than 2^20 path entries"
                                      : "The dash pattern would make more than 2^20 dashes";
}

TStrokePiece WholePiece(const TPathContour& C) {
  TStrokePiece P;
  P.Closed = C.Closed;
  P.At = C.Start;
  for (const TContourSegment& S : C.Segments)
    if (!ZeroLength(S)) P.Segments.push_back(S);
  return P;
}

// The piece of contour I between distances A < B along it, as the measure
// cuts it (lines as lines, curves by SubCubic), appended to Out's segments.
void AppendCut(const TContourMeasure& Measure, std::size_t I, double A, double B, TStrokePiece& Out) {
  for (const TPathContour& C : Measure.ContourPiece(I, A, B))
    Out.Segments.insert(Out.Segments.end(), C.Segments.begin(), C.Segments.end());
}

// Cuts contour I by the pattern (even, positive total) from Offset (in
// [0, total)). A dash on at both ends of a closed contour runs on over its
// start as one dash, with a join there.
void DashContour(const TContourMeasure& Measure, std::size_t I, const std::vector<double>& Pattern, double Offset,
                 std::size_t MaxPieces, std::vector<TStrokePiece>& Out) {
  const TPathContour& Contour = Measure.Contours()[I];
  const double Length = Measure.ContourLength(I);
  // Find where the offset falls in the pattern; an entry ending exactly there
  // is passed, a zero-length dash there is not.
  std::size_t Index = 0;
  double Into = Offset;
  for (std::size_t Step = 0; Into > Pattern[Index] || (Into == Pattern[Index] && Into > 0); ++Step) {
    if (Step > 2 * Pattern.size()) {  // rounding left Into at the total
      Index = 0, Into = 0;
      break;
    }
    Into -= Pattern[Index];
    Index = (Index + 1) % Pattern.size();
  }
  const bool StartsOn = Index % 2 == 0;
  const std::size_t First = Out.size();
  bool RunsToEnd = false;  // the last dash reaches the contour's end
  for (double At = 0, Left = Pattern[Index] - Into;;) {
    const double End = At + Left;
    if (Index % 2 == 0) {
      if (At == 0 && End >= Length && Contour.Closed) {
        Out.push_back(WholePiece(Contour));  // one dash all round: the contour itself
        return;
      }
      TStrokePiece& P = Out.emplace_back();
      if (End > At) AppendCut(Measure, I, At, std::min(End, Length), P);
      if (P.Segments.empty()) {
        const TPointTangent From = Measure.PointTangentAt(Measure.ContourStart(I) + At);
        P.At = From.Point, P.Direction = From.Tangent;
      } else {
        // Where a dash too short to keep a segment of any length leaves a dot.
        P.At = P.Segments.front().Start(), P.Direction = StartDirection(P.Segments.front());
      }
      RunsToEnd = End >= Length;
      if (Out.size() > MaxPieces) throw EResultTooLarge(TooManyPieces(MaxPieces));
    }
    if (End >= Length) {
      // Zero-length entries due just at the end: their dashes are dots there.
      for (std::size_t K = 1; End == Length && K < Pattern.size() && Pattern[(Index + K) % Pattern.size()] == 0; ++K) {
        if ((Index + K) % 2 != 0) continue;
        TStrokePiece& P = Out.emplace_back();
        const TPointTangent At = Measure.PointTangentAt(Measure.ContourStart(I) + Length);
        P.At = At.Point, P.Direction = At.Tangent;
      }
      break;
    }
    At = End;
    Index = (Index + 1) % Pattern.size();
    Left = Pattern[Index];
  }
  if (Contour.Closed && StartsOn && RunsToEnd && Out.size() - First >= 2) {
    TStrokePiece& Last = Out.back();
    TStrokePiece& Head = Out[First];
    Last.Segments.insert(Last.Segments.end(), Head.Segments.begin(), Head.Segments.end());
    Head = std::move(Last);
    Out.pop_back();
  }
}

} // namespace

std::vector<TStrokePiece> StrokePieces(const TZKPathData& Path, const TZKStroke& Stroke, std::size_t MaxPieces) {
  std::vector<double> Pattern = Stroke.Dashes;
  if (Pattern.size() % 2 == 1) Pattern.insert(Pattern.end(), Stroke.Dashes.begin(), Stroke.Dashes.end());
  const double Total = std::accumulate(Pattern.begin(), Pattern.end(), 0.0);
  std::vector<TStrokePiece> Pieces;
  if (!(Total > 0)) {
    for (const TPathContour& C : PathContours(Path))
      if (!C.Segments.empty()) Pieces.push_back(WholePiece(C));  // a lone move paints nothing
  } else {
    const TContourMeasure Measure(Path);
    // Refuse a pattern that would make too many dashes before cutting any.
    double Dashes = 0;
    for (std::size_t I = 0; I < Measure.ContourCount(); ++I)
      if (!Measure.Contours()[I].Segments.empty())
        Dashes += (Measure.ContourLength(I) / Total + 1) * static_cast<double>(Pattern.size() / 2);
    if (!(Dashes <= static_cast<double>(MaxResultEntries))) throw EResultTooLarge(TooManyPieces(MaxResultEntries));
    if (!(Dashes <= static_cast<double>(MaxPieces))) throw EResultTooLarge(TooManyPieces(MaxPieces));
    double Offset = std::fmod(Stroke.DashOffset, Total);
    if (Offset < 0) Offset += Total;
    if (!(Offset < Total)) Offset = 0;
    for (std::size_t I = 0; I < Measure.ContourCount(); ++I)
      if (!Measure.Contours()[I].Segments.empty()) DashContour(Measure, I, Pattern, Offset, MaxPieces, Pieces);
    for (TStrokePiece& P : Pieces) std::erase_if(P.Segments, ZeroLength);
  }
  // Dots are drawn only by caps that reach beyond the end.
  if (Stroke.Cap == TZKLineCap::Butt) std::erase_if(Pieces, [](const TStrokePiece& P) { return P.Segments.empty(); });
  return Pieces;
}

} // namespace zk::stroke
