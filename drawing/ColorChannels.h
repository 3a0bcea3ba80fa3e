#pragma once
/// A colour's channels as the drawing routines compute with them: the bytes
/// of a `TColor` and a computed channel back to a byte.
#include <cstdint>

#include "runtime/Colors.h"

namespace zk {

/// A colour split into bytes, red first, three bytes without padding (black
/// by default).
struct TRGB {
  std::uint8_t R = 0;  ///< red, 0..255
  std::uint8_t G = 0;  ///< green, 0..255
  std::uint8_t B = 0;  ///< blue, 0..255
  friend constexpr bool operator==(const TRGB&, const TRGB&) = default;
};
/// A pointer to a `TRGB`, for rows of pixels walked three bytes at a time.
using PRGB = TRGB*;
static_assert(sizeof(TRGB) == 3);

/// The bytes of the raw value: R bits 0-7, G bits 8-15, B bits 16-23; the
/// high byte is ignored, so a system colour is split as it stands
/// ($FF00000F gives R $0F). `zk::ColorToRGB` (canvas/SystemColors.h), the
/// host conversion that resolves system colours, keeps the plain name.
constexpr TRGB ColorToTRGB(TColor Color) noexcept {
  const auto Raw = static_cast<std::uint32_t>(Color);
  return {static_cast<std::uint8_t>(Raw & 0xFF), static_cast<std::uint8_t>((Raw >> 8) & 0xFF),
          static_cast<std::uint8_t>((Raw >> 16) & 0xFF)};
}
/// R in bits 0-7, G in 8-15, B in 16-23, high byte 0.
constexpr TColor RGBToColor(const TRGB& RGB) noexcept {
  return static_cast<TColor>(RGB.R | RGB.G << 8 | RGB.B << 16);
}

/// Value rounded to the nearest integer (exact halves to the even neighbour)
/// and clamped to 0..255: -3.2 -> 0, 254.5 -> 254, 255.5 -> 255, 1000 -> 255.
/// Any double converts to the parameter exactly. NaN gives 0 and infinities
/// clamp, so no input raises.
std::uint8_t DoubleToByte(long double Value) noexcept;

} // namespace zk
