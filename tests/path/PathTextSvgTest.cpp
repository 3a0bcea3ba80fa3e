// The two readings of path text side by side: where the SVG grammar and the
// compatible reading part ways, and where each reading stops.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "path/PathData.h"

namespace zk {
namespace {

struct ReadingCase {
  const char* Name;
  const char* Text;
  const char* Compatible; // the text written back after each reading
  std::size_t CompatibleStop;
  const char* Svg;
  std::size_t SvgStop;
};

constexpr std::size_t All = std::string::npos; // the whole text was taken

const ReadingCase kReadingCases[] = {
    {"PlusSigns", "M0,0 L+5,+5", "M0,0 Z ", 6, "M0,0 L5,5 ", All},
    {"ExponentWithPlus", "M0,0 L1e+1,5", "M0,0 Z ", 8, "M0,0 L10,5 ", All},
    {"PairsAfterMoveWithPlus", "M0,0 +1+1", "M0,0 Z ", 5, "M0,0 L1,1 ", All},
    // Q3,3 6,0 is the cubic (2,2) (4,2) (6,0); its reflection about (6,0) would be (8,-2).
    {"SmoothCubicAfterQuadraticStartsAtCurrentPoint", "M0,0 Q3,3 6,0 S9,3 12,0",
     "M0,0 C2,2 4,2 6,0 C8,-2 9,3 12,0 ", All, "M0,0 C2,2 4,2 6,0 C6,0 9,3 12,0 ", All},
    {"SmoothQuadraticAfterCloseStartsAtFigureStart", "M0,0 Q3,3 6,0 Z T6,0",
     "M0,0 C2,2 4,2 6,0 Z C-2,-2 0,-2 6,0 ", All, "M0,0 C2,2 4,2 6,0 Z M0,0 C0,0 2,0 6,0 ", All},
    {"LineAfterCloseStartsNewFigure", "M1,1 L5,5 Z L9,9", "M1,1 L5,5 Z L9,9 ", All,
     "M1,1 L5,5 Z M1,1 L9,9 ", All},
    {"ArcToItsStartIsLeftOut", "M1,1 A5,5 0 0 1 1,1 L2,2",
     "M1,1 M-4,-4 C-4,-6.761423588 -1.761423707,-9 1,-9 C3.761423826,-9 6,-6.761423588 6,-4 "
     "C6,-1.238576293 3.761423826,1 1,1 C-1.761423707,1 -4,-1.238576293 -4,-4 L2,2 ",
     All, "M1,1 L2,2 ", All},
    {"ZeroRadiusArcIsLine", "M0,0 A0,5 0 0 1 10,0", "M0,0 Z ", All, "M0,0 L10,0 ", All},
    {"TextMustStartWithMove", "L1,1", "L1,1 ", All, "", 0},
    {"UnreadableNumberEndsReading", "M0,0 L1e39,0 L5,5", "M0,0 L5,5 ", All, "M0,0 Z ", 5},
    {"LetterWithoutArgumentsEndsReading", "M5,5 L", "M5,5 L0,0 ", All, "M5,5 Z ", 5},
    {"CommaBeforeFirstArgumentEndsReading", "M0,0 L,1,1", "M0,0 L1,1 ", All, "M0,0 Z ", 5},
    {"IncompleteRepetitionKeepsEarlierSegments", "M0,0 L10,10 20", "M0,0 L10,10 ", All, "M0,0 L10,10 ", 12},
    {"NumbersAfterCloseEndReading", "M0,0 L1,1 Z 5,5", "M0,0 L1,1 Z Z Z ", 12, "M0,0 L1,1 Z ", 12},
    {"UnknownLetter", "M0,0 L10,10 x L20,20", "M0,0 L10,10 ", 12, "M0,0 L10,10 ", 12},
    {"NoCommandAtAll", "garbage", "", 0, "", 0},
    {"FormFeedIsBlankInSvg", "M0,0\fL1,1", "M0,0 Z ", 4, "M0,0 L1,1 ", All},
};

class PathReadingTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(PathReadingTest, EachReadingGivesItsEntriesAndStop) {
  const ReadingCase& Case = GetParam();
  const std::string Text = Case.Text;
  const auto Stop = [&](std::size_t S) { return S == All ? Text.size() : S; };
  TZKPathData P;
  const TZKPathTextRead Compatible = P.SetPathString(Text, TZKPathSyntax::Compatible);
  EXPECT_EQ(P.GetPathString(), Case.Compatible);
  EXPECT_EQ(Compatible.StopPos, Stop(Case.CompatibleStop));
  EXPECT_EQ(Compatible.Complete, Case.CompatibleStop == All);
  const TZKPathTextRead Svg = P.SetPathString(Text, TZKPathSyntax::Svg);
  EXPECT_EQ(P.GetPathString(), Case.Svg);
  EXPECT_EQ(Svg.StopPos, Stop(Case.SvgStop));
  EXPECT_EQ(Svg.Complete, Case.SvgStop == All);
}

INSTANTIATE_TEST_SUITE_P(PathText, PathReadingTest, testing::ValuesIn(kReadingCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(PathReadingTest, ArcFlagsAreSingleCharactersInSvg) {
  TZKPathData Signed, Plain, Compact;
  Signed.SetPathString("M0,0 A5,5 0 -0 1 10,0");
  Plain.SetPathString("M0,0 A5,5 0 0 1 10,0");
  EXPECT_EQ(Signed.GetPathString(), Plain.GetPathString()) << "the compatible reading takes -0 as a flag";
  EXPECT_EQ(Signed.SetPathString("M0,0 A5,5 0 -0 1 10,0", TZKPathSyntax::Svg).StopPos, 5u);
  EXPECT_EQ(Signed.GetPathString(), "M0,0 Z ");
  EXPECT_TRUE(Compact.SetPathString("M0,0 A5,5 0 0110,0", TZKPathSyntax::Svg).Complete);
  EXPECT_EQ(Compact.GetPathString(), Plain.GetPathString());
}

TEST(PathReadingTest, SvgAppendReadsOnItsOwn) {
  TZKPathData P;
  P.SetPathString("M0,0 L1,1");
  const TZKPathTextRead Read = P.Append("m1,1 +1+1 Z x", TZKPathSyntax::Svg);
  EXPECT_EQ(P.GetPathString(), "M0,0 L1,1 M1,1 L2,2 Z ");
  EXPECT_EQ(Read.StopPos, 12u);
}

} // namespace
} // namespace zk
