// Signed areas and directions of contours.
#include "pathops/ContourArea.h"

namespace zk {

namespace {

// Twice the signed area swept from the origin by the segment (the integral of
// x dy - y dx), with the points taken relative to O.
double SweptTwice(const TContourSegment& S, const TPointD& O) noexcept {
  const TPointD P0 = S.Curve.P0 - O, P3 = S.Curve.P3 - O;
  if (!S.IsCurve) return Cross(P0, P3);
  const TPointD P1 = S.Curve.P1 - O, P2 = S.Curve.P2 - O;
  return (6 * Cross(P0, P1) + 3 * Cross(P0, P2) + Cross(P0, P3) + 3 * Cross(P1, P2) + 3 * Cross(P1, P3) +
          6 * Cross(P2, P3)) /
         10;
}

} // namespace

double ContourArea(const TPathContour& Contour) noexcept {
  double Sum = 0;
  for (const TContourSegment& S : Contour.Segments) Sum += SweptTwice(S, Contour.Start);
  // The implicit closing line ends at the start, the origin here: it sweeps nothing.
  return Sum / 2;
}

std::vector<double> ContourAreas(const TZKPathData& Path) {
  std::vector<double> Areas;
  for (const TPathContour& C : PathContours(Path)) Areas.push_back(ContourArea(C));
  return Areas;
}

TContourDirection ContourDirection(const TPathContour& Contour) noexcept {
  const double A = ContourArea(Contour);
  return A > 0 ? TContourDirection::Clockwise : A < 0 ? TContourDirection::CounterClockwise : TContourDirection::None;
}

} // namespace zk
