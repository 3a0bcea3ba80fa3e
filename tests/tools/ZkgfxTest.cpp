// The zkgfx program, run as a user runs it: arguments, standard input,
// standard output, standard error and the exit code.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/RunZkgfx.h"

namespace {

struct Case {
  const char* Name;
  const char* Args;
  const char* Input;
  const char* ExpectedOut;
};

const Case kCases[] = {
    {"NormalizeWritesEachLineAbsolute", "normalize", "M0,0 L10,10 z\n\nm10,10 5,0\nM10,10 .5,.5\n",
     "M0,0 L10,10 Z \n\nM10,10 L15,10 \nM10,10 L0.5,0.5 \n"},
    {"NormalizeStartsEveryLineAfresh", "normalize", "M5,5\nz\nh3\n", "M5,5 Z \nZ \nL3,0 \n"},
    {"NormalizeWithoutInput", "normalize", "", ""},
    {"InfoOnSquare", "info 'M0,0 L10,0 L10,10 L0,10 Z'", "",
     "entries: 5\nsub-paths: 1\nbounds: 0,0,10,10\nlength: 40\nempty: no\n"},
    {"InfoOnTwoFiguresAndNothing", "info 'M0,0 L1,0 M5,5 L5,6'", "",
     "entries: 4\nsub-paths: 2\nbounds: 0,0,5,6\nlength: 2\nempty: no\n"},
    {"InfoOnEmptyPath", "info ''", "", "entries: 0\nsub-paths: 0\nbounds: 0,0,0,0\nlength: 0\nempty: yes\n"},
    {"FlattenKeepsLines", "flatten --flatness=2 'M0,0 L10,0'", "", "M0,0 L10,0 \n"},
    {"SplitAfterLongLine", "split --len 10 'M0,0 L10,0 L10,10 Z'", "", "M0,0 L10,0 \nL10,10 Z \n"},
    {"SplitWithDelimiter", "split --len 10 --delimiter '|' 'M0,0 L10,0 L10,10 Z'", "", "M0,0 L10,0 |L10,10 Z \n"},
    {"ArcQuarterPie", "arc 0 90 0 10", "", "M10,0A10,10 0 0,1 6.12323399573677E-16,10L0,0Z\n"},
    {"NormalizeSvgReadsBrowserSyntax", "normalize --svg", "M0 0+1+1 1e+1 0\nM0,0 L1,1 Z L2,2\n",
     "M0,0 L1,1 L10,0 \nM0,0 L1,1 Z M0,0 L2,2 \n"},
    {"InfoSvgOnZeroRadiusArc", "info --svg 'M0,0 A0,0 0 0 1 3,4'", "",
     "entries: 2\nsub-paths: 1\nbounds: 0,0,3,4\nlength: 5\nempty: no\n"},
    // measure, trim and contains. The bulge "M0,0 C0,-10 10,-10 10,0" has the
    // polynomial speed 30 (1 - 2t + 2t^2): length 20, its middle its apex (5, -7.5).
    {"MeasureSquareAtItsCorners", "measure --samples 4", "M0,0 L10,0 L10,10 L0,10 Z\n",
     "40 0,0,10,10 0,0,0 10,0,90 10,10,180 0,10,-90 0,0,-90\n"},
    {"MeasureBulge_TightBoxAndApex", "measure --samples 2", "M0,0 C0,-10 10,-10 10,0\n",
     "20.000000000000004 0,-7.5,10,0 0,0,-90 5,-7.5,0 10,0,90\n"},
    {"MeasureWithoutLength", "measure --samples=1", "M5,5\n\n", "0 5,5,5,5 5,5,0 5,5,0\n0 0,0,0,0 0,0,0 0,0,0\n"},
    {"MeasureSvgReading", "measure --svg --samples 1", "M0 0+3+4\n",
     "5 0,0,3,4 0,0,53.13010235415599 3,4,53.13010235415599\n"},
    {"TrimPercentAndLength", "trim 25% 30", "M0,0 L10,0 L10,10 L0,10 Z\n", "M10,0 L10,10 L0,10 \n"},
    {"TrimAcrossContours", "trim 5 15", "M0,0 L10,0 M100,100 L100,110\n", "M5,0 L10,0 M100,100 L100,105 \n"},
    {"TrimWholeKeepsTheClose", "trim 0 100%", "M0,0 L10,0 L10,10 Z\n", "M0,0 L10,0 L10,10 Z \n"},
    {"TrimBackwardsIsEmpty", "trim 60% 40%", "M0,0 L10,0\n", "\n"},
    {"TrimKeepsCurves", "trim 0 50%", "M0,0 C1,1 2,1 3,0\n", "M0,0 C0.5,0.5 1,0.75 1.5,0.75 \n"},
    {"ContainsNonZero", "contains 7,7 2,2 20,20 5,-7.4 5,-7.6",
     "M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z\nM0,0 C0,-10 10,-10 10,0\n", "11000\n00010\n"},
    {"ContainsEvenOdd", "contains --fill-rule evenodd 7,7 2,2",
     "M0,0 L10,0 L10,10 L0,10 Z M5,5 L15,5 L15,15 L5,15 Z\n", "01\n"},
    // Regressions: an infinite length once printed as "INF"; a split whose
    // delimiter ends the text once got a blank line after it.
    {"InfoLengthBeyondSingle", "info 'M-3.4e38,-3.4e38 L3.4e38,3.4e38'", "",
     "entries: 2\nsub-paths: 1\nbounds: -3.39999995214436E38,-3.39999995214436E38,3.39999995214436E38,"
     "3.39999995214436E38\nlength: too long to measure (an edge exceeds the range of a Single)\nempty: no\n"},
    {"SplitLenZeroEndsWithOneLineFeed", "split --len 0 'M0,0 L1,1'", "", "M0,0 \nL1,1 \n"},
    // --shortest: each number as the shortest text of its Single.
    {"NormalizeShortest", "normalize --shortest", "M0,0 L4.7500005,.1\n", "M0,0 L4.7500005,0.1 \n"},
    {"NormalizeDefaultShowsTheNoise", "normalize", "M0,0 L4.7500005,.1\n", "M0,0 L4.750000477,0.100000001 \n"},
    {"FlattenShortest", "flatten --shortest 'M0,0 L4.7500005,.1'", "", "M0,0 L4.7500005,0.1 \n"},
    {"SplitShortest", "split --shortest --len 0 'M.1,0 L1e-7,1'", "", "M0.1,0 \nL1e-7,1 \n"},
    {"SimplifyFigureEightIntoTwoLoops", "simplify --fill-rule evenodd", "M0,0 L2,2 H0 L2,0 Z\n\n",
     "M1,1 L2,2 L0,2 Z M1,1 L0,0 L2,0 Z \n\n"},
};

class ZkgfxTest : public testing::TestWithParam<Case> {};

TEST_P(ZkgfxTest, WritesResult) {
  const Case& C = GetParam();
  const Result R = RunZkgfx(C.Args, C.Input);
  EXPECT_EQ(R.Code, 0) << R.Err;
  EXPECT_EQ(R.Out, C.ExpectedOut);
  EXPECT_EQ(R.Err, "");
}

INSTANTIATE_TEST_SUITE_P(Commands, ZkgfxTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& I) { return std::string(I.param.Name); });

