// The stroke style's checks, and a path's contours cut into the pieces the
// stroker draws: dashes, zero-length dots, whole contours.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <string>

#include "geometry/Tolerances.h"
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

// The pieces of one contour, their segments cut into one list kept from
// contour to contour, then handed to the sink in order through one piece
// kept likewise: a path's pieces take a few allocations in all.
class TPieceCutter {
public:
  TPieceCutter(std::size_t MaxPieces, const TPieceSink& Sink) : MaxPieces(MaxPieces), Sink(Sink) {}

  // Starts a new piece of the current contour, open and without segments;
  // its segments are appended to Segments() until the next one starts.
  void Add() {
    ++Made;
    Pieces.push_back({Cut.size(), false, false, {}, {1, 0}});
  }
  void AddWhole(const TPathContour& C) {
    Pieces.push_back({Cut.size(), C.Closed, false, C.Start, {1, 0}});
    Cut.insert(Cut.end(), C.Segments.begin(), C.Segments.end());
  }
  std::vector<TContourSegment>& Segments() noexcept { return Cut; }
  // The last piece has no segments yet.
  bool LastIsEmpty() const noexcept { return Pieces.back().First == Cut.size(); }
  // Where the last piece leaves a dot: at a point, or (found only when it
  // is needed) where its first segment starts.
  void SetLastDot(const TPointD& At, const TPointD& Direction) noexcept {
    Pieces.back().At = At, Pieces.back().Direction = Direction;
  }
  void SetLastDotAtItsStart() noexcept { Pieces.back().DotAtStart = true; }
  std::size_t Count() const noexcept { return Pieces.size(); }
  // Raises when more pieces than allowed have been made so far.
  void CheckCount() const {
    if (Made > MaxPieces) throw EResultTooLarge(TooManyPieces(MaxPieces));
  }

  // Hands the contour's pieces to the sink, the last one first and run on
  // into the first where MergeLast says so: without their zero-length
  // segments, and without dots where butt caps draw none.
  void Flush(bool MergeLast, bool DrawsDots) {
    const std::size_t N = Pieces.size();
    if (MergeLast) --Made;
    for (std::size_t I = MergeLast ? N - 1 : 0, Done = 0; Done < N - (MergeLast ? 1 : 0); ++Done) {
      const TPiece& P = Pieces[I];
      Out.Segments.clear();
      Out.Closed = P.Closed, Out.At = P.At, Out.Direction = P.Direction;
      AppendSegments(I);
      if (MergeLast && I == N - 1) AppendSegments(0);
      if (Out.Segments.empty() && P.DotAtStart)
        Out.At = Cut[P.First].Start(), Out.Direction = StartDirection(Cut[P.First]);
      if (DrawsDots || !Out.Segments.empty()) Sink(Out);
      I = I == N - 1 ? 1 : I + 1;
    }
    Pieces.clear();
    Cut.clear();
  }

private:
  struct TPiece {
    std::size_t First;  // in Cut
    bool Closed;
    bool DotAtStart;  // a dot is at the first segment's start
    TPointD At, Direction;
  };

  void AppendSegments(std::size_t I) {
    const std::size_t End = I + 1 < Pieces.size() ? Pieces[I + 1].First : Cut.size();
    std::copy_if(Cut.begin() + static_cast<std::ptrdiff_t>(Pieces[I].First),
                 Cut.begin() + static_cast<std::ptrdiff_t>(End), std::back_inserter(Out.Segments),
                 [](const TContourSegment& S) { return !ZeroLength(S); });
  }

  const std::size_t MaxPieces;
  const TPieceSink& Sink;
  std::vector<TContourSegment> Cut;
  std::vector<TPiece> Pieces;
  TStrokePiece Out;
  std::size_t Made = 0;
};

