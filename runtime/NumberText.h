#pragma once
/// The host's number text: format pictures, general float text and parsing,
/// all independent of the process locale unless a function says otherwise.
#include <string>
#include <string_view>

namespace zk {

/// The separators a number conversion uses.
struct TFormatSettings {
  /// Written before the fraction digits and the only decimal point parsing
  /// accepts; '.' unless a locale says otherwise.
  char DecimalSeparator = '.';
  /// Written between groups of three integer digits where a format picture
  /// asks for them (','); parsing does not accept it.
  char ThousandSeparator = ',';

  /// The settings of a named locale ("en-us", "de-de", ...), ignoring ASCII
  /// case and reading '_' as '-'. Unknown names give the "en-us" settings.
  /// Built from a small table, never from the C library's locale, so the
  /// answer is the same on every machine.
  static TFormatSettings Create(std::string_view LocaleName);
};

/// The fixed number format of geometry text ("." decimals), built once from
/// "en-us" (constant-initialised, so usable during static initialisation). Every number the library writes or reads in path, point and slice
/// text goes through it.
extern const TFormatSettings& USFormatSettings;

/// The process's own number format (its decimal separator comes from the C
/// locale of the process when first asked, `localeconv()`, and is then fixed;
/// a non-ASCII separator reads as '.'). Only the arc flags of path text and
/// the numeric grid sort use it.
const TFormatSettings& ProcessFormatSettings();

///@{
/// Formats Value by a picture of up to three sections "pos;neg;zero" with the
/// placeholders '0' and '#', one '.' for the decimal point, ',' for thousand
/// separators, "E+"/"E-" exponents and quoted literals. The value is taken
/// exactly (a Single 0.1 is 0.100000001490116...), reduced to 18 significant
/// digits, and rounded half away from zero at the picture's decimals
/// ("0.##" of 0.125 is "0.13"; "0" of 2.5 is "3"). A result that rounds to
/// zero never prints "-0": it takes the zero section, or the pos section when
/// there is none. An empty neg or zero section falls back to the pos section
/// (with a '-' for negatives); the neg section itself prints no '-'.
/// Integer digits beyond the picture's placeholders are all printed; '0'
/// placeholders pad ("000" of 5 is "005"), '#' ones do not ("#.##" of 0.5 is
/// ".5", of 0 is ""); the separator appears only before a printed fraction
/// digit. "E+"/"E-" followed by '0's (up to four count) prints scientific text
/// rounded to the picture's placeholder count of significant digits, the
/// exponent padded to the '0's; "E+" signs every exponent, "E-" only negative
/// ones ("0.00E+00" of 1234.5 is "1.23E+03"). Other characters, and the text
/// inside '"' or '\'' quotes, are copied. NaN and infinities print "NAN",
/// "INF", "-INF"; |Value| >= 1E18 without an exponent in the picture prints
/// `FloatToStr`. An empty picture or pos section prints `FloatToStr`. A
/// picture longer than `MaxFormatPictureLength` raises `EConvertError`.
/// Allocates nothing but the result; "0.#########" takes a fast path.
std::string FormatFloat(std::string_view Picture, long double Value,
                        const TFormatSettings& Settings = USFormatSettings);
inline constexpr std::size_t MaxFormatPictureLength = 255;
///@}

/// General float text with 15 significant digits, trailing zeros stripped:
/// fixed notation for 1E-4 <= |Value| < 1E15, otherwise "d.dddE[-]x" (no '+',
/// no leading exponent zeros). Zero prints "0"; NaN and infinities as above.
std::string FloatToStr(long double Value, const TFormatSettings& Settings = USFormatSettings);

/// Parses optional blanks, an optional sign, digits with at most one decimal
/// separator (at least one digit), an optional exponent ("e", "e+" and "e-"
/// without digits count as no exponent), optional blanks. Only ' ' is a blank.
/// No thousand separators, hex, "inf" or "nan". Out of range (beyond double)
/// fails; an underflow ("1e-400") reads as a signed zero. Returns false and
/// leaves Value alone on failure. Allocates nothing for texts up to 256
/// characters.
bool TryStrToFloat(std::string_view Text, double& Value,
                   const TFormatSettings& Settings = USFormatSettings) noexcept;

/// As `TryStrToFloat`, but a failure raises `EConvertError` with the message
/// "'<Text>' is not a valid floating point value".
double StrToFloat(std::string_view Text, const TFormatSettings& Settings = USFormatSettings);

} // namespace zk
