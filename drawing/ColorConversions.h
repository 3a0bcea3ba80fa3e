#pragma once
/// Conversions between the colour records the drawing routines meet: the
/// 32-bit `TColor` ($00BBGGRR), a three-byte RGB record, palette entries and
/// bitmap colour-table entries. The split of a colour into bytes (`TRGB`,
/// `ColorToTRGB`, `RGBToColor`) comes from drawing/ColorChannels.h, where the
/// gradients use it; the 16-bit-per-channel gradient vertex (`TTriVertex`) is
/// the device context's, in canvas/DeviceContext.h.
#include <array>
#include <cstdint>

#include "canvas/DeviceContext.h"
#include "drawing/ColorChannels.h"
#include "runtime/Colors.h"
#include "runtime/Set.h"

namespace zk {

/// A palette entry as the platform stores it: red, green, blue, flags, one
/// byte each (all zero by default).
struct TPaletteEntry {
  std::uint8_t peRed = 0;    ///< red, 0..255
  std::uint8_t peGreen = 0;  ///< green, 0..255
  std::uint8_t peBlue = 0;   ///< blue, 0..255
  std::uint8_t peFlags = 0;  ///< how the palette uses the entry; no conversion here keeps it
  friend constexpr bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};
static_assert(sizeof(TPaletteEntry) == 4);

/// A bitmap colour-table entry: blue, green, red, reserved, one byte each
/// (all zero by default).
struct TRGBQuad {
  std::uint8_t rgbBlue = 0;      ///< blue, 0..255
  std::uint8_t rgbGreen = 0;     ///< green, 0..255
  std::uint8_t rgbRed = 0;       ///< red, 0..255
  std::uint8_t rgbReserved = 0;  ///< 0 in a colour table; no conversion here keeps it
  friend constexpr bool operator==(const TRGBQuad&, const TRGBQuad&) = default;
};
static_assert(sizeof(TRGBQuad) == 4);

/// A full 256-entry palette, indexed by the 8-bit pixel value.
using TPaletteEntries = std::array<TPaletteEntry, 256>;
/// A pointer to a full palette.
using PPaletteEntries = TPaletteEntries*;
/// A full 256-entry bitmap colour table, indexed by the 8-bit pixel value.
using TRGBQuads = std::array<TRGBQuad, 256>;

///@{
/// The pixel formats of a bitmap; `TPixelFormats` is declared for callers.
enum TPixelFormat : std::uint8_t {
  pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom
};
using TPixelFormats = TSet<TPixelFormat, 9>;
///@}

/// The same colour with the flags byte dropped (reserved := 0).
constexpr TRGBQuad PaletteEntryToRGBQuad(const TPaletteEntry& Entry) noexcept {
  return {Entry.peBlue, Entry.peGreen, Entry.peRed, 0};
}
/// The same colour with the reserved byte dropped (flags := 0).
constexpr TPaletteEntry RGBQuadToPaletteEntry(const TRGBQuad& Quad) noexcept {
  return {Quad.rgbRed, Quad.rgbGreen, Quad.rgbBlue, 0};
}
/// `PaletteEntryToRGBQuad` of each entry, index for index.
TRGBQuads PaletteEntriesToRGBQuads(const TPaletteEntries& Entries) noexcept;
/// `RGBQuadToPaletteEntry` of each quad, index for index.
TPaletteEntries RGBQuadsToPaletteEntries(const TRGBQuads& Quads) noexcept;

/// The per-channel blend (1 - Fraction) * Color1 + Fraction * Color2, each
/// channel rounded to nearest with halves to even (black and white at 0.5
/// give $808080). System colours are first resolved by the classic scheme
/// that canvases use by default. A Fraction outside 0..1 extrapolates and each
/// channel is clamped to 0..255; a NaN Fraction gives black.
TColor InterpolateColor(TColor Color1, TColor Color2, float Fraction) noexcept;

} // namespace zk