// Runs zkgfx expecting it to fail with Code, print nothing and say Message.
void ExpectFailure(const std::string& Args, int Code, const std::string& Message) {
  SCOPED_TRACE(Args);
  const Result R = RunZkgfx(Args, "");
  EXPECT_EQ(R.Code, Code);
  EXPECT_EQ(R.Out, "");
  EXPECT_NE(R.Err.find(Message), std::string::npos) << R.Err;
}

TEST(ZkgfxUsageTest, BadArgumentsExitWithTwoAndSayWhy) {
  const struct {
    const char* Args;
    const char* Message;
  } Rows[] = {
      {"", "Usage: zkgfx"},
      {"bogus", "unknown command 'bogus'"},
      {"info", "missing PATHDATA"},
      {"combine --op union", "missing A.txt B.txt"},
      {"combine --op nand /dev/null /dev/null", "unknown --op 'nand'"},
      {"simplify --fill-rule odd", "unknown --fill-rule 'odd'"},
      {"info M0,0 M1,1", "unexpected argument 'M1,1'"},
      {"normalize extra", "unexpected argument 'extra'"},
      {"flatten --flatness x M0,0", "--flatness must be a number, not 'x'"},
      {"flatten --flatness", "option '--flatness' needs a value"},
      {"flatten --sharpness 1 M0,0", "unknown option '--sharpness'"},
      {"split M0,0", "missing --len N"},
      {"split --len -1 M0,0", "--len must be a whole number"},
      {"split --len 1.5 M0,0", "--len must be a whole number"},
      {"arc 0 90 0", "missing START END INNER OUTER"},
      {"arc 0 90 0 nan", "OUTER must be a number"},
      {"arc 0 90 0 10 0 1", "unexpected argument '1'"},
      {"measure --samples 0", "--samples must be a whole number from 1 to 10000, not '0'"},
      {"measure --samples 10001", "--samples must be a whole number from 1 to 10000"},
      {"measure extra", "unexpected argument 'extra'"},
      {"trim 1", "missing FROM and TO"},
      {"trim 1 x", "TO must be a number, not 'x'"},
      {"trim nan% 1", "FROM must be a number"},
      {"contains", "missing X,Y"},
      {"contains 1", "a point is written X,Y, not '1'"},
      {"contains 1,y", "Y must be a number"},
      {"contains --fill-rule winding 1,1", "--fill-rule must be nonzero or evenodd"},
      // Regressions: the text form of a slice once checked no ranges.
      {"arc 0 90 0 1e300", "INNER and OUTER must lie within"},
      {"arc 1e308 1e308 0 1 1e308", "the angles turned by OFFSET must stay finite"},
      {"designer --press maybe M0,0", "--press must be ok or cancel, not 'maybe'"},
      {"designer --file f.txt M0,0", "unexpected argument 'M0,0'"},
      {"info --svg=1 M0,0", "option '--svg' takes no value"},
  };
  for (const auto& Row : Rows) ExpectFailure(Row.Args, 2, Row.Message);
}

