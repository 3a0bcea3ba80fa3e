// FormatFloat, FloatToStr and TryStrToFloat/StrToFloat against the worked
// examples of the host's number text, plus garbage input.
#include "runtime/NumberText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "runtime/Exceptions.h"

namespace zk {
namespace {

std::string RowName(std::string_view Name) {
  std::string S;
  for (char C : Name) S += (std::isalnum(static_cast<unsigned char>(C)) ? C : '_');
  return S;
}

// ---------------------------------------------------------------------------
// FormatFloat
// ---------------------------------------------------------------------------
struct FormatCase {
  const char* Name;
  const char* Picture;
  long double Value;
  const char* Expected;
};

const FormatCase kFormatCases[] = {
    // the host's worked examples
    {"Single0_1_NineHashes", "0.#########", 0.1f, "0.100000001"},
    {"Quarter_NineHashes", "0.#########", 0.25, "0.25"},
    {"Two_NineHashes", "0.#########", 2, "2"},
    {"MinusTwo_NineHashes", "0.#########", -2, "-2"},
    {"Single0_3_NineHashes", "0.#########", 0.3f, "0.300000012"},
    {"SingleThird_NineHashes", "0.#########", 1.0f / 3.0f, "0.333333343"},
    {"Single123_45_TwoHashes", "0.##", 123.45f, "123.45"},
    {"Eighth_RoundsHalfAwayFromZero", "0.##", 0.125, "0.13"},
    {"TwoAndHalf_RoundsUp", "0", 2.5, "3"},
    {"MinusTwoAndHalf_RoundsAwayFromZero", "0", -2.5, "-3"},
    {"Half_ZeroPicture_GivesOne", "0", 0.5, "1"},
    {"NegativeZero_NoMinus", "0.#########", -0.0, "0"},
    {"TinyPositive_IsZero", "0.#########", 1e-12, "0"},
    {"TinyNegative_NoMinus", "0.#########", -1e-12, "0"},
    {"Single0_1_TwentyHashes_18Digits", "0.####################", 0.1f, "0.100000001490116119"},
    {"Single1e20_GeneralFormat", "0.#########", 1e20f, "1.00000002004088E20"},
    {"OneE18_GeneralFormat", "0.#########", 1e18, "1E18"},
    {"JustBelow1E18_Fixed", "0", 999999999999999872.0, "999999999999999872"},
    // integer and fraction placeholders
    {"Half_ZeroBeforePoint", "0.##", 0.5, "0.5"},
    {"Half_HashBeforePoint_NoLeadingZero", "#.##", 0.5, ".5"},
    {"Zero_AllHashes_Empty", "#.##", 0, ""},
    {"Five_ZeroPadded", "000", 5, "005"},
    {"Half_RequiredFractionZeros", "0.00", 0.5, "0.50"},
    {"Two_NoSeparatorWithoutFraction", "0.##", 2, "2"},
    {"OnePointFive_TwoHashes", "0.##", 1.5, "1.5"},
    {"Carry_AddsIntegerDigit", "0.##", 9.999, "10"},
    {"Carry_OnFractionOnlyPicture", "#.#", 0.96, "1"},
    {"SurplusIntegerDigits", "0.0", 12345.67, "12345.7"},
    {"Hundredth_LeadingFractionZero", "0.00", 0.05, "0.05"},
    {"SmallValue_RoundsToZero", "0.0", 0.04, "0.0"},
    {"SmallNegative_RoundsToZero_NoMinus", "0.0", -0.04, "0.0"},
    {"Extended0_1_FiveDigits", "0.#####", 0.1L, "0.1"},
    {"Extended0_1_TwentyHashes", "0.####################", 0.1L, "0.1"},
    {"EmptyPicture_FloatToStr", "", 1.5, "1.5"},
    // sections
    {"Sections_Positive", "0.0;(0.0);zero", 1.25, "1.3"},
    {"Sections_Negative_NoMinus", "0.0;(0.0);zero", -1.25, "(1.3)"},
    {"Sections_Zero", "0.0;(0.0);zero", 0, "zero"},
    {"Sections_NegativeRoundsToZero_UsesZeroSection", "0.0;(0.0);zero", -0.01, "zero"},
    {"Sections_PositiveRoundsToZero_UsesZeroSection", "0.0;(0.0);zero", 0.01, "zero"},
    {"Sections_EmptyNegative_FallsBackWithMinus", "0.0;;zero", -1.25, "-1.3"},
    {"Sections_EmptyZero_FallsBackToPos", "0.0;(0.0);", 0, "0.0"},
    {"Sections_NegRoundsToZero_NoZeroSection_UsesPos", "0.0;(0.0)", -0.01, "0.0"},
    {"Sections_EmptyPos_FloatToStr", ";(0.0)", 1.25, "1.25"},
    {"Sections_QuotedSemicolonIsLiteral", "0';'0", 12, "1;2"},
    // thousand separators
    {"Thousands_Grouped", "#,##0", 1234567, "1,234,567"},
    {"Thousands_WithDecimals", "#,##0.00", 1234.5, "1,234.50"},
    {"Thousands_Small", "#,##0", 5, "5"},
    {"Thousands_Negative", "#,##0", -1234, "-1,234"},
    {"Thousands_CommaAnywhere", "0,", 1234567, "1,234,567"},
    // literals
    {"Literal_DoubleQuoted", "0.0\" mm\"", 2.25, "2.3 mm"},
    {"Literal_SingleQuoted", "'x='0", 7, "x=7"},
    {"Literal_Unquoted", "0.0 kg", 3, "3.0 kg"},
    {"Literal_PlaceholdersInsideQuotes", "\"0#.,\"0", 4, "0#.,4"},
    {"Literal_Unterminated", "0\"abc", 4, "4abc"},
    {"Literal_BetweenDigits", "00-00", 1234, "12-34"},
    {"NoPlaceholders_NumberAtEnd", "x", 5, "x5"},
    // scientific pictures
    {"Scientific_Plus", "0.00E+00", 1234.5, "1.23E+03"},
    {"Scientific_PlusNegativeExponent", "0.00E+00", 0.00012345, "1.23E-04"},
    {"Scientific_MinusPositiveExponent", "0.00E-00", 1234.5, "1.23E03"},
    {"Scientific_MinusNegativeExponent", "0.00E-0", 0.00012345, "1.23E-4"},
    {"Scientific_Zero", "0.00E+00", 0, "0.00E+00"},
    {"Scientific_Carry", "0.0E+0", 9.96, "1.0E+1"},
    {"Scientific_TwoIntegerPlaces", "00.0E+0", 1234, "12.3E+2"},
    {"Scientific_LowerCase", "0.0e+0", 25, "2.5e+1"},
    {"Scientific_Negative", "0.0E+00", -25, "-2.5E+01"},
    {"Scientific_Huge", "0.0E+0", 1e300, "1.0E+300"},
    {"Scientific_HashFraction", "0.##E+0", 1500, "1.5E+3"},
    {"ELetterWithoutSign_IsLiteral", "0E", 5, "5E"},
    // non-finite
    {"NaN", "0.##", std::numeric_limits<double>::quiet_NaN(), "NAN"},
    {"PlusInfinity", "0.##", std::numeric_limits<double>::infinity(), "INF"},
    {"MinusInfinity", "0.##", -std::numeric_limits<double>::infinity(), "-INF"},
};

class FormatFloatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatTest, Formats_ByPicture) {
  const FormatCase& C = GetParam();
  EXPECT_EQ(FormatFloat(C.Picture, C.Value), C.Expected) << "picture '" << C.Picture << "'";
}

INSTANTIATE_TEST_SUITE_P(Table, FormatFloatTest, ::testing::ValuesIn(kFormatCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FormatFloatTest, PointText_UsesSingleDigits) {
  // Point text: ZKPointToString((0.1, 0), "0.#########") = "(0.100000001,0)".
  const std::string Text = "(" + FormatFloat("0.#########", 0.1f) + "," + FormatFloat("0.#########", 0.0f) + ")";
  EXPECT_EQ(Text, "(0.100000001,0)");
  EXPECT_EQ("(" + FormatFloat("0.##", 1.5f) + "," + FormatFloat("0.##", -2.0f) + ")", "(1.5,-2)");
}

TEST(FormatFloatTest, CommaLocale_UsesItsSeparators) {
  const TFormatSettings De = TFormatSettings::Create("de-DE");
  EXPECT_EQ(FormatFloat("0.##", 1.5, De), "1,5");
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, De), "1.234,50");
  EXPECT_EQ(FormatFloat("#,##0", 1234567, TFormatSettings::Create("fr-fr")), "1 234 567");
}

