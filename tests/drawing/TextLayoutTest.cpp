// Text layout on the recording canvas, whose font makes every character
// (|Height| + 1) / 2 pixels wide and |Height| high: 6 by 11 by default.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/TextLayout.h"

namespace zk {
namespace {

TEST(TextLayoutTest, MultilineHeight_OnePerLineFeed) {
  TRecordingCanvas C;
  EXPECT_EQ(GetMultilineTextHeight(C, "a\nbb\nc"), 33.0f);
  EXPECT_EQ(GetMultilineTextHeight(C, "abc"), 11.0f);
}

TEST(WrapCanvasTextTest, Table) {
  const struct {
    const char* Name;
    std::string Text;
    float MaxWidth;
    std::string Expected;
    const char* BreakStr = "\r\n";
    const char* BreakChars = "\t -";
  } Cases[] = {
      {"Empty", "", 1, ""},
      {"OneCharacter", "x", 1, "x"},
      {"BlankStaysAtLineEnd_LastCharUnmeasured", "aaa bbb", 36, "aaa \r\nbbb"},
      {"FitsBelowTheWidth", "aaa bbb", 37, "aaa bbb"},
      {"QuotedPhraseIsOneWord", "'x y' zz qq", 10, "'x y' \r\nzz \r\nqq"},
      {"UnclosedQuoteRunsToTheEnd", "a \"b c d", 10, "a \r\n\"b c d"},
      {"HyphenEndsAWord", "ab-cd-ef", 20, "ab-\r\ncd-\r\nef"},
      {"WordEndingInCrLfNeedsNoBreak", "aa bb\r\ncc", 20, "aa bb\r\ncc"},
      {"LineAfterCrLfStartsAfresh", "ab\r\ncd ef", 10, "ab\r\ncd \r\nef"},
      {"WideWordStandsAlone", "a bbbbbbbbbb cc", 20, "a \r\nbbbbbbbbbb \r\ncc"},
      {"Utf8CharactersAreNeverCut", "\xC3\xA9\xC3\xA9 \xC3\xBF\xC3\xBF \xE4\xB8\xAD\xE6\x96\x87", 20,
       "\xC3\xA9\xC3\xA9 \r\n\xC3\xBF\xC3\xBF \r\n\xE4\xB8\xAD\xE6\x96\x87"},
      {"OwnBreakStringAndCharacters", "a,b,c d", 10, "a,|b,|c d", "|", ","},
  };
  TRecordingCanvas C;
  for (const auto& Case : Cases)
    EXPECT_EQ(WrapCanvasText(C, Case.Text, Case.BreakStr, MakeCharSet(Case.BreakChars), Case.MaxWidth),
              Case.Expected)
        << Case.Name;
  EXPECT_EQ(WrapCanvasText(C, "aaa bbb", 36), "aaa \r\nbbb");
}

TEST(WrapCanvasTextTest, Paragraph_LinesWithinWidthUnlessOneWordIsWider) {
  const std::vector<std::string> Words = {"a", "quick", "extraordinarily-", "wide", "\xC3\xA9t\xC3\xA9",
                                          "'two words'", "of", "text"};
  std::string Text;
  for (int I = 0; I < 400; ++I) Text += Words[(I * 7 + I / 3) % Words.size()] + ' ';
  Text += "end";
  TRecordingCanvas C;
  const float MaxWidth = 100;
  const std::string Wrapped = WrapCanvasText(C, Text, MaxWidth);
  std::string Joined;
  int Lines = 0;
  for (std::size_t Start = 0; Start <= Wrapped.size();) {
    std::size_t End = Wrapped.find("\r\n", Start);
    if (End == std::string::npos) End = Wrapped.size();
    const std::string Line = Wrapped.substr(Start, End - Start);
    // One word: no blank outside quotes before the trailing one.
    bool OneWord = true, Quoted = false;
    for (std::size_t I = 0; I + 1 < Line.size(); ++I) {
      if (Line[I] == '\'') Quoted = !Quoted;
      if (Line[I] == ' ' && !Quoted) OneWord = false;
    }
    if (End != Wrapped.size()) {
      EXPECT_TRUE(C.TextWidth(Line) < MaxWidth || OneWord) << Line;
    }
    Joined += Line;
    ++Lines;
    Start = End + 2;
  }
  EXPECT_GT(Lines, 40);
  EXPECT_EQ(Joined, Text);  // only breaks were added
}

TEST(RotatedTextExtentTest, IntegerForm) {
  TRecordingCanvas C;
  C.Font().SetHeight(-10);  // "abcd": 20 by 10
  const struct { int Angle; TSize Size; TPoint Offset; } Cases[] = {
      {0, {20, 10}, {0, 0}},      {90, {20, 40}, {10, 25}}, {180, {40, 20}, {30, 10}},
      {-90, {20, 40}, {10, 10}},  {45, {34, 34}, {10, 19}}, {135, {34, 34}, {24, 24}}};
  for (const auto& Case : Cases) {
    TPoint Offset{7, 7};
    EXPECT_EQ(GetRotatedTextExtent(C, Case.Angle, "abcd", Offset), Case.Size) << Case.Angle;
    EXPECT_EQ(Offset, Case.Offset) << Case.Angle;
  }
}

TEST(RotatedTextExtentTest, FloatForm_NinetyDegrees) {
  TRecordingCanvas C;
  C.Font().SetHeight(-10);
  TPointF Offset;
  const TSizeF Size = GetRotatedTextExtent(C, 90, "abcd", Offset);
  EXPECT_FLOAT_EQ(Size.cx, 20);
  EXPECT_FLOAT_EQ(Size.cy, 40);
  EXPECT_FLOAT_EQ(Offset.X, 10);
  EXPECT_FLOAT_EQ(Offset.Y, 25);  // W + H - H / 2
}

}  // namespace
}  // namespace zk
