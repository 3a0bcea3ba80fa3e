// zkgfx measure, trim and contains, run as a user runs them.
#include <gtest/gtest.h>

#include <string>

#include "tools/RunZkgfx.h"

namespace {

struct Case {
  const char* Name;
  const char* Args;
  const char* Input;
  const char* ExpectedOut;
};

// The bulge "M0,0 C0,-10 10,-10 10,0" has the polynomial speed
// 30 (1 - 2t + 2t^2): length 20, and its middle is its apex (5, -7.5).
const Case kCases[] = {
    {"MeasureSquareAtItsCorners", "measure --samples 4", "M0,0 L10,0 L10,10 L0,10 Z\n",
     "40 0,0,10,10 0,0,0 10,0,90 10,10,180 0,10,-90 0,0,-90\n"},
    {"MeasureBulge_TightBoxAndApex", "measure --samples 2", "M0,0 C0,-10 10,-10 10,0\n",
     "20.000000000000004 0,-7.5,10,0 0,0,-90 5,-7.5,0 10,0,90\n"},
    {"MeasureWithoutLength", "measure --samples=1", "M5,5\n\n", "0 5,5,5,5 5,5,0 5,5,0\n0 0,0,0,0 0,0,0 0,0,0\n"},
    {"MeasureSvgReading", "measure --svg --samples 1", "M0 0+3+4\n", "5 0,0,3,4 0,0,53.13010235415599 3,4,53.13010235415599\n"},
    {"TrimPercentAndLength", "trim 25% 30", "M0,0 L10,0 L10,10 L0,10 Z\n", "M10,0 L10,10 L0,10 \n"},
    {"TrimAcrossContours", "trim 5 15", "M0,0 L10,0 M100,100 L100,110\n", "M5,0 L10,0 M100,100 L100,105 \n"},
    {"TrimWholeKeepsTheClose", "trim 0 100%", "M0,0 L10,0 L10,10 Z\n", "M0,0 L10,0 L10,10 Z \n"},
    {"TrimBackwardsIsEmpty", "trim 60% 40%", "M0,0 L10,0\n", "\n"},
    {"TrimKeepsCurves", "trim 0 50%", "M0,0 C1,1 2,1 3,0\n", "M0,0 C0.5,0.5 1,0.75 1.5,0.75 \n"},
    {"ContainsNonZero", "contains 7,7 2,2 20,20 5,-7.4 5,-7.6",
     "M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z\nM0,0 C0,-10 10,-10 10,0\n", "11000\n00010\n"},
    {"ContainsEvenOdd", "contains --fill-rule evenodd 7,7 2,2", "M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z\n",
     "01\n"},
};

class MeasureCommandsTest : public testing::TestWithParam<Case> {};

TEST_P(MeasureCommandsTest, WritesResult) {
  const Case& C = GetParam();
  const Result R = RunZkgfx(C.Args, C.Input);
  EXPECT_EQ(R.Code, 0) << R.Err;
  EXPECT_EQ(R.Out, C.ExpectedOut);
  EXPECT_EQ(R.Err, "");
}

INSTANTIATE_TEST_SUITE_P(Commands, MeasureCommandsTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& I) { return std::string(I.param.Name); });

TEST(MeasureCommandsUsageTest, BadArgumentsExitWithTwoAndSayWhy) {
  const struct {
    const char* Args;
    const char* Message;
  } Rows[] = {
      {"measure --samples 0", "--samples must be a whole number from 1 to 10000, not '0'"},
      {"measure --samples 10001", "--samples must be a whole number from 1 to 10000"},
      {"measure --samples", "option '--samples' needs a value"},
      {"measure extra", "unexpected argument 'extra'"},
      {"trim 1", "missing FROM and TO"},
      {"trim 1 x", "TO must be a number, not 'x'"},
      {"trim nan% 1", "FROM must be a number"},
      {"contains", "missing X,Y"},
      {"contains 1", "a point is written X,Y, not '1'"},
      {"contains 1,y", "Y must be a number"},
      {"contains --fill-rule winding 1,1", "--fill-rule must be nonzero or evenodd"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Args);
    const Result R = RunZkgfx(Row.Args, "M0,0 L1,1\n");
    EXPECT_EQ(R.Code, 2);
    EXPECT_EQ(R.Out, "");
    EXPECT_NE(R.Err.find(Row.Message), std::string::npos) << R.Err;
  }
}

} // namespace