TEST(FormatFloatTest, OverLongPicture_RaisesConvertError) {
  EXPECT_NO_THROW(FormatFloat(std::string(MaxFormatPictureLength, '#'), 1.0));
  EXPECT_THROW(FormatFloat(std::string(MaxFormatPictureLength + 1, '#'), 1.0), EConvertError);
}

TEST(FormatFloatTest, SetFormatStrProbe_123_45) {
  // A path tries a new picture on 123.45 before storing it.
  EXPECT_EQ(FormatFloat("0.#########", 123.45f), "123.449996948");
  EXPECT_EQ(FormatFloat("0.##", 123.45), "123.45");
}

// The "0.###" family has a fast path; a trailing ';' (an empty negative
// section, which falls back to the positive one) sends the same picture
// through the general formatter, so the two must agree.
TEST(FormatFloatTest, FastPath_MatchesGeneralFormatter) {
  const char* Pictures[] = {"0", "0.", "0.#", "0.##", "0.#########", "0.#################"};
  const long double Values[] = {0, -0.0, 0.1f, -0.1f, 0.5, -0.5, 2.5, 0.125, 0.05, 0.95, 9.96, 99.5,
                                123.45f, 1.0f / 3.0f, 1e-5, 4.9999e-10, 5e-10, -5e-10, 1e17, 9.999e17,
                                999999999999999872.0, 1e18, -1e18, 1e20f, 0.1L, 65535.99999f,
                                std::numeric_limits<float>::min(), std::numeric_limits<double>::denorm_min()};
  for (const char* P : Pictures)
    for (long double V : Values)
      EXPECT_EQ(FormatFloat(P, V), FormatFloat(std::string(P) + ";", V)) << P << " " << static_cast<double>(V);
  const TFormatSettings De = TFormatSettings::Create("de-de");
  EXPECT_EQ(FormatFloat("0.##", -1.5, De), "-1,5");
  EXPECT_EQ(FormatFloat("0.##", -1.5, De), FormatFloat("0.##;", -1.5, De));
}

