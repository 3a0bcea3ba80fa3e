#pragma once
/// Internals of the path text: the scanners of SVG path data and the fast
/// writer of one number in the default picture. Not installed.
#include <cstddef>
#include <string_view>

#include "runtime/Records.h"

namespace zk::PathScan {

// Every scanner takes the text and a 0-based cursor, advances the cursor past
// what it consumed and never reads outside the text. Tab, line feed and
// carriage return count as blanks, as a space does. "Skipping separators"
// below means: blanks, and at most one comma among them.

/// True for the twenty command letters "zmlchvsqtaZMLCHVSQTA".
bool IsCommandLetter(char C) noexcept;

/// After skipping blanks, the run of consecutive command letters (possibly
/// empty). Empty when the cursor is at or past the end.
std::string_view GetTok(std::string_view S, std::size_t& Pos) noexcept;

/// One number's text, with separators skipped before and after: an optional
/// leading "-", digits, at most one ".", and "e"/"E" anywhere, each of which
/// may be followed directly by "-". Any other character ends it, so "10-5"
/// is two numbers and "1.5.5" is "1.5" and ".5". The text is not validated.
std::string_view GetNum(std::string_view S, std::size_t& Pos) noexcept;

/// One arc flag's text, with separators skipped before and after: at most
/// one digit, which ends the flag, preceded by "." and a leading "-"; so
/// "0110" read as two flags gives "0" and "1".
std::string_view GetDigit(std::string_view S, std::size_t& Pos) noexcept;

/// Two numbers (X, then Y) with any run of commas and blanks skipped before,
/// between and after, converted under `USFormatSettings`. At or past the end
/// returns (0, 0) without reading. Raises `EConvertError` for a text that is
/// not a number and `EOverflow` for a number beyond the range of a Single;
/// a number too small for a Single reads as 0.
TPointF GetPointFromStr(std::string_view S, std::size_t& Pos);

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

} // namespace zk::PathScan