// Failures of the system, not of the command line: exit 1, the file and the
// reason on standard error, nothing reported as written, no partial file.
TEST(ZkgfxFailureTest, InputAndOutputFailuresNameFileAndReason) {
  const std::string Dir = testing::TempDir() + "zkgfx_fail_" + std::to_string(getpid());
  ASSERT_EQ(std::system(("mkdir -p '" + Dir + "' && ln -sf /dev/full '" + Dir + "/full.png' && ln -sf /dev/full '" +
                         Dir + "/full.pdf' && ln -sf /dev/full '" + Dir + "/full.svg' && echo M0,0 >'" + Dir + "/one.txt'").c_str()), 0);
  const std::string Square = " 'M0,0 L10,0 L10,10 Z' ";
  const struct {
    std::string Args;
    std::string Message;
  } Rows[] = {
      {"render" + Square + "'" + Dir + "/full.png'", "cannot write '" + Dir + "/full.png': No space left on device"},
      {"render" + Square + "'" + Dir + "/full.pdf'", "cannot write '" + Dir + "/full.pdf': No space left on device"},
      {"render" + Square + "'" + Dir + "/full.svg'", "cannot write '" + Dir + "/full.svg': No space left on device"},
      {"render" + Square + "'" + Dir + "/none/a.png'", "cannot write '" + Dir + "/none/a.png': No such file"},
      {"render --file '" + Dir + "' '" + Dir + "/a.png'", "'" + Dir + "' is a directory"},
      {"render --file /dev/zero '" + Dir + "/a.png'", "'/dev/zero' is larger than 64 MiB"},
      {"render --file '" + Dir + "/none.txt' '" + Dir + "/a.png'", "cannot open '" + Dir + "/none.txt': No such file"},
      {"info M0,0 >/dev/full", "cannot write standard output: No space left on device"},
      {"combine --op union '" + Dir + "/none.txt' /dev/null", "cannot open '" + Dir + "/none.txt': No such file"},
      {"combine --op union '" + Dir + "/one.txt' /dev/null", "one.txt has 1 lines but /dev/null has 0"},
  };
  for (const auto& Row : Rows) ExpectFailure(Row.Args, 1, Row.Message);
  EXPECT_NE(std::system(("test -e '" + Dir + "/a.png'").c_str()), 0);
  std::system(("rm -rf '" + Dir + "'").c_str());
}

