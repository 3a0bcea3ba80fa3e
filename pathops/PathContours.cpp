// Paths read as contours of exact segments, and contours written as paths.
#include "pathops/PathContours.h"

#include <cmath>
#include <limits>

#include "pathops/PathContourWalk_p.h"

namespace zk {

std::vector<TPathContour> PathContours(std::span<const TZKPathPoint> Entries) {
  struct TBuilder {
    std::vector<TPathContour> Contours;
    void Begin(const TPointD& At) { Contours.push_back({At, {}, false}); }
    void Segment(const TContourSegment& S) { Contours.back().Segments.push_back(S); }
    void Close() { Contours.back().Closed = true; }
  } Builder;
  WalkPathContours(Entries, Builder);
  return std::move(Builder.Contours);
}

namespace {

TPointF ToStored(const TPointD& P) {
  constexpr double Max = std::numeric_limits<float>::max();
  if (!(std::fabs(P.X) <= Max && std::fabs(P.Y) <= Max))
    throw EOverflow("A result point lies outside the single-precision range");
  return {static_cast<float>(P.X), static_cast<float>(P.Y)};
}

} // namespace

void TContourWriter::Add(const TPathContour& C) {
  std::size_t Entries = 1 + (C.Closed ? 1 : 0);
  for (const TContourSegment& S : C.Segments) Entries += S.IsCurve ? 3 : 1;
  if (Entries > MaxResultEntries - FEntries)
    throw EResultTooLarge("The result would hold more than 2^20 path entries");
  FEntries += Entries;
  FPath.MoveTo(ToStored(C.Start));
  std::size_t N = C.Segments.size();
  // The close draws the closing line itself.
  if (C.Closed && N > 0 && !C.Segments[N - 1].IsCurve && C.Segments[N - 1].End() == C.Start) --N;
  for (std::size_t I = 0; I < N; ++I) {
    const TContourSegment& S = C.Segments[I];
    if (S.IsCurve)
      FPath.CurveTo(ToStored(S.Curve.P1), ToStored(S.Curve.P2), ToStored(S.Curve.P3));
    else
      FPath.LineTo(ToStored(S.Curve.P3));
  }
  if (C.Closed) FPath.ClosePath();
}

std::unique_ptr<TZKPathData> ContoursToPath(std::span<const TPathContour> Contours) {
  auto Path = std::make_unique<TZKPathData>();
  TZKPathUpdate Update(*Path);
  TContourWriter Writer(*Path);
  for (const TPathContour& C : Contours) Writer.Add(C);
  return Path;
}

} // namespace zk
