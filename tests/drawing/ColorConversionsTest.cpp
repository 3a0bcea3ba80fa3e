// Colour records and blends: byte order of each record, rounding and clamping.
#include <gtest/gtest.h>

#include <limits>

#include "drawing/ColorChannels.h"
#include "drawing/ColorConversions.h"

namespace zk {
namespace {

TEST(ColorConversionsTest, ColorToTRGB_SplitsRawBytes) {
  EXPECT_EQ(ColorToTRGB(0x00336699), (TRGB{0x99, 0x66, 0x33}));
  EXPECT_EQ(RGBToColor(TRGB{0x99, 0x66, 0x33}), 0x00336699);
  // A system colour is split as it stands; the high byte never reaches RGBToColor.
  EXPECT_EQ(ColorToTRGB(clBtnFace), (TRGB{0x0F, 0, 0}));
  EXPECT_EQ(RGBToColor(ColorToTRGB(clBtnFace)), 0x0F);
}

TEST(ColorConversionsTest, PaletteAndQuad_SwapOrderAndDropFourthByte) {
  EXPECT_EQ(PaletteEntryToRGBQuad({10, 20, 30, 4}), (TRGBQuad{30, 20, 10, 0}));
  EXPECT_EQ(RGBQuadToPaletteEntry({30, 20, 10, 9}), (TPaletteEntry{10, 20, 30, 0}));
  TPaletteEntries Entries{};
  Entries[0] = {1, 2, 3, 7};
  Entries[255] = {200, 100, 50, 1};
  const TRGBQuads Quads = PaletteEntriesToRGBQuads(Entries);
  EXPECT_EQ(Quads[0], (TRGBQuad{3, 2, 1, 0}));
  EXPECT_EQ(Quads[255], (TRGBQuad{50, 100, 200, 0}));
  const TPaletteEntries Back = RGBQuadsToPaletteEntries(Quads);
  EXPECT_EQ(Back[0], (TPaletteEntry{1, 2, 3, 0}));
  EXPECT_EQ(Back[255], (TPaletteEntry{200, 100, 50, 0}));
}

TEST(ColorConversionsTest, DoubleToByte_RoundsHalfToEvenAndClamps) {
  const struct { long double Value; int Byte; } Cases[] = {
      {-3.2L, 0}, {-0.5L, 0}, {0.5L, 0}, {1.5L, 2}, {127.5L, 128}, {254.5L, 254},
      {255.5L, 255}, {1000, 255}, {1e300L, 255}, {-1e300L, 0},
      {std::numeric_limits<long double>::infinity(), 255},
      {std::numeric_limits<long double>::quiet_NaN(), 0}};
  for (const auto& C : Cases) EXPECT_EQ(DoubleToByte(C.Value), C.Byte) << static_cast<double>(C.Value);
}

TEST(ColorConversionsTest, InterpolateColor_BlendsPerChannel) {
  const struct { TColor A, B; float F; TColor Expected; } Cases[] = {
      {clBlack, clWhite, 0.5f, 0x808080},     // 127.5 to the even 128
      {0x010001, 0x020000, 0.5f, 0x020000},   // blue 1.5 -> 2, red 0.5 -> 0 (halves to even)
      {clRed, clBlue, 0.25f, 0x4000BF},
      {clBtnFace, clBlack, 0, 0xF0F0F0},      // system colours resolved by the default scheme
      {clBlack, clWhite, 2, clWhite},         // beyond 1: clamped per channel
      {clWhite, clBlack, 2, clBlack},
      {clRed, clBlue, std::numeric_limits<float>::quiet_NaN(), clBlack}};
  for (const auto& C : Cases) EXPECT_EQ(InterpolateColor(C.A, C.B, C.F), C.Expected) << C.F;
}

}  // namespace
}  // namespace zk
