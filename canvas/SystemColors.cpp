#include "canvas/SystemColors.h"

#include <array>

namespace zk {

namespace {
// $00BBGGRR values of the classic scheme, by system colour index 0..30.
constexpr std::array<TColor, 31> ClassicScheme = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
} // namespace

TColor DefaultSystemColor(int Index) noexcept {
  if (Index < 0 || Index >= static_cast<int>(ClassicScheme.size())) return clBlack;
  return ClassicScheme[static_cast<std::size_t>(Index)];
}

TColor ColorToRGB(TColor Color) noexcept {
  return Color < 0 ? DefaultSystemColor(Color & 0xFF) : Color;
}

} // namespace zk
