#pragma once
/// The library's colour vocabulary: ten-colour lists, the named schemes that
/// components offer, and the colour of one step along a gradient through a
/// list of colours.
#include <array>
#include <cstdint>

#include "runtime/Colors.h"

namespace zk {

/// Exactly ten colours, indices 0 to 9.
using TColorList = std::array<TColor, 10>;

/// Each scheme but `csCustom` names the list of the same name below, in the
/// same order (`csDefaultColors` - `DefaultColorList`, ..., `csAntique` -
/// `AntiqueColorList`); the library itself never maps one to the other.
enum TZKColorScheme : std::uint8_t {
  csCustom, csDefaultColors, csPastels, csBlackandWhite, csGrays, csSouthwest, csReds, csGreens,
  csBlues, csViolets, csDystopia, csAntique
};

/// The ten colours of the default scheme.
inline constexpr TColorList DefaultColorList{0x000000FF, 0x00008000, 0x0000FFFF, 0x00FF0000,
                                             0x00800080, 0x00000080, 0x0000FF00, 0x00808000,
                                             0x00FF00FF, 0x00FFFF00};
/// The ten colours of the pastels scheme.
inline constexpr TColorList PastelsColorList{0x00E6D8AD, 0x008080F0, 0x00D2FAFA, 0x0090EE90,
                                             0x00C1B6FF, 0x007AA0FF, 0x00FFFFE0, 0x00FACE87,
                                             0x00DEC4B0, 0x00E0FFFF};
/// The black-and-white scheme: black and white, alternating.
inline constexpr TColorList BWColorList{0x00000000, 0x00FFFFFF, 0x00000000, 0x00FFFFFF,
                                        0x00000000, 0x00FFFFFF, 0x00000000, 0x00FFFFFF,
                                        0x00000000, 0x00FFFFFF};
/// The ten colours of the greys scheme.
inline constexpr TColorList GraysColorList{0x00000000, 0x00A9A9A9, 0x00808080, 0x00D3D3D3,
                                           0x00696969, 0x004F4F2F, 0x00998877, 0x00908070,
                                           0x00FFFFFF, 0x00808080};
/// The ten colours of the southwest scheme: desert yellows, oranges and reds.
inline constexpr TColorList SouthwestColorList{0x0000FFFF, 0x00008CFF, 0x000000FF, 0x005C5CCD,
                                               0x0000D7FF, 0x001E69D2, 0x007AA0FF, 0x002222B2,
                                               0x002D52A0, 0x008F8FBC};
/// The ten colours of the reds scheme: oranges and reds.
inline constexpr TColorList RedsColorList{0x00008CFF, 0x000000FF, 0x0000008B, 0x00000080,
                                          0x005C5CCD, 0x007280FA, 0x00507FFF, 0x004763FF,
                                          0x000045FF, 0x002222B2};
/// The ten colours of the greens scheme.
inline constexpr TColorList GreensColorList{0x00AAE8EE, 0x00008080, 0x002FFFAD, 0x0090EE90,
                                            0x00578B2E, 0x008CE6F0, 0x00008000, 0x0000FC7C,
                                            0x00AACD66, 0x000B86B8};
/// The ten colours of the blues scheme.
inline constexpr TColorList BluesColorList{0x00FF0000, 0x00FFFFE0, 0x00FACE87, 0x008B0000,
                                           0x00CCD148, 0x00FFFF00, 0x00E6E0B0, 0x00E16941,
                                           0x00701919, 0x00808000};
/// The ten colours of the violets scheme: violets, purples and pinks.
inline constexpr TColorList VioletsColorList{0x00D30094, 0x00CC3299, 0x00FF00FF, 0x008515C7,
                                             0x00E22B8A, 0x00DB7093, 0x009314FF, 0x00EE82EE,
                                             0x00DDA0DD, 0x00B469FF};
/// The ten colours of the dystopia scheme: steel greys and muted blues.
inline constexpr TColorList DystopiaColorList{0x00DEC4B0, 0x00998877, 0x00D3D3D3, 0x00B48246,
                                              0x00908070, 0x00C0C0C0, 0x008B3D48, 0x004F4F2F,
                                              0x00DCDCDC, 0x00A9A9A9};
/// The ten colours of the antique scheme.
inline constexpr TColorList AntiqueColorList{0x00808000, 0x00C0C0C0, 0x00EEF5FF, 0x00FAE6E6,
                                             0x008CE6F0, 0x00800080, 0x00E16941, 0x000B86B8,
                                             0x00AAE8EE, 0x002222B2};

/// The colour of step Index of a gradient of Count steps through every entry
/// of Colors, as a plain RGB value (high byte 0; entries are split as raw
/// $00BBGGRR values, system colours included).
///
/// With n colours the step width is S = Count / (n - 1); step Index lies in
/// segment k = Index div max(Round(S), 1) and gets Colors[k] moved toward
/// Colors[k + 1] by (Index - k * S + 1) / S of the way, each channel rounded
/// (halves to even) and clamped to 0..255. So with S = 1 the answer is
/// Colors[Index + 1], the colour one step ahead: IndexToColor(0, 20, {red,
/// blue}) is $000D00F2 (red 242, blue 13).
///
/// Never reads outside Colors: no colours give black and one colour gives
/// that colour; a segment at or past the last colour answers the last colour,
/// and one before the first (a negative Index) the first. A Count of 0 or
/// less has no step width to divide by and answers Colors[Index] clamped to
/// the list.
TColor IndexToColor(int Index, int Count, const TColors& Colors);

} // namespace zk
