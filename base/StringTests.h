#pragma once
/// The host's text tests and ordering on UTF-8 text. Case is folded per
/// Unicode character with `ZKLowerCase` (never per byte), so "Émile" starts
/// with "é" when case is ignored. The `...Str` forms compare exactly.
#include <string>
#include <string_view>

namespace zk {

///@{
/// Text starts / ends with Sub (the sub-text comes first); an empty Sub is a
/// prefix and a suffix of every text.
bool AnsiStartsStr(std::string_view Sub, std::string_view Text);
/// Text starts with Sub, ignoring case.
bool AnsiStartsText(std::string_view Sub, std::string_view Text);
/// Text ends with Sub, exactly.
bool AnsiEndsStr(std::string_view Sub, std::string_view Text);
/// Text ends with Sub, ignoring case.
bool AnsiEndsText(std::string_view Sub, std::string_view Text);
///@}

///@{
/// Equality, exact (`AnsiSameStr`) or ignoring case (`AnsiSameText`,
/// `SameText`, which are one test here).
bool AnsiSameStr(std::string_view S1, std::string_view S2);
bool AnsiSameText(std::string_view S1, std::string_view S2);
bool SameText(std::string_view S1, std::string_view S2);
///@}

/// Orders two texts ignoring case by the collation of the process locale
/// (the environment's LC_COLLATE, read once; the "C" locale orders by code
/// point): negative, zero or positive. "A" < "b" < "c"; "10" < "100" < "9".
int AnsiCompareText(std::string_view S1, std::string_view S2);

/// The sort key of Text for `AnsiCompareText`: comparing two keys with
/// `std::string::compare` gives the sign `AnsiCompareText` gives for the
/// texts. Sorting many texts computes each key once instead of per compare.
std::string AnsiCompareTextKey(std::string_view Text);

} // namespace zk
