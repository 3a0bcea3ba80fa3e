// The base helpers: character tests, integer rectangle scaling, comparisons.
#include <gtest/gtest.h>

#include <locale>
#include <stdexcept>

#include "base/ZKCommon.h"

namespace zk {
namespace {

TEST(HelperFunctionsTest, ZKIsDigit_OnlyAsciiDigits) {
  for (char32_t C = 0; C < 0x700; ++C) EXPECT_EQ(ZKIsDigit(C), C >= U'0' && C <= U'9') << unsigned(C);
  EXPECT_FALSE(ZKIsDigit(U'\u0661'));  // Arabic-Indic one
  EXPECT_FALSE(ZKIsDigit(U'\uFF11'));  // full-width one
}

TEST(HelperFunctionsTest, ZKCharInSet_BothForms) {
  const TCharSet Set = MakeCharSet(" -,.");
  EXPECT_TRUE(ZKCharInSet(U'-', Set));
  EXPECT_TRUE(ZKCharInSet(U' ', Set));
  EXPECT_FALSE(ZKCharInSet(U'a', Set));
  EXPECT_FALSE(ZKCharInSet(U'\u012D', Set));  // 0x12D would alias '-' if truncated to a byte

  const std::u32string Chars = U"ab\u00E9c";
  EXPECT_TRUE(ZKCharInSet(U'\u00E9', Chars, 3));
  EXPECT_FALSE(ZKCharInSet(U'c', Chars, 3));
  EXPECT_TRUE(ZKCharInSet(U'c', Chars, 100));  // Count beyond the array is clamped
  EXPECT_FALSE(ZKCharInSet(U'a', Chars, 0));
  EXPECT_FALSE(ZKCharInSet(U'a', Chars, -5));
}

TEST(HelperFunctionsTest, ScaleRect_GrowsAboutCentreByHalfAmounts) {
  struct Case { TRect R; int DX, DY; TRect Expected; };
  const Case Cases[] = {
      {{0, 0, 10, 10}, 4, 6, {-2, -3, 12, 13}},
      {{0, 0, 10, 10}, 1, 3, {0, -1, 10, 11}},    // halves truncate toward zero
      {{0, 0, 10, 10}, -4, -2, {2, 1, 8, 9}},     // negative shrinks
      {{2147483600, 0, 2147483647, 0}, 4, 0, {2147483598, 0, -2147483647, 0}},  // wraps, no UB
  };
  for (const auto& C : Cases) EXPECT_EQ(ScaleRect(C.R, C.DX, C.DY), C.Expected);
}

struct CompareCase {
  const char* Name;
  bool CaseSensitive;
  TCompareStringsOption Option;
  const char* S;
  const char* T;
  bool Expected;
};

const CompareCase kCompareCases[] = {
    {"StartsWithSensitive", true, csoStartsWith, "Tree", "TreeView", true},
    {"StartsWithSensitiveWrongCase", true, csoStartsWith, "tree", "TreeView", false},
    {"StartsWithInsensitive", false, csoStartsWith, "tree", "TreeView", true},
    {"EndsWith", true, csoEndsWith, "View", "TreeView", true},
    {"EndsWithInsensitive", false, csoEndsWith, "VIEW", "TreeView", true},
    {"Contains", true, csoContains, "eeV", "TreeView", true},
    {"ContainsMissing", true, csoContains, "xyz", "TreeView", false},
    {"ContainsEmpty", true, csoContains, "", "TreeView", true},
    {"Equals", true, csoEquals, "TreeView", "TreeView", true},
    {"EqualsLonger", true, csoEquals, "Tree", "TreeView", false},
    {"EqualsInsensitiveLatin1", false, csoEquals, "\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89", true},
    {"EqualsInsensitiveCyrillic", false, csoEquals, "\xD0\x94\xD0\xB0", "\xD0\xB4\xD0\x90", true},
    {"EqualsSensitiveLatin1", true, csoEquals, "\xC3\x89", "\xC3\xA9", false},
    // "Émile" against "é", "É", "ÉMILE" and "île": every option in both case modes.
    {"StartsWithInsensitiveNonAscii", false, csoStartsWith, "\xC3\xA9", "\xC3\x89mile", true},
    {"StartsWithSensitiveNonAscii", true, csoStartsWith, "\xC3\xA9", "\xC3\x89mile", false},
    {"EndsWithInsensitiveNonAscii", false, csoEndsWith, "\xC3\x8ELE", "\xC3\x89mile", false},
    {"EndsWithInsensitiveAccented", false, csoEndsWith, "\xC3\x8Ele", "\xC3\xA9m\xC3\xAEle", true},
    {"EndsWithSensitiveAccented", true, csoEndsWith, "\xC3\x8Ele", "\xC3\xA9m\xC3\xAEle", false},
    {"ContainsInsensitiveNonAscii", false, csoContains, "\xC3\x89MI", "x\xC3\xA9mile", true},
    {"ContainsSensitiveNonAscii", true, csoContains, "\xC3\x89MI", "x\xC3\xA9mile", false},
    {"UnknownOptionMeansEquals", true, static_cast<TCompareStringsOption>(17), "ab", "ab", true},
};

class StrCompareTest : public testing::TestWithParam<CompareCase> {};

TEST_P(StrCompareTest, MatchesByOption) {
  const auto& C = GetParam();
  EXPECT_EQ(GetStrCompareFunction(C.CaseSensitive, C.Option)(C.S, C.T), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(HelperFunctionsTest, StrCompareTest, testing::ValuesIn(kCompareCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(HelperFunctionsTest, ZKLowerCase_KeepsInvalidBytesAndFoldsLetters) {
  EXPECT_EQ(ZKLowerCase("AbC"), "abc");
  EXPECT_EQ(ZKLowerCase("\xC4\x80"), "\xC4\x81");         // A macron
  EXPECT_EQ(ZKLowerCase("\xCE\xA3"), "\xCF\x83");         // Greek sigma
  EXPECT_EQ(ZKLowerCase("\xFF" "A\xC3"), "\xFF" "a\xC3");  // invalid and truncated bytes stay
  EXPECT_EQ(ZKLowerCase("\xC3\x97"), "\xC3\x97");         // the multiplication sign is no letter
  EXPECT_TRUE(ZKAnsiContainsText("\xC3\x89T\xC3\x89", "l'\xC3\xA9t\xC3\xA9"));
  EXPECT_FALSE(ZKAnsiContainsStr("\xC3\x89T\xC3\x89", "l'\xC3\xA9t\xC3\xA9"));
}

TEST(HelperFunctionsTest, ZKLowerCase_FoldsEveryScriptWithAUnicodeLocale) {
  try {
    std::locale("C.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "the C library has no C.UTF-8 locale";
  }
  EXPECT_EQ(ZKLowerCase("\xD4\xB1"), "\xD5\xA1");          // Armenian Ayb
  EXPECT_EQ(ZKLowerCase("\xE1\xBA\x9E"), "\xC3\x9F");      // capital sharp s
  EXPECT_EQ(ZKLowerCase("\xF0\x90\x90\x80"), "\xF0\x90\x90\xA8");  // Deseret long I
}

TEST(HelperFunctionsTest, EZKException_CarriesMessageAndIsRuntimeException) {
  try {
    throw EZKException("broken");
  } catch (const Exception& Error) {
    EXPECT_EQ(Error.Message(), "broken");
  }
}

} // namespace
} // namespace zk
