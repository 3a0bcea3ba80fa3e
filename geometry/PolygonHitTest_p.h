#pragma once
// The even-odd ray test of the float polygon hit test, one edge at a time:
// the polygon test runs it over an array, the path's fill test over points
// as they are sampled. Internal: not installed.
#include "runtime/Records.h"

namespace zk {

/// Crossing parity of a ray from (X, Y) toward larger X.
class TEvenOddRay {
public:
  TEvenOddRay(float X, float Y) noexcept : FX(X), FY(Y) {}
  /// Counts the edge Pj -> Pi when Y lies in its Y range half-open and X
  /// lies left of the crossing xs = Pi.x + (Pj.x - Pi.x) * (Y - Pi.y) /
  /// (Pj.y - Pi.y), every step in Single. NaN never counts.
  void Edge(const TPointF& Pi, const TPointF& Pj) noexcept {
    if ((Pi.Y <= FY && FY < Pj.Y) || (Pj.Y <= FY && FY < Pi.Y)) {
      const float Xs = Pi.X + (Pj.X - Pi.X) * (FY - Pi.Y) / (Pj.Y - Pi.Y);
      FInside ^= (FX < Xs);
    }
  }
  bool Inside() const noexcept { return FInside; }

private:
  float FX, FY;
  bool FInside = false;
};

} // namespace zk
