// The tight box of a path's true outline.
#include "pathops/TightBounds.h"

#include <algorithm>

namespace zk {

TBoundsD TightBounds(std::span<const TPathContour> Contours) noexcept {
  if (Contours.empty()) return {};
  const TPointD First = Contours.front().Start;
  TBoundsD B{First.X, First.Y, First.X, First.Y};
  const auto Add = [&B](const TPointD& P) {
    B.Left = std::min(B.Left, P.X);
    B.Right = std::max(B.Right, P.X);
    B.Top = std::min(B.Top, P.Y);
    B.Bottom = std::max(B.Bottom, P.Y);
  };
  for (const TPathContour& C : Contours) {
    Add(C.Start);
    for (const TContourSegment& S : C.Segments) {
      Add(S.End());
      if (!S.IsCurve) continue;
      // Only a control point outside the box of the ends can pull the curve out.
      const TCubicBezier& K = S.Curve;
      const auto Inside = [&](const TPointD& P) {
        return P.X >= std::min(K.P0.X, K.P3.X) && P.X <= std::max(K.P0.X, K.P3.X) &&
               P.Y >= std::min(K.P0.Y, K.P3.Y) && P.Y <= std::max(K.P0.Y, K.P3.Y);
      };
      if (Inside(K.P1) && Inside(K.P2)) continue;
      double T[4];
      const int N = CubicExtrema(K, T);
      for (int I = 0; I < N; ++I) Add(CubicPoint(K, T[I]));
    }
  }
  return B;
}

TBoundsD TightBounds(const TZKPathData& Path) { return TightBounds(PathContours(Path)); }

} // namespace zk
