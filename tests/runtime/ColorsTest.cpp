// Colour identifiers and text.
#include "runtime/Colors.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/Exceptions.h"

namespace zk {
namespace {

struct IdentCase {
  const char* Name;
  TColor Value;
};

// Every identifier of the table, with its value.
const IdentCase kIdents[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
    {"clScrollBar", static_cast<TColor>(0xFF000000u)}, {"clBackground", static_cast<TColor>(0xFF000001u)},
    {"clActiveCaption", static_cast<TColor>(0xFF000002u)}, {"clInactiveCaption", static_cast<TColor>(0xFF000003u)},
    {"clMenu", static_cast<TColor>(0xFF000004u)}, {"clWindow", static_cast<TColor>(0xFF000005u)},
    {"clWindowFrame", static_cast<TColor>(0xFF000006u)}, {"clMenuText", static_cast<TColor>(0xFF000007u)},
    {"clWindowText", static_cast<TColor>(0xFF000008u)}, {"clCaptionText", static_cast<TColor>(0xFF000009u)},
    {"clActiveBorder", static_cast<TColor>(0xFF00000Au)}, {"clInactiveBorder", static_cast<TColor>(0xFF00000Bu)},
    {"clAppWorkSpace", static_cast<TColor>(0xFF00000Cu)}, {"clHighlight", static_cast<TColor>(0xFF00000Du)},
    {"clHighlightText", static_cast<TColor>(0xFF00000Eu)}, {"clBtnFace", static_cast<TColor>(0xFF00000Fu)},
    {"clBtnShadow", static_cast<TColor>(0xFF000010u)}, {"clGrayText", static_cast<TColor>(0xFF000011u)},
    {"clBtnText", static_cast<TColor>(0xFF000012u)}, {"clInactiveCaptionText", static_cast<TColor>(0xFF000013u)},
    {"clBtnHighlight", static_cast<TColor>(0xFF000014u)}, {"cl3DDkShadow", static_cast<TColor>(0xFF000015u)},
    {"cl3DLight", static_cast<TColor>(0xFF000016u)}, {"clInfoText", static_cast<TColor>(0xFF000017u)},
    {"clInfoBk", static_cast<TColor>(0xFF000018u)}, {"clHotLight", static_cast<TColor>(0xFF00001Au)},
    {"clGradientActiveCaption", static_cast<TColor>(0xFF00001Bu)},
    {"clGradientInactiveCaption", static_cast<TColor>(0xFF00001Cu)},
    {"clMenuHighlight", static_cast<TColor>(0xFF00001Du)}, {"clMenuBar", static_cast<TColor>(0xFF00001Eu)},
};

std::string Lower(std::string S) {
  for (char& C : S)
    if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
  return S;
}
std::string Upper(std::string S) {
  for (char& C : S)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  return S;
}

class ColorIdentTest : public ::testing::TestWithParam<IdentCase> {};

TEST_P(ColorIdentTest, RoundTrips_ValueAndName) {
  const IdentCase& C = GetParam();
  std::string Name;
  ASSERT_TRUE(ColorToIdent(C.Value, Name));
  EXPECT_EQ(Name, C.Name);
  TColor Value = 12345;
  ASSERT_TRUE(IdentToColor(C.Name, Value));
  EXPECT_EQ(Value, C.Value);
  Value = 12345;
  ASSERT_TRUE(IdentToColor(Lower(C.Name), Value));
  EXPECT_EQ(Value, C.Value);
  Value = 12345;
  ASSERT_TRUE(IdentToColor(Upper(C.Name), Value));
  EXPECT_EQ(Value, C.Value);
  EXPECT_EQ(ColorToString(C.Value), C.Name);
  EXPECT_EQ(StringToColor(C.Name), C.Value);
}

INSTANTIATE_TEST_SUITE_P(Table, ColorIdentTest, ::testing::ValuesIn(kIdents),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ColorIdentTest, TableHas52Names_AndHeaderConstantsMatch) {
  EXPECT_EQ(std::size(kIdents), 52u);
  EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000Fu));
  EXPECT_EQ(clMenuBar, static_cast<TColor>(0xFF00001Eu));
  EXPECT_EQ(clNone, 0x1FFFFFFF);
}

TEST(ColorIdentTest, UnnamedValues_LeaveIdentAlone) {
  for (TColor V : {0x00123456, static_cast<TColor>(0xFF000019u), static_cast<TColor>(0xFF00001Fu), -2, 0x02FF8800}) {
    std::string Name = "unchanged";
    EXPECT_FALSE(ColorToIdent(V, Name)) << V;
    EXPECT_EQ(Name, "unchanged");
  }
}

TEST(ColorIdentTest, Aliases_AreConstantsNotNames) {
  std::string Name;
  ASSERT_TRUE(ColorToIdent(clDkGray, Name));
  EXPECT_EQ(Name, "clGray");
  ASSERT_TRUE(ColorToIdent(clLtGray, Name));
  EXPECT_EQ(Name, "clSilver");
  TColor V = 7;
  EXPECT_FALSE(IdentToColor("clDkGray", V));
  EXPECT_FALSE(IdentToColor("clLtGray", V));
  EXPECT_EQ(V, 7);
}

