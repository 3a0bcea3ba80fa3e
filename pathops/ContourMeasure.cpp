// Exact measurement along the true curves of a path.
#include "pathops/ContourMeasure.h"

#include <algorithm>
#include <cmath>

namespace zk {

namespace {

double SegmentLength(const TContourSegment& S, double Accuracy) noexcept {
  return S.IsCurve ? CubicLength(S.Curve, Accuracy) : Length(S.End() - S.Start());
}

TPointD Unit(const TPointD& V) noexcept {
  const double L = Length(V);
  return L > 0 ? TPointD{V.X / L, V.Y / L} : TPointD{1, 0};
}

// The cut's points lie in the segment's control box, but rounding may push
// them a unit of the last place out: back inside, so that a piece of stored
// points never leaves the single-precision range.
void KeepInHull(TCubicBezier& Cut, const TCubicBezier& Of) noexcept {
  const auto [X0, X1] = std::minmax({Of.P0.X, Of.P1.X, Of.P2.X, Of.P3.X});
  const auto [Y0, Y1] = std::minmax({Of.P0.Y, Of.P1.Y, Of.P2.Y, Of.P3.Y});
  for (TPointD* P : {&Cut.P0, &Cut.P1, &Cut.P2, &Cut.P3}) *P = {std::clamp(P->X, X0, X1), std::clamp(P->Y, Y0, Y1)};
}

// The part of S between the parameters T0 <= T1, S itself where they cover it.
TContourSegment SegmentPart(const TContourSegment& S, double T0, double T1) noexcept {
  if (!(T0 > 0 || T1 < 1)) return S;
  TContourSegment Cut = S;
  if (S.IsCurve) Cut.Curve = SubCubic(S.Curve, T0, T1);
  else Cut = TContourSegment::Line(Lerp(S.Start(), S.End(), T0), Lerp(S.Start(), S.End(), T1));
  KeepInHull(Cut.Curve, S.Curve);
  return Cut;
}

// Distance clamped to [0, Total]; a NaN counts as 0.
double Clamped(double Distance, double Total) noexcept {
  return Distance > 0 ? std::min(Distance, Total) : 0.0;
}

} // namespace

TContourMeasure::TContourMeasure(const TZKPathData& Path) : FContours(PathContours(Path)) { Build(); }

TContourMeasure::TContourMeasure(std::vector<TPathContour> Contours, double Accuracy)
    : FContours(std::move(Contours)), FAccuracy(Accuracy) {
  Build();
}

void TContourMeasure::Build() {
  FContourStart.reserve(FContours.size());
  FContourEnd.reserve(FContours.size());
  double At = 0;
  for (std::size_t C = 0; C < FContours.size(); ++C) {
    FContourStart.push_back(At);
    const std::vector<TContourSegment>& Segments = FContours[C].Segments;
    for (std::size_t I = 0; I < Segments.size(); ++I) {
      const double L = SegmentLength(Segments[I], FAccuracy);
      if (!(L > 0)) continue;
      FSegments.push_back({At, L, C, I});
      At += L;
      FSegmentEnd.push_back(At);
    }
    FContourEnd.push_back(At);
  }
  FTotal = At;
}

const TContourMeasure::TSegmentMeasure* TContourMeasure::SegmentAt(double Distance) const noexcept {
  if (FSegments.empty()) return nullptr;
  // The first segment that ends beyond Distance starts at or before it.
  const auto It = std::upper_bound(FSegmentEnd.begin(), FSegmentEnd.end(), Distance);
  return It == FSegmentEnd.end() ? &FSegments.back() : &FSegments[It - FSegmentEnd.begin()];
}

double TContourMeasure::ParameterAt(const TSegmentMeasure& M, double Local) const noexcept {
  const TContourSegment& S = SegmentOf(M);
  if (Local <= 0) return 0;
  if (Local >= M.Length) return 1;
  if (!S.IsCurve) return Local / M.Length;
  return CubicParameterAtLength(S.Curve, Local, M.Length, FAccuracy * M.Length);
}

TPointTangent TContourMeasure::PointTangentAt(double Distance) const noexcept {
  const double D = Clamped(Distance, FTotal);
  const TSegmentMeasure* M = SegmentAt(D);
  if (M == nullptr) return {FContours.empty() ? TPointD{} : FContours.front().Start, {1, 0}};
  const std::size_t K = static_cast<std::size_t>(M - FSegments.data());
  const double T = ParameterAt(*M, D >= FSegmentEnd[K] ? M->Length : D - M->Start);
  const TContourSegment& S = SegmentOf(*M);
  if (!S.IsCurve) return {Lerp(S.Start(), S.End(), T), Unit(S.End() - S.Start())};
  return {CubicPoint(S.Curve, T), Unit(CubicTangent(S.Curve, T))};
}

// ---- Pieces ------------------------------------------------------------------

void TContourMeasure::AppendPiece(std::size_t C, double From, double To, std::vector<TPathContour>& Out) const {
  const double Start = FContourStart[C], End = FContourEnd[C];
  From = std::max(From, Start);
  To = std::min(To, End);
  if (!(From < To)) return;
  if (From <= Start && To >= End) {
    Out.push_back(FContours[C]);
    return;
  }
  TPathContour Piece;
  auto K = static_cast<std::size_t>(std::upper_bound(FSegmentEnd.begin(), FSegmentEnd.end(), From) -
                                    FSegmentEnd.begin());
  for (; K < FSegments.size() && FSegments[K].Contour == C && FSegments[K].Start < To; ++K) {
    const TSegmentMeasure& M = FSegments[K];
    const TContourSegment& S = SegmentOf(M);
    // Whole where the piece covers the segment, so that a cut lands exactly
    // on the segment's own end points.
    const double A = From <= M.Start ? 0 : From - M.Start;
    const double B = To >= FSegmentEnd[K] ? M.Length : std::min(To - M.Start, M.Length);
    const TContourSegment Cut = SegmentPart(S, ParameterAt(M, A), ParameterAt(M, B));
    if (Piece.Segments.empty()) Piece.Start = Cut.Start();
    Piece.Segments.push_back(Cut);
  }
  if (!Piece.Segments.empty()) Out.push_back(std::move(Piece));
}

std::vector<TPathContour> TContourMeasure::Piece(double From, double To) const {
  std::vector<TPathContour> Out;
  From = Clamped(From, FTotal);
  To = Clamped(To, FTotal);
  if (!(From < To)) return Out;
  // Contours without length lie at a single distance and add nothing.
  const auto First = std::upper_bound(FContourEnd.begin(), FContourEnd.end(), From) - FContourEnd.begin();
  for (auto C = static_cast<std::size_t>(First); C < FContours.size() && FContourStart[C] < To; ++C)
    if (FContourEnd[C] > FContourStart[C]) AppendPiece(C, From, To, Out);
  return Out;
}

std::vector<TPathContour> TContourMeasure::ContourPiece(std::size_t C, double From, double To) const {
  std::vector<TPathContour> Out;
  const double L = ContourLength(C);
  From = Clamped(From, L);
  To = Clamped(To, L);
  if (From < To)
    AppendPiece(C, From <= 0 ? FContourStart[C] : FContourStart[C] + From,
                To >= L ? FContourEnd[C] : FContourStart[C] + To, Out);
  return Out;
}

std::unique_ptr<TZKPathData> TContourMeasure::Trim(double From, double To) const {
  return ContoursToPath(Piece(From, To));
}

// ---- Cutter ------------------------------------------------------------------

TContourCutter::TContourCutter(const TContourMeasure& Measure, std::size_t I, double Accuracy) noexcept
    : FMeasure(Measure), FContour(I), FAccuracy(Accuracy) {
  const std::vector<double>& Ends = Measure.FSegmentEnd;
  // The contour's first measured segment is the first to end beyond its start.
  FSegment = static_cast<std::size_t>(std::upper_bound(Ends.begin(), Ends.end(), Measure.FContourStart[I]) -
                                      Ends.begin());
  FSegmentEnd = FSegment;
  while (FSegmentEnd < Measure.FSegments.size() && Measure.FSegments[FSegmentEnd].Contour == I) ++FSegmentEnd;
}

void TContourCutter::CutTo(double Distance, std::vector<TContourSegment>& Out) { WalkTo(Distance, &Out); }

void TContourCutter::WalkTo(double Distance, std::vector<TContourSegment>* Out) {
  const double To = std::min(Distance, FMeasure.ContourLength(FContour));
  if (!(To > FPosition)) return;
  FPosition = To;
  const double At = FMeasure.FContourStart[FContour] + To;
  for (; FSegment < FSegmentEnd; ++FSegment, FT = 0, FLocal = 0) {
    const TContourMeasure::TSegmentMeasure& M = FMeasure.FSegments[FSegment];
    const TContourSegment& S = FMeasure.SegmentOf(M);
    if (FMeasure.FSegmentEnd[FSegment] <= At) {  // the rest of the segment, to its own end point
      if (Out) Out->push_back(SegmentPart(S, FT, 1));
      continue;
    }
    const double Local = At - M.Start;
    if (Local > FLocal) {
      double T = Local / M.Length;
      if (S.IsCurve) {
        const TCubicLengthStep Step = CubicParameterAfterLength(S.Curve, FT, Local - FLocal, M.Length - FLocal, FAccuracy);
        T = Step.T;
        FLocal += Step.Length;
      } else {
        FLocal = Local;
      }
      if (Out) Out->push_back(SegmentPart(S, FT, T));
      FT = T;
    }
    return;
  }
}

double ExactPathLength(const TZKPathData& Path) { return TContourMeasure(Path).Length(); }

std::unique_ptr<TZKPathData> TrimPath(const TZKPathData& Path, double From, double To) {
  return TContourMeasure(Path).Trim(From, To);
}

} // namespace zk
