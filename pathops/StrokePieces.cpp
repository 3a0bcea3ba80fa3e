// The stroke style's checks, and a path's contours cut into the pieces the
// stroker draws: dashes, zero-length dots, whole contours.
#include <cmath>
#include <numeric>

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

// A segment measured for dashing: its length and how to cut it by lengths.
struct TMeasured {
  const TContourSegment* Segment;
  double Length;
  double Accuracy;  // of the lengths along a curve

  // The last cut, from which the next one (further along) is measured, so
  // that many dashes on one curve each integrate only their own stretch.
  mutable double LastS = 0, LastT = 0;

  double ParameterAt(double S) const {
    if (S <= 0) return 0;
    if (S >= Length) return 1;
    if (!Segment->IsCurve) return S / Length;
    if (S < LastS) LastS = 0, LastT = 0;
    if (S == LastS) return LastT;
    const TCubicBezier Rest = SubCubic(Segment->Curve, LastT, 1);
    const double T = CubicParameterAtLength(Rest, S - LastS, Length - LastS, Accuracy);
    LastT = LastT + T * (1 - LastT);
    LastS = S;
    return LastT;
  }
  TContourSegment Piece(double S0, double S1) const {
    const double T0 = ParameterAt(S0), T1 = ParameterAt(S1);
    const TCubicBezier& C = Segment->Curve;
    if (Segment->IsCurve) return {true, SubCubic(C, T0, T1)};
    const TPointD A = T0 == 0 ? C.P0 : Lerp(C.P0, C.P3, T0), B = T1 == 1 ? C.P3 : Lerp(C.P0, C.P3, T1);
    return TContourSegment::Line(A, B);
  }
  TPointD PointAt(double S) const { return CubicPoint(Segment->Curve, ParameterAt(S)); }
  TPointD DirectionAt(double S) const {
    const double T = ParameterAt(S);
    if (T <= 0) return StartDirection(*Segment);
    if (T >= 1) return EndDirection(*Segment);
    const TPointD D = CubicTangent(Segment->Curve, T);
    const double L = std::sqrt(D.X * D.X + D.Y * D.Y);
    return L > 0 ? TPointD{D.X / L, D.Y / L} : StartDirection(*Segment);
  }
};

TStrokePiece WholePiece(const TPathContour& C) {
  TStrokePiece P;
  P.Closed = C.Closed;
  P.At = C.Start;
  for (const TContourSegment& S : C.Segments)
    if (!ZeroLength(S)) P.Segments.push_back(S);
  return P;
}

// Cuts one contour by the pattern (even, positive total). A dash on at both
// ends of a closed contour runs on over its start as one dash, with a join.
void DashContour(const TPathContour& Contour, const std::vector<double>& Pattern, double Offset,
                 double Accuracy, std::vector<TStrokePiece>& Out) {
  // Find where the offset (in [0, total)) falls in the pattern; an entry
  // ending exactly there is passed, a zero-length dash there is not.
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
  double Left = Pattern[Index] - Into;
  const std::size_t First = Out.size();
  bool On = Index % 2 == 0;
  bool Open = false;  // a dash is being drawn into Out.back()
  const bool StartsOn = On;
  const auto Begin = [&](const TPointD& At, const TPointD& Direction) {
    Out.push_back({{}, false, At, Direction});
    Open = true;
  };
  if (On && !Contour.Segments.empty())
    Begin(Contour.Start, StartDirection(Contour.Segments.front()));
  for (const TContourSegment& S : Contour.Segments) {
    const TPointD Chord = S.End() - S.Start();
    const double Length = S.IsCurve ? CubicArcLength(S.Curve, 0, 1, Accuracy)
                                    : std::sqrt(Chord.X * Chord.X + Chord.Y * Chord.Y);
    const TMeasured M{&S, Length, Accuracy};
    double At = 0;
    while (Left <= Length - At) {
      // The current entry ends within the segment (or exactly at its end).
      const double End = At + Left;
      if (On && End > At) Out.back().Segments.push_back(M.Piece(At, End));
      if (On) Open = false;
      At = End;
      Index = (Index + 1) % Pattern.size();
      Left = Pattern[Index];
      On = Index % 2 == 0;
      if (On) Begin(M.PointAt(At), M.DirectionAt(At));
      if (Out.size() - First > MaxResultEntries)
        throw EResultTooLarge("The dash pattern would make more than 2^20 dashes");
    }
    if (On && Length > At) Out.back().Segments.push_back(M.Piece(At, Length));
    Left -= Length - At;
  }
  if (Open && Out.back().Segments.empty()) {
    Out.pop_back();  // a dash due to begin just at the end
    Open = false;
  }
  if (Contour.Closed && Open && StartsOn && Out.size() - First >= 2) {
    // The last dash runs on into the first.
    TStrokePiece& Last = Out.back();
    TStrokePiece& Head = Out[First];
    Last.Segments.insert(Last.Segments.end(), Head.Segments.begin(), Head.Segments.end());
    Head = std::move(Last);
    Out.pop_back();
  } else if (Contour.Closed && Open && StartsOn && Out.size() - First == 1) {
    Out.back().Closed = true;  // one dash all round: the contour itself
  }
}

} // namespace

std::vector<TStrokePiece> StrokePieces(const TZKPathData& Path, const TZKStroke& Stroke) {
  const std::vector<TPathContour> Contours = PathContours(Path);
  std::vector<double> Pattern = Stroke.Dashes;
  if (Pattern.size() % 2 == 1) Pattern.insert(Pattern.end(), Stroke.Dashes.begin(), Stroke.Dashes.end());
  const double Total = std::accumulate(Pattern.begin(), Pattern.end(), 0.0);
  const bool Dashed = Total > 0;
  const double Accuracy = Stroke.Tolerance * 0.1;
  std::vector<TStrokePiece> Pieces;
  if (Dashed) {
    // Refuse a pattern that would make too many dashes before cutting any.
    double Dashes = 0;
    for (const TPathContour& C : Contours) {
      double Length = 0;
      for (const TContourSegment& S : C.Segments)
        Length += S.IsCurve ? CubicControlLength(S.Curve) : zk::Length(S.End() - S.Start());
      if (!C.Segments.empty()) Dashes += (Length / Total + 1) * static_cast<double>(Pattern.size() / 2);
    }
    if (!(Dashes <= static_cast<double>(MaxResultEntries)))
      throw EResultTooLarge("The dash pattern would make more than 2^20 dashes");
  }
  double Offset = Dashed ? std::fmod(Stroke.DashOffset, Total) : 0;
  if (Offset < 0) Offset += Total;
  if (!(Offset < Total)) Offset = 0;
  for (const TPathContour& C : Contours) {
    if (C.Segments.empty()) continue;  // a lone move paints nothing
    const std::size_t From = Pieces.size();
    if (Dashed) DashContour(C, Pattern, Offset, Accuracy, Pieces);
    else Pieces.push_back(WholePiece(C));
    for (std::size_t I = From; I < Pieces.size(); ++I) {
      TStrokePiece& P = Pieces[I];
      std::erase_if(P.Segments, ZeroLength);
    }
  }
  // Dots are drawn only by caps that reach beyond the end.
  if (Stroke.Cap == TZKLineCap::Butt) std::erase_if(Pieces, [](const TStrokePiece& P) { return P.Segments.empty(); });
  return Pieces;
}

} // namespace zk::stroke
