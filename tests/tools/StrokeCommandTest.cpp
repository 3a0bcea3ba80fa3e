// zkgfx stroke: one outline per input line, SVG's defaults, and bad style
// options refused with exit code 2 and the reason.
#include <gtest/gtest.h>

#include <string>

#include "tools/RunZkgfx.h"

namespace {

TEST(StrokeCommandTest, OutlinePerLine_WithSvgDefaults) {
  // Width 2, miter joins, butt caps: the L's outline, with its miter tip at
  // (11, -1) and the inner corner through (10, 0); an empty line stays empty.
  const Result R = RunZkgfx("stroke --width 2", "M0,0 L10,0 L10,10\n\nM5,5 Z\n");
  EXPECT_EQ(R.Code, 0) << R.Err;
  EXPECT_EQ(R.Out, "M0,1 L10,1 L10,0 L9,0 L9,10 L11,10 L11,0 L11,-1 L10,-1 L0,-1 Z \n\n\n");
}

TEST(StrokeCommandTest, StyleOptions_ReachTheOutline) {
  const Result Bevel = RunZkgfx("stroke --width 2 --join bevel --cap square", "M0,0 L10,0 L10,10\n");
  EXPECT_EQ(Bevel.Out, "M0,1 L10,1 L10,0 L9,0 L9,10 L9,11 L11,11 L11,10 L11,0 L10,-1 L0,-1 L-1,-1 L-1,1 Z \n");
  // A 12-unit dash runs over the corner; the rest of the second line is a gap.
  const Result Dashed = RunZkgfx("stroke --width 2 --dash 12,100", "M0,0 L10,0 L10,10\n");
  EXPECT_EQ(Dashed.Out, "M0,1 L10,1 L10,0 L9,0 L9,2 L11,2 L11,0 L11,-1 L10,-1 L0,-1 Z \n");
  const Result Limit = RunZkgfx("stroke --width 2 --miter-limit 1", "M0,0 L10,0 L10,10\n");
  EXPECT_EQ(Limit.Out, "M0,1 L10,1 L10,0 L9,0 L9,10 L11,10 L11,0 L10,-1 L0,-1 Z \n");
}

TEST(StrokeCommandTest, Simplify_FillsAlikeUnderBothRules) {
  // The L's outline covers its corner square (9..10, 0..1) twice: even-odd
  // leaves a hole there until the outline is simplified.
  const char* Probe = "contains --fill-rule evenodd 9.5,0.5 5,0 10,5 20,20";
  const Result Plain = RunZkgfx("stroke --width 2", "M0,0 L10,0 L10,10\n");
  EXPECT_EQ(RunZkgfx(Probe, Plain.Out).Out, "0110\n");
  const Result Simple = RunZkgfx("stroke --width 2 --simplify", "M0,0 L10,0 L10,10\n");
  ASSERT_EQ(Simple.Code, 0) << Simple.Err;
  EXPECT_EQ(RunZkgfx(Probe, Simple.Out).Out, "1110\n");
}

TEST(StrokeCommandTest, BadStyle_ExitsWithTwoAndSaysWhich) {
  const struct {
    const char* Args;
    const char* Message;
  } Rows[] = {
      {"stroke --width -1", "width must be a finite number of at least 0"},
      {"stroke --width nan", "--width must be a number"},
      {"stroke --join sharp", "--join must be miter, round or bevel, not 'sharp'"},
      {"stroke --cap flat", "--cap must be butt, round or square, not 'flat'"},
      {"stroke --miter-limit 0.5", "miter limit must be a finite number of at least 1"},
      {"stroke --dash 1,-2", "dash or gap length must be a finite number of at least 0"},
      {"stroke --dash 1,x", "each --dash entry must be a number, not 'x'"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Args);
    const Result R = RunZkgfx(Row.Args, "M0,0 L1,0\n");
    EXPECT_EQ(R.Code, 2);
    EXPECT_EQ(R.Out, "");
    EXPECT_NE(R.Err.find(Row.Message), std::string::npos) << R.Err;
  }
}

TEST(StrokeCommandTest, TooManyDashes_AreRefused) {
  const Result R = RunZkgfx("stroke --dash 0.001", "M0,0 L100000,0\n");
  EXPECT_EQ(R.Code, 1);
  EXPECT_NE(R.Err.find("more than 2^20 dashes"), std::string::npos) << R.Err;
}

} // namespace
