#pragma once
/// The few base-package helpers the library uses: character tests, the
/// integer rectangle scaling and text comparisons by option.
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/Records.h"

namespace zk {

/// True exactly for the characters '0' to '9' (no other Unicode digits).
constexpr bool ZKIsDigit(char32_t C) noexcept { return C >= U'0' && C <= U'9'; }

/// A set of 8-bit characters.
using TCharSet = std::bitset<256>;

/// Builds a character set from the characters of Chars ("abc" -> {a, b, c}).
TCharSet MakeCharSet(std::string_view Chars);

/// True when C is a member of Chars; characters above 255 never are.
bool ZKCharInSet(char32_t C, const TCharSet& Chars) noexcept;

/// True when C is one of the first Count characters of Chars (Count is
/// clamped to the array's length; a negative Count matches nothing).
bool ZKCharInSet(char32_t C, std::u32string_view Chars, int Count) noexcept;

/// The Unicode character whose UTF-8 starts at Text[I] (I < Text.size()),
/// with I moved past it. A byte that starts no valid sequence is one
/// character of its own, decoded as 0xDC00 + the byte so that it never equals
/// a real character.
char32_t DecodeUtf8(std::string_view Text, std::size_t& I) noexcept;

/// R grown about its centre: DX div 2 off Left and onto Right, DY div 2 off
/// Top and onto Bottom (negative amounts shrink). Sums wrap in 32 bits.
TRect ScaleRect(const TRect& R, int DX, int DY) noexcept;

/// The text tests a comparison function can make.
enum TCompareStringsOption : std::uint8_t { csoStartsWith, csoEndsWith, csoContains, csoEquals };

///@{
/// A comparison called as (S, T): T starts with S, T ends with S, T contains S
/// or T equals S, by Option, with or without case. The option is stored in a
/// byte so that any ordinal is valid; ordinals past `csoEquals` mean equality.
/// Text is UTF-8; case is folded per Unicode character (`ZKLowerCase`),
/// never per byte.
using TStrCompareFunction = std::function<bool(std::string_view S, std::string_view T)>;
TStrCompareFunction GetStrCompareFunction(bool CaseSensitive, TCompareStringsOption Option);
///@}

///@{
/// T contains S, case-sensitive (`Str`) or not (`Text`). An empty S is in
/// every text.
bool ZKAnsiContainsStr(std::string_view S, std::string_view T);
bool ZKAnsiContainsText(std::string_view S, std::string_view T);
///@}

/// The text with every letter in lower case, per Unicode character (the C
/// library's simple lower-case mapping of every script, from its UTF-8 "C"
/// locale; where that locale is missing, a table of Latin, Greek and Cyrillic
/// letters); invalid UTF-8 bytes are kept as they are.
std::string ZKLowerCase(std::string_view Text);

} // namespace zk