TEST(ColorIdentTest, UnknownNames_LeaveColorAlone) {
  for (const char* Text : {"", "cl", "clRedd", "Red", " clRed", "clRed ", "cl\xC3\xA9"}) {
    TColor V = 7;
    EXPECT_FALSE(IdentToColor(Text, V)) << Text;
    EXPECT_EQ(V, 7);
  }
  TColor V = 7;
  EXPECT_FALSE(IdentToColor(std::string_view("clRed\0", 6), V));
  EXPECT_EQ(V, 7);
}

struct StringCase {
  const char* Name;
  TColor Value;
  const char* Text;
};

const StringCase kToString[] = {
    {"Red_IsIdent", 0x0000FF, "clRed"},
    {"BtnFace_IsIdent", static_cast<TColor>(0xFF00000Fu), "clBtnFace"},
    {"Unnamed_Hex", 0x00123456, "$00123456"},
    {"HighByteSet_Hex", 0x02FF8800, "$02FF8800"},
    {"SystemIndex19_Hex", static_cast<TColor>(0xFF000019u), "$FF000019"},
    {"MinusTwo_Hex", -2, "$FFFFFFFE"},
    {"MinusOne_Hex", -1, "$FFFFFFFF"},
    {"Int32Min_Hex", static_cast<TColor>(0x80000000u), "$80000000"},
    {"LowerHexDigits_AreUpperCase", 0x00ABCDEF, "$00ABCDEF"},
};

class ColorToStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(ColorToStringTest, Writes) { EXPECT_EQ(ColorToString(GetParam().Value), GetParam().Text); }

INSTANTIATE_TEST_SUITE_P(Table, ColorToStringTest, ::testing::ValuesIn(kToString),
                         [](const auto& Info) { return std::string(Info.param.Name); });

const StringCase kFromString[] = {
    {"LowerCaseIdent", static_cast<TColor>(0xFF00000Fu), "clbtnface"},
    {"DollarHex", 0x00FF00, "$00FF00"},
    {"Decimal", 0xFF, "255"},
    {"PlusDecimal", 255, "+255"},
    {"NegativeDecimal", -2, "-2"},
    {"ZeroXHex", 0x1F, "0x1F"},
    {"UpperZeroXHex", 0x1F, "0X1f"},
    {"NegativeHex", -16, "-$10"},
    {"HexAllOnes_WrapsToMinusOne", -1, "$FFFFFFFF"},
    {"HexHighBit_WrapsNegative", static_cast<TColor>(0x80000000u), "$80000000"},
    {"Int32Max", 0x7FFFFFFF, "2147483647"},
    {"Int32Min", static_cast<TColor>(0x80000000u), "-2147483648"},
    {"LeadingBlanks", 12, "  12"},
    {"LeadingZeros", 12, "00012"},
    {"HexRoundTrip", 0x00123456, "$00123456"},
};

class StringToColorTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(StringToColorTest, Reads) { EXPECT_EQ(StringToColor(GetParam().Text), GetParam().Value); }

INSTANTIATE_TEST_SUITE_P(Table, StringToColorTest, ::testing::ValuesIn(kFromString),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct BadCase {
  const char* Name;
  std::string Text;
};

const BadCase kBad[] = {
    {"Empty", ""},
    {"Blank", " "},
    {"Word", "xyz"},
    {"SignOnly", "-"},
    {"DollarOnly", "$"},
    {"ZeroXOnly", "0x"},
    {"TrailingBlank", "12 "},
    {"InnerBlank", "1 2"},
    {"DecimalPoint", "1.5"},
    {"DecimalOverflow", "2147483648"},
    {"NegativeDecimalOverflow", "-2147483649"},
    {"HexTooLong", "$100000000"},
    {"BadHexDigit", "$12G"},
    {"DoubleSign", "--1"},
    {"HashHex", "#FF0000"},
    {"VeryLongDigits", std::string(500, '9')},
    {"VeryLongHex", "$" + std::string(500, 'F')},
    {"NulInside", std::string("1\0" "2", 3)},
};

class StringToColorErrorTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(StringToColorErrorTest, RaisesConvertError) {
  EXPECT_THROW(StringToColor(GetParam().Text), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Table, StringToColorErrorTest, ::testing::ValuesIn(kBad),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(StringToColorErrorTest, Message_QuotesTheText) {
  try {
    StringToColor("xyz");
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "'xyz' is not a valid integer value");
  }
}

TEST(ColorToStringTest, RoundTrip_EveryHexPattern) {
  for (std::uint32_t Bits : {0u, 1u, 0x00123456u, 0x7FFFFFFFu, 0x80000000u, 0xFF000019u, 0xFFFFFFFEu}) {
    const auto C = static_cast<TColor>(Bits);
    EXPECT_EQ(StringToColor(ColorToString(C)), C) << Bits;
  }
}

} // namespace
} // namespace zk