// Cuts contour I by the pattern (even, positive total) from Offset (in
// [0, total)), dash ends to Accuracy. A dash on at both ends of a closed
// contour runs on over its start as one dash, with a join there: returns
// true when the last piece runs on into the first.
bool DashContour(const TContourMeasure& Measure, std::size_t I, const std::vector<double>& Pattern, double Offset,
                 double Accuracy, TPieceCutter& Out) {
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
  TContourCutter Cutter(Measure, I, Accuracy);
  bool RunsToEnd = false;  // the last dash reaches the contour's end
  for (double At = 0, Left = Pattern[Index] - Into;;) {
    const double End = At + Left;
    if (Index % 2 == 0) {
      if (At == 0 && End >= Length && Contour.Closed) {
        Out.AddWhole(Contour);  // one dash all round: the contour itself
        return false;
      }
      Out.Add();
      Cutter.SkipTo(At);
      if (End > At) Cutter.CutTo(std::min(End, Length), Out.Segments());
      if (Out.LastIsEmpty()) {
        const TPointTangent From = Measure.PointTangentAt(Measure.ContourStart(I) + At);
        Out.SetLastDot(From.Point, From.Tangent);
      } else {
        // Where a dash too short to keep a segment of any length leaves a dot.
        Out.SetLastDotAtItsStart();
      }
      RunsToEnd = End >= Length;
      Out.CheckCount();
    }
    if (End >= Length) {
      // Zero-length entries due just at the end: their dashes are dots there.
      for (std::size_t K = 1; End == Length && K < Pattern.size() && Pattern[(Index + K) % Pattern.size()] == 0; ++K) {
        if ((Index + K) % 2 != 0) continue;
        Out.Add();
        const TPointTangent At = Measure.PointTangentAt(Measure.ContourStart(I) + Length);
        Out.SetLastDot(At.Point, At.Tangent);
      }
      break;
    }
    At = End;
    Index = (Index + 1) % Pattern.size();
    Left = Pattern[Index];
  }
  return Contour.Closed && StartsOn && RunsToEnd && Out.Count() >= 2;
}

} // namespace

void ForEachStrokePiece(const TZKPathData& Path, const TZKStroke& Stroke, std::size_t MaxPieces,
                        const TPieceSink& Sink) {
  std::vector<double> Pattern = Stroke.Dashes;
  if (Pattern.size() % 2 == 1) Pattern.insert(Pattern.end(), Stroke.Dashes.begin(), Stroke.Dashes.end());
  const double Total = std::accumulate(Pattern.begin(), Pattern.end(), 0.0);
  // Dots are drawn only by caps that reach beyond the end.
  const bool DrawsDots = Stroke.Cap != TZKLineCap::Butt;
  TPieceCutter Pieces(MaxPieces, Sink);
  if (!(Total > 0)) {
    for (const TPathContour& C : PathContours(Path)) {
      if (C.Segments.empty()) continue;  // a lone move paints nothing
      Pieces.AddWhole(C);
      Pieces.Flush(false, DrawsDots);
    }
    return;
  }
  // The segments are measured to a relative accuracy that keeps the error
  // of every distance along the path within the dash ends' accuracy: the
  // control polygons' length bounds the path's.
  const double Accuracy = DashCutShare * Stroke.Tolerance;
  std::vector<TPathContour> Contours = PathContours(Path);
  double Reach = 0;
  for (const TPathContour& C : Contours)
    for (const TContourSegment& S : C.Segments) Reach += CubicControlLength(S.Curve);
  const TContourMeasure Measure(std::move(Contours), Reach > 0 ? std::max(MeasureAccuracy, Accuracy / Reach)
                                                               : MeasureAccuracy);
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
  for (std::size_t I = 0; I < Measure.ContourCount(); ++I) {
    if (Measure.Contours()[I].Segments.empty()) continue;
    Pieces.Flush(DashContour(Measure, I, Pattern, Offset, Accuracy, Pieces), DrawsDots);
  }
}

std::vector<TStrokePiece> StrokePieces(const TZKPathData& Path, const TZKStroke& Stroke, std::size_t MaxPieces) {
  std::vector<TStrokePiece> Pieces;
  ForEachStrokePiece(Path, Stroke, MaxPieces, [&](const TStrokePiece& P) { Pieces.push_back(P); });
  return Pieces;
}

} // namespace zk::stroke