// Worst-case pictures for the output buffer: every character printing as much
// as it can, at the maximum length. Run under AddressSanitizer.
TEST(FormatFloatTest, WorstCasePictures_AreSafe) {
  std::string Exponents;
  while (Exponents.size() + 3 <= MaxFormatPictureLength) Exponents += "0E-";
  std::string Grouped = "#";
  while (Grouped.size() + 2 <= MaxFormatPictureLength) Grouped += ",0";
  std::string Quotes(MaxFormatPictureLength, '"');
  const std::string Pictures[] = {Exponents, Grouped, Quotes, std::string(MaxFormatPictureLength, '0'),
                                  "." + std::string(MaxFormatPictureLength - 1, '0'),
                                  std::string(MaxFormatPictureLength, ';'), std::string(MaxFormatPictureLength, 'E')};
  const long double Values[] = {0, -0.0, 1e-4950L, -1e4930L, 123456789012345678.0L, -0.5, 1e17, 0.1f,
                                std::numeric_limits<long double>::denorm_min()};
  for (const std::string& P : Pictures)
    for (long double V : Values) EXPECT_NO_THROW(FormatFloat(P, V)) << P;
  EXPECT_EQ(FormatFloat(std::string(20, '0'), 5), "00000000000000000005");
}

// ---------------------------------------------------------------------------
// FloatToStr
// ---------------------------------------------------------------------------
struct FloatToStrCase {
  const char* Name;
  long double Value;
  const char* Expected;
};

