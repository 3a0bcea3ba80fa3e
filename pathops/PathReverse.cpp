// Contours and paths traced backwards.
#include "pathops/PathReverse.h"

#include <vector>

namespace zk {

TPathContour ReverseContour(const TPathContour& Contour) {
  const std::vector<TContourSegment>& In = Contour.Segments;
  std::size_t N = In.size();
  if (N == 0) return Contour;
  if (Contour.Closed && !In[N - 1].IsCurve && In[N - 1].Start() == In[N - 1].End()) --N;
  if (N == 0) return Contour;
  TPathContour Out{Contour.Closed ? Contour.Start : In[N - 1].End(), {}, Contour.Closed};
  Out.Segments.reserve(N + 1);
  for (std::size_t I = N; I-- > 0;) {
    const TCubicBezier& C = In[I].Curve;
    Out.Segments.push_back({In[I].IsCurve, {C.P3, C.P2, C.P1, C.P0}});
  }
  // A closed contour ends with its closing line: the reversed first segment
  // when that was a line (it ends at the start), else one of length zero.
  if (Contour.Closed && Out.Segments.back().IsCurve)
    Out.Segments.push_back(TContourSegment::Line(Out.Start, Out.Start));
  return Out;
}

std::unique_ptr<TZKPathData> ReversePath(const TZKPathData& Path) {
  std::vector<TPathContour> Contours = PathContours(Path);
  for (TPathContour& C : Contours) C = ReverseContour(C);
  return ContoursToPath(Contours);
}

} // namespace zk
