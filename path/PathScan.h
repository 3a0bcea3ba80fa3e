#pragma once
/// The scanners of SVG path data that `SetPathString` reads with, for
/// applications that read path-like text of their own (a number list, one
/// coordinate pair, a command run).
///
/// Every scanner takes the text and a 0-based cursor, advances the cursor past
/// what it consumed and never reads outside the text; a cursor at or past the
/// end reads nothing. Tab, line feed and carriage return count as blanks, as
/// a space does. "Separators" below means blanks with at most one comma among
/// them. The returned views point into the text.
#include <cstddef>
#include <string_view>

#include "runtime/Records.h"

namespace zk::PathScan {

/// After skipping blanks, the run of consecutive command letters of
/// "zmlchvsqtaZMLCHVSQTA" (possibly empty). "  zM5" from 0 gives "zM" and
/// leaves the cursor on the "5".
std::string_view GetTok(std::string_view S, std::size_t& Pos) noexcept;

/// One number's text, with separators skipped before and after: an optional
/// leading "-", digits, at most one ".", and "e"/"E" anywhere, each of which
/// may be followed directly by "-". Any other character ends it, so "10-5"
/// is two numbers, "1.5.5" is "1.5" and ".5", and "+5" gives "" without
/// moving past the "+". The text is not validated ("-", "1e" may come back).
std::string_view GetNum(std::string_view S, std::size_t& Pos) noexcept;

/// One arc flag's text, with separators skipped before and after: at most
/// one digit, which ends the flag, preceded by "." and a leading "-"; so
/// "0110" read as two flags gives "0" and "1" and leaves "10".
std::string_view GetDigit(std::string_view S, std::size_t& Pos) noexcept;

/// Two numbers (X, then Y) as `GetNum` scans them, with any run of commas and
/// blanks skipped before, between and after, converted with "." as the
/// decimal point and rounded to the nearest Single. At or past the end
/// returns (0, 0) without reading. Raises `EConvertError` for a text that is
/// not a number (also a missing Y) and `EOverflow` for a number beyond the
/// range of a Single; a number too small for a Single reads as 0. The cursor
/// has moved past both texts also when it raises.
TPointF GetPointFromStr(std::string_view S, std::size_t& Pos);

} // namespace zk::PathScan
