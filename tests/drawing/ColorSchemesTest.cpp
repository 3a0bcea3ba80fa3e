// The colour of a step along a gradient through a colour list.
#include <gtest/gtest.h>

#include <string>

#include "drawing/ColorSchemes.h"

namespace zk {
namespace {

const TColors kTen(DefaultColorList.begin(), DefaultColorList.end());

struct IndexCase {
  const char* Name;
  int Index, Count;
  TColors Colors;
  TColor Expected;
};

const IndexCase kIndexCases[] = {
    {"TwentyStepsRedToBlue_FirstStepOneTwentiethOfTheWay", 0, 20, {clRed, clBlue}, 0x000D00F2},
    {"HalfWayRedToBlue_ChannelsRoundHalvesToEven", 9, 20, {clRed, clBlue}, 0x00800080},
    {"SingleColour_ThatColourForAnyIndex", 57, 3, {clTeal}, clTeal},
    {"NoColours_Black", 2, 9, {}, clBlack},
    {"LastSegment_LastColourNotPastTheList", 9, 9, kTen, kTen[9]},
    {"IndexFarPastTheEnd_LastColour", 1000, 9, kTen, kTen[9]},
    {"NegativeIndex_FirstColour", -3, 9, kTen, kTen[0]},
    {"CountZero_ColourAtTheClampedIndex", 3, 0, kTen, kTen[3]},
    {"CountNegative_ColourAtTheClampedIndex", 2, -5, kTen, kTen[2]},
    {"CountZeroIndexPastTheEnd_LastColour", 50, 0, kTen, kTen[9]},
};

class IndexToColorTest : public testing::TestWithParam<IndexCase> {};

TEST_P(IndexToColorTest, Answers) {
  const IndexCase& C = GetParam();
  EXPECT_EQ(IndexToColor(C.Index, C.Count, C.Colors), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IndexToColorTest, testing::ValuesIn(kIndexCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(IndexToColorTest, StepWidthOne_TheColourOneStepAhead) {
  for (int I = 0; I <= 8; ++I) EXPECT_EQ(IndexToColor(I, 9, kTen), kTen[I + 1]) << I;
}

} // namespace
} // namespace zk
