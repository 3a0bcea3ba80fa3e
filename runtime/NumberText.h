#pragma once
/// The host's number text: format pictures, general float text and parsing,
/// all independent of the process locale unless a function says otherwise.
#include <string>
#include <string_view>

namespace zk {

/// The separators a number conversion uses.
struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';

  /// The settings of a named locale ("en-us", "de-de", ...). Unknown names
  /// give the "en-us" settings. Built from a small table, never from the C
  /// library's locale, so the answer is the same on every machine.
  static TFormatSettings Create(std::string_view LocaleName);
};

/// The fixed number format of geometry text ("." decimals), built once from
/// "en-us". Every number the library writes or reads in path, point and slice
/// text goes through it.
extern const TFormatSettings& USFormatSettings;

/// The process's own number format (its decimal separator comes from the C
/// locale of the process when first asked). Only the arc flags of path text
/// and the numeric grid sort use it.
const TFormatSettings& ProcessFormatSettings();

/// Formats Value by a picture of up to three sections "pos;neg;zero" with the
/// placeholders '0' and '#', one '.' for the decimal point, ',' for thousand
/// separators, "E+"/"E-" exponents and quoted literals. The value is taken
/// exactly (a Single 0.1 is 0.100000001490116...), reduced to 18 significant
/// digits, and rounded half away from zero at the picture's decimals
/// ("0.##" of 0.125 is "0.13"; "0" of 2.5 is "3"). A result that rounds to
/// zero never prints "-0". NaN and infinities print "NAN", "INF", "-INF";
/// |Value| >= 1E18 without an exponent in the picture prints `FloatToStr`.
/// An empty picture prints `FloatToStr`. A picture longer than
/// `MaxFormatPictureLength` raises `EConvertError`.
std::string FormatFloat(std::string_view Picture, long double Value,
                        const TFormatSettings& Settings = USFormatSettings);
inline constexpr std::size_t MaxFormatPictureLength = 255;

/// General float text with 15 significant digits, trailing zeros stripped:
/// fixed notation for 1E-4 <= |Value| < 1E15, otherwise "d.dddE[-]x" (no '+',
/// no leading exponent zeros). Zero prints "0"; NaN and infinities as above.
std::string FloatToStr(long double Value, const TFormatSettings& Settings = USFormatSettings);

/// Parses optional blanks, an optional sign, digits with at most one decimal
/// separator (at least one digit), an optional exponent ("e", "e+" and "e-"
/// without digits count as no exponent), optional blanks. Only ' ' is a blank.
/// No thousand separators, hex, "inf" or "nan". Out of range (beyond double)
/// fails. Returns false and leaves Value alone on failure.
bool TryStrToFloat(std::string_view Text, double& Value,
                   const TFormatSettings& Settings = USFormatSettings) noexcept;

/// As `TryStrToFloat`, but a failure raises `EConvertError` with the message
/// "'<Text>' is not a valid floating point value".
double StrToFloat(std::string_view Text, const TFormatSettings& Settings = USFormatSettings);

} // namespace zk
