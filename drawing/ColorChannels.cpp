#include "drawing/ColorChannels.h"

#include "runtime/Rounding.h"

namespace zk {

std::uint8_t DoubleToByte(long double Value) noexcept {
  // Clamping first gives the same byte as rounding first (255.5 and 256 both
  // end at 255, -0.5 at 0) and keeps HostRound inside its range.
  if (!(Value > 0)) return 0;  // also NaN
  if (Value >= 255) return 255;
  return static_cast<std::uint8_t>(HostRound(Value));
}

} // namespace zk
