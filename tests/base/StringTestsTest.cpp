#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/StringTests.h"

using namespace zk;

TEST(StringTestsTest, SubTextComesFirstAndEmptySubMatches) {
  EXPECT_TRUE(AnsiStartsText("\xC3\xA9", "\xC3\x89mile"));  // "é" starts "Émile"
  EXPECT_FALSE(AnsiStartsStr("\xC3\xA9", "\xC3\x89mile"));
  EXPECT_FALSE(AnsiStartsText("\xC3\x89mile", "\xC3\xA9"));  // the longer text is not a prefix
  EXPECT_TRUE(AnsiEndsText("ILE", "\xC3\x89mile"));
  EXPECT_TRUE(AnsiStartsStr("", "x"));
  EXPECT_TRUE(AnsiEndsText("", ""));
}

TEST(StringTestsTest, SameTextFoldsUnicodeLetters) {
  EXPECT_TRUE(SameText("tobject", "TObject"));
  EXPECT_TRUE(SameText("\xC3\xA9", "\xC3\x89"));  // é, É
  EXPECT_FALSE(AnsiSameStr("\xC3\xA9", "\xC3\x89"));
  EXPECT_FALSE(SameText("TObject", "TObjects"));
}

TEST(StringTestsTest, AnsiCompareText_OrdersIgnoringCase) {
  std::vector<std::string> Words{"b", "A", "c", "10", "9", "100", "\xC3\x89", "\xC3\xA9"};
  std::stable_sort(Words.begin(), Words.end(),
                   [](const std::string& X, const std::string& Y) { return AnsiCompareText(X, Y) < 0; });
  const std::vector<std::string> Expected{"10", "100", "9", "A", "b", "c", "\xC3\x89", "\xC3\xA9"};
  EXPECT_EQ(Words, Expected);
  EXPECT_EQ(AnsiCompareText("ABC", "abc"), 0);
  EXPECT_EQ(AnsiCompareText("abd", "ABC"), 1);
  EXPECT_EQ(AnsiCompareText("", "a"), -1);
}
