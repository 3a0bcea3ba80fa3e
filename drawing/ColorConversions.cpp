#include "drawing/ColorConversions.h"

#include "canvas/SystemColors.h"
#include "drawing/ColorChannels.h"

namespace zk {

TRGBQuads PaletteEntriesToRGBQuads(const TPaletteEntries& Entries) noexcept {
  TRGBQuads Quads;
  for (std::size_t I = 0; I < Entries.size(); ++I) Quads[I] = PaletteEntryToRGBQuad(Entries[I]);
  return Quads;
}

TPaletteEntries RGBQuadsToPaletteEntries(const TRGBQuads& Quads) noexcept {
  TPaletteEntries Entries;
  for (std::size_t I = 0; I < Quads.size(); ++I) Entries[I] = RGBQuadToPaletteEntry(Quads[I]);
  return Entries;
}

TColor InterpolateColor(TColor Color1, TColor Color2, float Fraction) noexcept {
  const TRGB C1 = ColorToTRGB(ColorToRGB(Color1));
  const TRGB C2 = ColorToTRGB(ColorToRGB(Color2));
  const long double F = Fraction;
  const auto Blend = [F](std::uint8_t A, std::uint8_t B) {
    return DoubleToByte((1 - F) * A + F * B);
  };
  return RGBToColor({Blend(C1.R, C2.R), Blend(C1.G, C2.G), Blend(C1.B, C2.B)});
}

} // namespace zk
