#pragma once
/// Channel values of the drawing routines: a computed channel back to a byte.
#include <cstdint>

namespace zk {

/// Value rounded to the nearest integer (exact halves to the even neighbour)
/// and clamped to 0..255: -3.2 -> 0, 254.5 -> 254, 255.5 -> 255, 1000 -> 255.
/// Any double converts to the parameter exactly. NaN gives 0 and infinities
/// clamp, so no input raises.
std::uint8_t DoubleToByte(long double Value) noexcept;

} // namespace zk