const FloatToStrCase kFloatToStrCases[] = {
    {"Ten", 10, "10"},
    {"OnePointFive", 1.5, "1.5"},
    {"OneThird", 1.0 / 3.0, "0.333333333333333"},
    {"PointOnePlusPointTwo", 0.1 + 0.2, "0.3"},
    {"FifteenDigitInteger_Fixed", 123456789012345.0, "123456789012345"},
    {"SixteenDigitInteger_Scientific", 1234567890123456.0, "1.23456789012346E15"},
    {"OneE15", 1e15, "1E15"},
    {"OneE20", 1e20, "1E20"},
    {"OneE100", 1e100, "1E100"},
    {"OneE_4_Fixed", 0.0001, "0.0001"},
    {"OneE_5_Scientific", 0.00001, "1E-5"},
    {"MinusTwoPointFiveE_7", -2.5e-7, "-2.5E-7"},
    {"Single0_1", 0.1f, "0.100000001490116"},
    {"Zero", 0, "0"},
    {"NegativeZero", -0.0, "0"},
    {"Negative", -1.5, "-1.5"},
    {"RoundsUpTo1E15", 999999999999999.9, "1E15"},
    {"NaN", std::numeric_limits<double>::quiet_NaN(), "NAN"},
    {"PlusInfinity", std::numeric_limits<double>::infinity(), "INF"},
    {"MinusInfinity", -std::numeric_limits<double>::infinity(), "-INF"},
    {"LargestExtended", std::numeric_limits<long double>::max(), "1.18973149535723E4932"},
};

class FloatToStrTest : public ::testing::TestWithParam<FloatToStrCase> {};

