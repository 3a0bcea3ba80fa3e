#include "runtime/Rounding.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "runtime/Exceptions.h"

namespace zk {
namespace {
// [-2^63, 2^63): double(INT64_MAX) is exactly 2^63, so the upper bound is
// exclusive; NaN fails both comparisons.
std::int64_t ToInt64(long double Whole) {
  if (!(Whole >= -0x1p63L && Whole < 0x1p63L)) throw EInvalidOp();
  return static_cast<std::int64_t>(Whole);
}
} // namespace

std::int64_t HostRound(long double Value) {
  // nearbyint rounds ties to even under the default FE_TONEAREST mode, which
  // the library never changes. A value that is exactly a double (every
  // canvas coordinate) takes the double form: the same result, but the
  // extended form saves and restores the x87 environment, some 20 times
  // slower, which dominated drawing large paths.
  if (const double D = static_cast<double>(Value); D == Value) return ToInt64(std::nearbyint(D));
  return ToInt64(std::nearbyint(Value));
}

std::int64_t HostTrunc(long double Value) { return ToInt64(std::trunc(Value)); }

std::int64_t HostDiv(std::int64_t A, std::int64_t B) {
  if (B == 0) throw EDivByZero();
  if (A == std::numeric_limits<std::int64_t>::min() && B == -1) throw EIntOverflow();
  return A / B;
}

} // namespace zk
