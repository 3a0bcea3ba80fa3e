#include "runtime/FloatCompare.h"

#include <algorithm>
#include <cmath>

namespace zk {

bool SameValue(float A, float B, float Eps) noexcept {
  // The tolerance is held as a Single, so 1E-4 becomes 9.99999975e-5.
  if (Eps == 0.0f)
    Eps = static_cast<float>(std::max(std::min(std::fabs(double(A)), std::fabs(double(B))) * 1e-4, 1e-4));
  const double Diff = A > B ? double(A) - double(B) : double(B) - double(A);
  return Diff <= Eps;
}

bool SameValue(double A, double B, double Eps) noexcept {
  if (Eps == 0.0) Eps = std::max(std::min(std::fabs(A), std::fabs(B)) * 1e-12, 1e-12);
  const double Diff = A > B ? A - B : B - A;
  return Diff <= Eps;
}

} // namespace zk