TEST(ZkgfxReadingTest, SaysWhereReadingStopped) {
  const struct {
    const char* Args;
    const char* Input;
    const char* Out;
    const char* Err;
  } Rows[] = {
      {"info garbage", "", "entries: 0\n", "reading stopped at character 1: \"garbage\""},
      {"flatten --svg 'M0,0 L1,1 L2'", "", "M0,0 L1,1 \n", "reading stopped at character 11: \"L2\""},
      {"normalize", "M0,0\nM1,1 L+2,2\n", "M0,0 Z \nM1,1 Z \n", "line 2: reading stopped at character 7: \"+2,2\""},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Args);
    const Result R = RunZkgfx(Row.Args, Row.Input);
    EXPECT_EQ(R.Code, 0) << "what was read is the result";
    EXPECT_EQ(R.Out.rfind(Row.Out, 0), 0u) << R.Out;
    EXPECT_NE(R.Err.find(Row.Err), std::string::npos) << R.Err;
  }
}

TEST(ZkgfxUsageTest, HelpGoesToStandardOutput) {
  const struct {
    const char* Args;
    const char* Start;
  } Rows[] = {
      {"--help", "Usage: zkgfx COMMAND"},
      {"help", "Usage: zkgfx COMMAND"},
      {"normalize --help", "Usage: zkgfx normalize"},
      {"info --help", "Usage: zkgfx info [--svg] PATHDATA"},
      {"flatten -h", "Usage: zkgfx flatten"},
      {"split --help", "Usage: zkgfx split --len N"},
      {"arc --help", "Usage: zkgfx arc START END INNER OUTER"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Args);
    const Result R = RunZkgfx(Row.Args, "");
    EXPECT_EQ(R.Code, 0);
    EXPECT_EQ(R.Out.rfind(Row.Start, 0), 0u) << R.Out;
    EXPECT_EQ(R.Err, "");
  }
}

} // namespace

// The designer opens a real dialog; --press answers it once it shows.
TEST(ZkgfxDesignerTest, PrintsEditedPathOnOkOnly) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  struct DesignerCase {
    const char* Args;
    int Code;
    const char* Out;
  } const Cases[] = {
      {"designer --press ok 'm1 1 l 2 2 h 1z'", 0, "M1,1 L3,3 L4,3 Z \n"},
      {"designer --press ok", 0, "\n"},
      {"designer --press cancel 'M1 1 L2 2'", 1, ""},
      {"designer --press ok --svg 'M1 1+2+2'", 0, "M1,1 L2,2 \n"},
      {"designer --press ok --shortest 'M.1 .1 L1 1'", 0, "M0.1,0.1 L1,1 \n"},
  };
  for (const DesignerCase& C : Cases) {
    const Result R = RunZkgfx(C.Args, "");
    EXPECT_EQ(R.Code, C.Code) << C.Args << ": " << R.Err;
    EXPECT_EQ(R.Out, C.Out) << C.Args;
  }
}
