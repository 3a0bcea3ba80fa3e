#pragma once
/// Internals of the path text: the converting scanner of the parser and the
/// fast writer of one number in the default picture. Not installed.
#include <cstddef>
#include <string_view>

#include "path/PathScan.h"

namespace zk::PathScan {

/// One coordinate text converted to a Single, with the errors of
/// `GetPointFromStr`.
float ToSingle(std::string_view Text);

/// A number scanned as `GetNum` does, with its value when the text is a
/// short decimal (at most 15 digits, no exponent) that was converted exactly
/// while it was scanned.
struct ScannedNumber {
  std::string_view Text;
  float Value = 0;
  bool Exact = false;
};
ScannedNumber ScanCoordinate(std::string_view S, std::size_t& Pos) noexcept;

/// The value of a scanned number: its exact value, or `ToSingle` of its text.
float ToSingle(const ScannedNumber& N);

/// The longest text `WriteDefaultNumber` writes.
inline constexpr std::size_t MaxDefaultNumberText = 20;

/// Writes Value exactly as `FormatFloat("0.#########", Value)` does (nine
/// decimals rounded half away from zero from the exact value, no trailing
/// zeros, no "-0") into Out and returns the end; returns nullptr, writing
/// nothing, for the values it leaves to `FormatFloat` (1E18 and above in
/// magnitude, NaN and infinities).
char* WriteDefaultNumber(float Value, char* Out) noexcept;

/// The longest text `WriteShortestNumber` writes ("-1.1754943508222875e-38").
inline constexpr std::size_t MaxShortestNumberText = 24;

/// Writes the shortest text that this library's readers turn back into
/// Value (see `TZKPathNumbers::Shortest`) into Out and returns the end;
/// returns nullptr, writing nothing, for NaN and infinities.
char* WriteShortestNumber(float Value, char* Out) noexcept;

} // namespace zk::PathScan