TEST_P(FloatToStrTest, GeneralFormat_15Digits) {
  EXPECT_EQ(FloatToStr(GetParam().Value), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FloatToStrTest, ::testing::ValuesIn(kFloatToStrCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FloatToStrTest, TenCosRightAngle_IsTinyNotZero) {
  // Arc slice text (3.6): 10*cos(90 degrees) computed in double.
  EXPECT_EQ(FloatToStr(10 * std::cos(std::numbers::pi / 2)), "6.12323399573677E-16");
}

TEST(FloatToStrTest, CommaLocale_UsesItsSeparator) {
  EXPECT_EQ(FloatToStr(1.5, TFormatSettings::Create("de-de")), "1,5");
  EXPECT_EQ(FloatToStr(2.5e-7, TFormatSettings::Create("de-de")), "2,5E-7");
}

// ---------------------------------------------------------------------------
// TryStrToFloat / StrToFloat
// ---------------------------------------------------------------------------
struct ParseCase {
  const char* Name;
  const char* Text;
  double Expected;
};

const ParseCase kAccepted[] = {
    {"Decimal", "1.5", 1.5},
    {"LeadingBlank", " 2.5", 2.5},
    {"TrailingBlanks", "2.5  ", 2.5},
    {"PlusSign", "+3", 3},
    {"MinusLeadingPoint", "-.5", -0.5},
    {"LeadingPoint", ".5", 0.5},
    {"TrailingPoint", "5.", 5},
    {"Exponent", "1e3", 1000},
    {"UpperExponentNegative", "1E-5", 1e-5},
    {"ExponentPlus", "1e+2", 100},
    {"DanglingE", "1e", 1},
    {"DanglingEPlus", "1e+", 1},
    {"DanglingEMinus", "2.5E-", 2.5},
    {"Zero", "0", 0},
    {"LeadingZeros", "007", 7},
    {"HugeExponentOfZero", "0e99999999999999999999", 0},
    {"Underflow_IsZero", "1e-400", 0},
    {"Subnormal", "1e-320", 1e-320},
    {"DoubleMax", "1.7976931348623157e308", 1.7976931348623157e308},
    {"LongFraction", "0.1000000000000000000000000000000000001", 0.1},
};

class TryStrToFloatAcceptTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TryStrToFloatAcceptTest, Accepts_Text) {
  double V = -42;
  ASSERT_TRUE(TryStrToFloat(GetParam().Text, V)) << "'" << GetParam().Text << "'";
  EXPECT_EQ(V, GetParam().Expected);
  EXPECT_EQ(StrToFloat(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TryStrToFloatAcceptTest, ::testing::ValuesIn(kAccepted),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct RejectCase {
  const char* Name;
  std::string Text;
};

const RejectCase kRejected[] = {
    {"Empty", ""},
    {"Blank", " "},
    {"Letters", "abc"},
    {"SignOnly", "-"},
    {"PointOnly", "."},
    {"SignPoint", "-."},
    {"CommaDecimal", "1,5"},
    {"ThousandSeparator", "1,000.5"},
    {"InnerBlank", "1 000"},
    {"BlanksAroundExponent", "10 E 2"},
    {"TwoPoints", "1.2.3"},
    {"DoubleSign", "--1"},
    {"PlusMinus", "+-1"},
    {"DollarHex", "$FF"},
    {"CHex", "0x10"},
    {"Infinity", "inf"},
    {"InfinityWord", "Infinity"},
    {"NaN", "nan"},
    {"ExponentOnly", "e5"},
    {"PointExponent", ".e5"},
    {"ExponentSignTwice", "1e+-2"},
    {"ExponentFraction", "1e2.5"},
    {"TrailingGarbage", "1.5x"},
    {"Tab", "\t1"},
    {"Newline", "1\n"},
    {"NulInside", std::string("1\0" "2", 3)},
    {"Overflow", "1e400"},
    {"OverflowNegative", "-1e400"},
    {"OverflowLongDigits", std::string(400, '9')},
    {"OverflowHugeExponent", "1e99999999999999999999"},
    {"LongGarbage", std::string(1000, '.')},
};

class TryStrToFloatRejectTest : public ::testing::TestWithParam<RejectCase> {};

TEST_P(TryStrToFloatRejectTest, Rejects_TextAndLeavesValue) {
  double V = -42;
  EXPECT_FALSE(TryStrToFloat(GetParam().Text, V));
  EXPECT_EQ(V, -42);
  EXPECT_THROW(StrToFloat(GetParam().Text), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Table, TryStrToFloatRejectTest, ::testing::ValuesIn(kRejected),
                         [](const auto& Info) { return RowName(Info.param.Name); });

TEST(StrToFloatTest, Error_QuotesTheText) {
  try {
    StrToFloat("abc");
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "'abc' is not a valid floating point value");
  }
}

TEST(StrToFloatTest, NegativeUnderflow_IsNegativeZero) {
  double V = 1;
  ASSERT_TRUE(TryStrToFloat("-1e-400", V));
  EXPECT_EQ(V, 0);
  EXPECT_TRUE(std::signbit(V));
}

TEST(StrToFloatTest, VeryLongDigitStrings) {
  double V = 0;
  EXPECT_TRUE(TryStrToFloat(std::string(300, '1'), V));
  EXPECT_DOUBLE_EQ(V, 1.1111111111111111e299);
  EXPECT_TRUE(TryStrToFloat("0." + std::string(5000, '0') + "1", V));
  EXPECT_EQ(V, 0);
  EXPECT_TRUE(TryStrToFloat(std::string(5000, '0') + "1.5", V));
  EXPECT_EQ(V, 1.5);
  // Longer than the stack buffer under a ',' locale: the heap path.
  EXPECT_TRUE(TryStrToFloat(std::string(600, '0') + "2,5", V, TFormatSettings::Create("de-de")));
  EXPECT_EQ(V, 2.5);
}

TEST(StrToFloatTest, CommaLocale_SwapsTheSeparator) {
  const TFormatSettings De = TFormatSettings::Create("de-DE");
  double V = 0;
  EXPECT_TRUE(TryStrToFloat("1,5", V, De));
  EXPECT_EQ(V, 1.5);
  EXPECT_TRUE(TryStrToFloat("-,5e1", V, De));
  EXPECT_EQ(V, -5);
  V = 7;
  EXPECT_FALSE(TryStrToFloat("1.5", V, De)); // the grid sort's "not convertible"
  EXPECT_EQ(V, 7);
  EXPECT_FALSE(TryStrToFloat("1,5,5", V, De));
}

TEST(StrToFloatTest, RoundTrip_FormatThenParse) {
  // The path writer's text reads back to the same Single.
  for (float F : {0.1f, 0.3f, 1.0f / 3.0f, 123.45f, -2.0f, 1e-5f, 65535.5f}) {
    const double D = StrToFloat(FormatFloat("0.#########", F));
    EXPECT_EQ(static_cast<float>(D), F) << F;
  }
}

// ---------------------------------------------------------------------------
// Format settings
// ---------------------------------------------------------------------------
struct LocaleCase {
  const char* Name;
  const char* Locale;
  char Decimal;
  char Thousand;
};

const LocaleCase kLocaleCases[] = {
    {"EnUs", "en-us", '.', ','},
    {"EnUs_UpperCase", "EN-US", '.', ','},
    {"EnGb", "en-gb", '.', ','},
    {"EmptyName_IsEnUs", "", '.', ','},
    {"DeDe", "de-de", ',', '.'},
    {"DeDe_MixedCase", "de-DE", ',', '.'},
    {"DeDe_Underscore", "de_DE", ',', '.'},
    {"FrFr_BlankThousands", "fr-fr", ',', ' '},
    {"NlNl", "nl-nl", ',', '.'},
    {"RuRu_BlankThousands", "ru-ru", ',', ' '},
    {"EsEs", "es-es", ',', '.'},
    {"ItIt", "it-it", ',', '.'},
    {"PtBr", "pt-br", ',', '.'},
    {"Unknown_IsEnUs", "xx-unknown", '.', ','},
    {"KnownPrefixWithSuffix_IsEnUs", "de-de-extra", '.', ','},
};

class FormatSettingsTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(FormatSettingsTest, Create_FromTable) {
  const TFormatSettings S = TFormatSettings::Create(GetParam().Locale);
  EXPECT_EQ(S.DecimalSeparator, GetParam().Decimal);
  EXPECT_EQ(S.ThousandSeparator, GetParam().Thousand);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatSettingsTest, ::testing::ValuesIn(kLocaleCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FormatSettingsTest, USFormatSettings_IsEnUsAndBuiltOnce) {
  EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
  EXPECT_EQ(USFormatSettings.ThousandSeparator, ',');
  const TFormatSettings* First = &USFormatSettings;
  EXPECT_EQ(First, &USFormatSettings);
}

TEST(FormatSettingsTest, ProcessSettings_ReadOnceFromCLocale) {
  const TFormatSettings& S = ProcessFormatSettings();
  EXPECT_EQ(&S, &ProcessFormatSettings());
  EXPECT_EQ(S.DecimalSeparator, '.'); // the test runs in the "C" locale
  EXPECT_NE(S.DecimalSeparator, S.ThousandSeparator);
}

} // namespace
} // namespace zk
