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
  ///
  /// The range test is written as one comparison of two comparisons: it
  /// equals "Pi.y <= Y < Pj.y or Pj.y <= Y < Pi.y" for ordered values, and
  /// where a NaN makes them differ the crossing is NaN and does not count.
  /// Spelled with "and" and "or", the optimiser keeps its short circuit as
  /// three or four data-dependent branches an edge instead of one.
  void Edge(const TPointF& Pi, const TPointF& Pj) noexcept {
    if ((Pi.Y <= FY) != (Pj.Y <= FY)) {
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
