// The path as SVG path data: scanners, parser, writer, round trips and the
// real icon corpus.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "path/PathData.h"
#include "path/PathText_p.h"
#include "runtime/Exceptions.h"
#include "runtime/NumberText.h"

namespace zk {
namespace {

using Entries = std::vector<TZKPathPoint>;

Entries EntriesOf(const TZKPathData& P) { return {P.Entries().begin(), P.Entries().end()}; }

// An entry's point by value (entries are packed: no reference to it).
TPointF At(const TZKPathPoint& E) { return {E.Point.X, E.Point.Y}; }

TZKPathPoint M(float X, float Y) { return {ppMoveTo, {X, Y}}; }
TZKPathPoint L(float X, float Y) { return {ppLineTo, {X, Y}}; }
TZKPathPoint C(float X, float Y) { return {ppCurveTo, {X, Y}}; }
TZKPathPoint Z(float X, float Y) { return {ppClose, {X, Y}}; }

std::string Describe(const Entries& Es) {
  std::string S;
  for (const auto& E : Es)
    S += "MLCZ?"[std::min<int>(E.Kind, 4)] + std::string("(") + std::to_string(E.Point.X) + "," +
         std::to_string(E.Point.Y) + ") ";
  return S;
}

template <class T>
std::string ParamName(const testing::TestParamInfo<T>& Info) {
  return Info.param.Name;
}

// ---- Scanners ----------------------------------------------------------------

struct ScanCase {
  const char* Name;
  const char* Text;
  std::size_t Start;
  const char* Token;
  std::size_t End;
};

const ScanCase kNumCases[] = {
    {"MinusStartsNextNumber", "10-5", 0, "10", 2},
    {"SecondPointStartsNextNumber", "1.5.5", 0, "1.5", 3},
    {"ExponentTakesMinus", "1e-5,2", 0, "1e-5", 5},
    {"LeadingPointAndSign", "-.5E-3x", 0, "-.5E-3", 6},
    {"SecondMinusEnds", "--5", 0, "-", 1},
    {"PlusEndsAtOnce", "+5", 0, "", 0},
    {"ExponentLettersAlwaysTaken", "5e5e5 ", 0, "5e5e5", 6},
    {"OneCommaSkippedEachSide", " ,10 , 5", 0, "10", 7},
    {"SecondCommaStops", ",,5", 0, "", 2},
    {"TabsAndLineBreaksAreBlanks", "\t\r\n7\n", 0, "7", 5},
    {"PastTheEnd", "5", 1, "", 1},
    {"ExponentAfterPoint", "1.e-2 ", 0, "1.e-2", 6},
    {"PointAfterFractionStarts", "1.5.e3", 0, "1.5", 3},
    {"LoneMinus", "-", 0, "-", 1},
    {"LonePoint", ".,", 0, ".", 2},
};

class GetNumTest : public testing::TestWithParam<ScanCase> {};

TEST_P(GetNumTest, TakesOneNumber) {
  const ScanCase& Case = GetParam();
  std::size_t Pos = Case.Start;
  EXPECT_EQ(PathScan::GetNum(Case.Text, Pos), Case.Token);
  EXPECT_EQ(Pos, Case.End);
}

// The converting scanner has its own copy of the grammar's common path.
TEST_P(GetNumTest, ScanCoordinateTakesTheSameText) {
  const ScanCase& Case = GetParam();
  std::size_t Pos = Case.Start;
  EXPECT_EQ(PathScan::ScanCoordinate(Case.Text, Pos).Text, Case.Token);
  EXPECT_EQ(Pos, Case.End);
}

INSTANTIATE_TEST_SUITE_P(PathScan, GetNumTest, testing::ValuesIn(kNumCases), ParamName<ScanCase>);

const ScanCase kDigitCases[] = {
    {"CompactFlagsOneDigitEach", "0110", 0, "0", 1},
    {"SecondFlagOfCompactRun", "0110", 1, "1", 2},
    {"BlankAfterFlagSkipped", "1 0", 0, "1", 2},
    {"NegativeFlag", "-1", 0, "-1", 2},
    {"SeparatorsBeforeFlagSkipped", " ,1 0", 0, "1", 4},
    {"LastFlagOfTheText", "01", 1, "1", 2},
    {"PointBeforeDigit", ".5", 0, ".5", 2},
    {"SecondMinusEnds", "--1", 0, "-", 1},
    {"LetterGivesNothing", "x", 0, "", 0},
};

class GetDigitTest : public testing::TestWithParam<ScanCase> {};

TEST_P(GetDigitTest, TakesOneFlag) {
  const ScanCase& Case = GetParam();
  std::size_t Pos = Case.Start;
  EXPECT_EQ(PathScan::GetDigit(Case.Text, Pos), Case.Token);
  EXPECT_EQ(Pos, Case.End);
}

INSTANTIATE_TEST_SUITE_P(PathScan, GetDigitTest, testing::ValuesIn(kDigitCases), ParamName<ScanCase>);

const ScanCase kTokCases[] = {
    {"RunOfLetters", "  zM5", 0, "zM", 4},
    {"NumberIsNoToken", "5", 0, "", 0},
    {"FillRuleIsNoCommand", "F1", 0, "", 0},
    {"EmptyText", "", 0, "", 0},
};

class GetTokTest : public testing::TestWithParam<ScanCase> {};

TEST_P(GetTokTest, TakesCommandLetters) {
  const ScanCase& Case = GetParam();
  std::size_t Pos = Case.Start;
  EXPECT_EQ(PathScan::GetTok(Case.Text, Pos), Case.Token);
  EXPECT_EQ(Pos, Case.End);
}

INSTANTIATE_TEST_SUITE_P(PathScan, GetTokTest, testing::ValuesIn(kTokCases), ParamName<ScanCase>);

TEST(GetPointFromStrTest, ReadsPairsAndRaisesOnBadText) {
  std::size_t Pos = 0;
  EXPECT_EQ(PathScan::GetPointFromStr(",, 1 ,, 2 ,,L", Pos), (TPointF{1, 2}));
  EXPECT_EQ(Pos, 12u);
  Pos = 1;
  EXPECT_EQ(PathScan::GetPointFromStr("5", Pos), (TPointF{0, 0})); // past the end
  EXPECT_EQ(Pos, 1u);
  Pos = 0;
  EXPECT_THROW(PathScan::GetPointFromStr("1", Pos), EConvertError);
  Pos = 0;
  EXPECT_THROW(PathScan::GetPointFromStr("1e39,0", Pos), EOverflow);
  Pos = 0;
  EXPECT_EQ(PathScan::GetPointFromStr("1e-50,1e-40", Pos), (TPointF{0, 0x1.16c2p-133f})); // 9.99994610e-41
}

TEST(ScanCoordinateTest, MatchesStrToFloatNarrowed) {
  // Short decimals take a fast exact path; every other form the general one.
  std::mt19937 Random(99);
  const auto Digits = [&](int N) {
    std::string D;
    for (int I = 0; I < N; ++I) D += static_cast<char>('0' + Random() % 10);
    return D;
  };
  int Exact = 0;
  for (int I = 0; I < 200000; ++I) {
    std::string Text = Random() % 3 == 0 ? "-" : "";
    const int Whole = static_cast<int>(Random() % 10), Fraction = static_cast<int>(Random() % 12);
    Text += Digits(Whole);
    if (Fraction > 0 || Whole == 0) Text += "." + Digits(std::max(Fraction, 1));
    if (Random() % 5 == 0) Text += "e" + std::string(Random() % 2 ? "-" : "") + std::to_string(Random() % 40);
    SCOPED_TRACE(Text);
    const double Wide = StrToFloat(Text);
    std::size_t Pos = 0;
    const PathScan::ScannedNumber Scanned = PathScan::ScanCoordinate(Text, Pos);
    ASSERT_EQ(Pos, Text.size());
    Exact += Scanned.Exact;
    // Followed by more text, the fraction is read eight characters at a time.
    const std::string Followed = Text + " 12345678";
    std::size_t Inside = 0;
    const PathScan::ScannedNumber Again = PathScan::ScanCoordinate(Followed, Inside);
    ASSERT_EQ(Again.Text, Scanned.Text);
    ASSERT_EQ(Again.Exact, Scanned.Exact);
    ASSERT_EQ(std::bit_cast<std::uint32_t>(Again.Value), std::bit_cast<std::uint32_t>(Scanned.Value));
    if (std::fabs(Wide) >= 0x1.ffffffp+127) { // rounds to infinity as a Single
      ASSERT_THROW(PathScan::ToSingle(Scanned), EOverflow);
      continue;
    }
    ASSERT_EQ(std::bit_cast<std::uint32_t>(PathScan::ToSingle(Scanned)),
              std::bit_cast<std::uint32_t>(static_cast<float>(Wide)));
  }
  EXPECT_GT(Exact, 50000) << "both ways are taken";
  EXPECT_LT(Exact, 150000);
}

// The fraction read eight bytes at a time must stop at the first byte that is
// not a digit, including the neighbours of '0'..'9' in the code table and
// bytes with the top bit set (UTF-8, '0' | 0x80), wherever it falls.
TEST(ScanCoordinateTest, FractionStopsAtEveryKindOfNonDigit) {
  for (const char Stop : {'/', ':', ' ', '.', ',', '\0', '\x80', '\xB0', '\xB9', '\xFF'}) {
    for (int Digits = 0; Digits <= 9; ++Digits) {
      const std::string Fraction = std::string("123456789").substr(0, Digits);
      const std::string Number = "7." + Fraction;
      const std::string Text = Number + Stop + "4444444444";
      SCOPED_TRACE(testing::Message() << "digits " << Digits << ", stop byte " << int(static_cast<unsigned char>(Stop)));
      std::size_t Pos = 0;
      const PathScan::ScannedNumber N = PathScan::ScanCoordinate(Text, Pos);
      EXPECT_EQ(N.Text, Number);
      EXPECT_EQ(PathScan::ToSingle(N), static_cast<float>(StrToFloat(Number)));
    }
  }
}

// Decimals that are Single ties: the fast conversion multiplies by 10^-n,
// which on these lands on the wrong side of the tie unless it is caught.
TEST(ScanCoordinateTest, SingleTiesRoundAsTheDoubleQuotientDoes) {
  for (const char* Text : {"61501.666015625", "61260.908203125", "-64691.689453125", "59373.361328125",
                           "8388608.5", "8388609.5", "16777217", "4194304.25"}) {
    std::size_t Pos = 0;
    const PathScan::ScannedNumber N = PathScan::ScanCoordinate(Text, Pos);
    ASSERT_TRUE(N.Exact) << Text;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(N.Value), std::bit_cast<std::uint32_t>(static_cast<float>(StrToFloat(Text))))
        << Text;
  }
}

TEST(ScanCoordinateTest, KeepsTheSignOfZero) {
  for (const auto& [Text, Expected] : {std::pair{"-0", -0.0f}, {"0", 0.0f}, {"-.0", -0.0f}, {"-.5", -0.5f}}) {
    std::size_t Pos = 0;
    const PathScan::ScannedNumber N = PathScan::ScanCoordinate(Text, Pos);
    ASSERT_TRUE(N.Exact) << Text;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(N.Value), std::bit_cast<std::uint32_t>(Expected)) << Text;
  }
}

// ---- Parser ------------------------------------------------------------------

struct ParseCase {
  const char* Name;
  const char* Text;
  Entries Expected;
};

const ParseCase kParseCases[] = {
    {"EmptyText", "", {}},
    {"AbsoluteTriangle", "M10,10 L20,20 L30,10 Z", {M(10, 10), L(20, 20), L(30, 10), Z(10, 10)}},
    {"NumbersAfterMoveAreLines", "M10,10 20,20 30,30", {M(10, 10), L(20, 20), L(30, 30)}},
    {"PairStartingWithPointAfterMoveIsLine", "M10,10 .5,.5", {M(10, 10), L(0.5f, 0.5f)}},
    {"RelativeMoveThenRelativeLines", "m10,10 5,0", {M(10, 10), L(15, 10)}},
    {"RelativePairStartingWithPoint", "m1,1 .5.5", {M(1, 1), L(1.5f, 1.5f)}},
    {"MinusSeparatesNumbers", "M0,0 L10-5", {M(0, 0), L(10, -5)}},
    {"SecondPointStartsNumber", "M0,0 L1.5.5", {M(0, 0), L(1.5f, 0.5f)}},
    {"Exponents", "M0,0 L1e1,2E-1", {M(0, 0), L(10, 0.2f)}},
    {"PlusSignEndsParsing", "M0,0 L+5,5", {M(0, 0), Z(0, 0)}},
    {"LoneMoveIsClosed", "M10,10", {M(10, 10), Z(10, 10)}},
    {"HorizontalNumbersRepeat", "M0,0 H10 20 30", {M(0, 0), L(10, 0), L(20, 0), L(30, 0)}},
    {"RepeatCoversLastCharacter", "M0,0 H10 5", {M(0, 0), L(10, 0), L(5, 0)}},
    {"VerticalRepeatCoversLastCharacter", "M1,0 V10 5", {M(1, 0), L(1, 10), L(1, 5)}},
    {"Quadratic", "M0,0 Q10,10 20,0",
     {M(0, 0), C(0x1.aaaaaap+2f, 0x1.aaaaaap+2f), C(0x1.aaaaaap+3f, 0x1.aaaaaap+2f), C(20, 0)}},
    // 6.6666665 and 13.333333, the nearest Singles to 20/3 and 40/3
    {"SmoothQuadraticReflectsControl", "M0,0 Q10,10 20,0 T40,0",
     {M(0, 0), C(0x1.aaaaaap+2f, 0x1.aaaaaap+2f), C(0x1.aaaaaap+3f, 0x1.aaaaaap+2f), C(20, 0),
      C(0x1.aaaaaap+4f, -0x1.aaaaaap+2f), C(0x1.0aaaaap+5f, -0x1.aaaaaap+2f), C(40, 0)}},
    // 26.666666 and 33.333332 with y -6.6666665: control point (30, -10)
    {"RelativeQuadraticAndSmooth", "M10,0 q5,5 10,0 t10,0",
     {M(10, 0), C(0x1.aaaaaap+3f, 0x1.aaaaaap+1f), C(0x1.0aaaaap+4f, 0x1.aaaaaap+1f), C(20, 0),
      C(0x1.755556p+4f, -0x1.aaaaaap+1f), C(0x1.aaaaaap+4f, -0x1.aaaaaap+1f), C(30, 0)}},
    // 13.333333, 3.3333333, 16.666666; then control (25, -5): 23.333334, 26.666666
    {"SmoothQuadraticAfterLineUsesCurrentPoint", "M0,0 T10,0",
     {M(0, 0), C(0, 0), C(0x1.aaaaaap+1f, 0), C(10, 0)}},
    {"CubicThenSmoothReflects", "M0,0 C1,1 2,2 3,0 S5,1 6,0",
     {M(0, 0), C(1, 1), C(2, 2), C(3, 0), C(4, -2), C(5, 1), C(6, 0)}},
    {"SmoothAfterLineUsesCurrentPoint", "M0,0 L1,1 S5,1 6,0", {M(0, 0), L(1, 1), C(1, 1), C(5, 1), C(6, 0)}},
    {"CubicsRepeat", "M0,0 C1,1 2,2 3,3 4,4 5,5 6,6",
     {M(0, 0), C(1, 1), C(2, 2), C(3, 3), C(4, 4), C(5, 5), C(6, 6)}},
    {"RelativeCommands", "M10,10 h5 v5 l-5,0 c1,1 2,2 3,3 s4,4 5,5",
     {M(10, 10), L(15, 10), L(15, 15), L(10, 15), C(11, 16), C(12, 17), C(13, 18), C(14, 19), C(17, 22),
      C(18, 23)}},
    {"UnknownLetterEndsParsing", "M0,0 L10,10 x L20,20", {M(0, 0), L(10, 10)}},
    {"FillRulePrefixGivesEmptyPath", "F1 M0,0 L10,10", {}},
    {"CloseThenMoveInOneRun", "zM5,5 L6,6", {Z(0, 0), M(5, 5), L(6, 6)}},
    {"TabsAndLineBreaksSeparate", "M1\t2\nL3\r\n4", {M(1, 2), L(3, 4)}},
    {"LineLetterAtEndGoesToOrigin", "M5,5 L", {M(5, 5), L(0, 0)}},
    {"CurveLetterAtEndGoesToOrigin", "M5,5 C", {M(5, 5), C(0, 0), C(0, 0), C(0, 0)}},
    {"HorizontalLetterAtEndAddsNothing", "M5,5 H", {M(5, 5), Z(5, 5)}},
    {"PairWithOneNumberAddsNothing", "M0,0 L5", {M(0, 0), Z(0, 0)}},
    {"FailedRepeatKeepsEarlierLines", "M0,0 L1,1 2,2 3", {M(0, 0), L(1, 1), L(2, 2)}},
    {"NumberBeyondSingleDropsCommand", "M0,0 L1e39,0 L5,5", {M(0, 0), L(5, 5)}},
    {"NumberBeyondDoubleDropsCommand", "M0,0 L1e400,0 L5,5", {M(0, 0), L(5, 5)}},
    {"NumberTooSmallForSingleIsZero", "M0,0 L1e-50,1", {M(0, 0), L(0, 1)}},
    {"RelativeSumBeyondSingleDropsCommand", "M3e38,0 l3e38,0 L1,1", {M(3e38f, 0), L(1, 1)}},
    {"DroppedRelativeMoveKeepsFigureStart", "M1,2 L3e38,0 m3e38,0 Z", {M(1, 2), L(3e38f, 0), Z(1, 2)}},
    {"ReflectionBeyondSingleDropsCommand", "M0,0 C0,0 -3e38,0 3e38,0 S1,1 2,2",
     {M(0, 0), C(0, 0), C(-3e38f, 0), C(3e38f, 0)}},
    {"QuadraticReflectionBeyondSingleDropsCommand", "M0,0 Q-3e38,0 3e38,0 T1,1",
     {M(0, 0), C(-0x1.2ced32p+127f, 0), C(-0x1.2ced32p+126f, 0), C(3e38f, 0)}},
    // -2e38 and -1e38; the reflected control point would be 9e38
    {"ExponentWithoutMantissaDropsCommand", "M0,0 Le5,1 L2,2", {M(0, 0), L(2, 2)}},
    {"DanglingExponentReadsAsNumber", "M0,0 L1e,2e-", {M(0, 0), L(1, 2)}},
    {"UnreadableArcFlagDropsArc", "M0,0 A1,1 0 - 1 5,5 L2,2", {M(0, 0), L(2, 2)}},
};

class PathParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(PathParseTest, GivesEntries) {
  const ParseCase& Case = GetParam();
  TZKPathData P;
  P.SetPathString(Case.Text);
  EXPECT_EQ(EntriesOf(P), Case.Expected) << Describe(EntriesOf(P));
}

INSTANTIATE_TEST_SUITE_P(PathText, PathParseTest, testing::ValuesIn(kParseCases), ParamName<ParseCase>);

TEST(PathParseTest, ReplacesPreviousEntries) {
  TZKPathData P;
  P.SetPathString("M1,1 L2,2");
  P.SetPathString("M5,5 L6,6");
  EXPECT_EQ(EntriesOf(P), (Entries{M(5, 5), L(6, 6)}));
}

TEST(PathParseTest, NotifiesOncePerParse) {
  const char* Texts[] = {"", "M0,0 L1,1 L2,2 C1,1 2,2 3,3 Z", "garbage", "M0,0 L1e39,0", "zzzz"};
  for (const char* Text : Texts) {
    SCOPED_TRACE(Text);
    TZKPathData P;
    int Calls = 0;
    P.OnChanged = [&](TObject*) { ++Calls; };
    P.SetPathString(Text);
    EXPECT_EQ(Calls, 1);
    P.BeginUpdate();
    P.SetPathString(Text);
    EXPECT_EQ(Calls, 1) << "an open outer update holds the notification back";
    P.EndUpdate();
    EXPECT_EQ(Calls, 2);
  }
}

TEST(PathParseTest, ArcFlagsMayBeCompact) {
  TZKPathData Compact, Spaced;
  Compact.SetPathString("M0,0 A10,10 0 0110,10");
  Spaced.SetPathString("M0,0 A10,10 0 0 1 10,10");
  ASSERT_GT(Compact.Count(), 1);
  EXPECT_EQ(Compact.LastPoint(), (TPointF{10, 10}));
  EXPECT_EQ(EntriesOf(Compact), EntriesOf(Spaced));
  TZKPathData OtherSweep;
  OtherSweep.SetPathString("M0,0 A10,10 0 0 0 10,10");
  EXPECT_NE(EntriesOf(OtherSweep), EntriesOf(Compact)) << "the second flag is the sweep";
}

TEST(PathParseTest, RelativeArcEndsRelativeToItsStart) {
  TZKPathData Absolute, Relative;
  Absolute.SetPathString("M5,5 A10,10 0 0 1 15,15 A10,10 0 0 1 25,5");
  Relative.SetPathString("M5,5 a10,10 0 0 1 10,10 10,10 0 0 1 10-10");
  ASSERT_GT(Relative.Count(), 2);
  EXPECT_EQ(EntriesOf(Relative), EntriesOf(Absolute)) << "implicit repetition of a";
}

// A relative arc ends at its start plus the offset, rounded once to a
// Single: where that sum rounds (ties, far exponents), the absolute arc to
// the extended-precision sum gives the same entries, in both readings.
TEST(PathParseTest, RelativeArcEndIsTheStartPlusOffsetRoundedOnce) {
  struct TCase { float X, Y, DX, DY; };
  for (const TCase& C : {TCase{16777216, 3, 3, 1}, {1e30f, 7, 3e22f, 1}, {0.1f, 0.3f, 3e-9f, -7e-9f},
                         {8388607.5f, -2, 1.25f, 0.5f}, {-1e-20f, 5, 1e-30f, 2}}) {
    const float EX = static_cast<float>(static_cast<long double>(C.X) + C.DX);
    const float EY = static_cast<float>(static_cast<long double>(C.Y) + C.DY);
    const auto Text = [](float V) {
      char B[32];
      std::snprintf(B, sizeof B, "%.9g", V);
      return std::string(B);
    };
    const std::string Move = "M" + Text(C.X) + "," + Text(C.Y);
    for (const TZKPathSyntax Syntax : {TZKPathSyntax::Compatible, TZKPathSyntax::Svg}) {
      TZKPathData Relative, Absolute;
      Relative.SetPathString(Move + " a4,4 0 0 1 " + Text(C.DX) + "," + Text(C.DY), Syntax);
      Absolute.SetPathString(Move + " A4,4 0 0 1 " + Text(EX) + "," + Text(EY), Syntax);
      EXPECT_EQ(EntriesOf(Relative), EntriesOf(Absolute)) << Move << " by " << C.DX << "," << C.DY;
    }
  }
}

TEST(PathAppendTextTest, ParsesOnItsOwnFromOrigin) {
  TZKPathData P;
  P.MoveTo({0, 0});
  P.LineTo({100, 100});
  int Calls = 0;
  P.OnChanged = [&](TObject*) { ++Calls; };
  P.Append("m10,10 l5,0");
  EXPECT_EQ(EntriesOf(P), (Entries{M(0, 0), L(100, 100), M(10, 10), L(15, 10)}));
  EXPECT_EQ(Calls, 1);
  const std::string Text = "Z";
  P.Append(Text);
  EXPECT_EQ(P.Entries().back(), Z(0, 0)) << "its own figure start, not this path's";
}

TEST(PathAppendTextTest, OntoEmptyPathTakesParsedPath) {
  TZKPathData P;
  P.Append(std::string_view("M1,2 L3,4"));
  EXPECT_EQ(EntriesOf(P), (Entries{M(1, 2), L(3, 4)}));
}

// ---- Writer ------------------------------------------------------------------

struct WriteCase {
  const char* Name;
  Entries Path; // built by the building operations of each kind
  const char* Picture;
  const char* Expected;
};

void Build(TZKPathData& P, const Entries& Es) {
  for (std::size_t I = 0; I < Es.size(); ++I) {
    const TZKPathPoint& E = Es[I];
    switch (E.Kind) {
    case ppMoveTo: P.MoveTo(At(E)); break;
    case ppLineTo: P.LineTo(At(E)); break;
    case ppCurveTo:
      P.CurveTo(At(E), At(Es[I + 1]), At(Es[I + 2]));
      I += 2;
      break;
    case ppClose: P.ClosePath(); break;
    }
  }
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

const WriteCase kWriteCases[] = {
    {"EmptyPath", {}, "0.#########", ""},
    {"LineAndClose", {M(10, 20), L(30.5f, 20), Z(0, 0)}, "0.#########", "M10,20 L30.5,20 Z "},
    {"Curve", {M(0, 0), C(1, 2), C(-3, 4), C(5, -6)}, "0.#########", "M0,0 C1,2 -3,4 5,-6 "},
    {"SingleTenthHasNineDecimals", {M(0.1f, -0.1f)}, "0.#########", "M0.100000001,-0.100000001 "},
    {"TinyRoundsToZeroWithoutSign", {M(-1e-12f, 1e-10f)}, "0.#########", "M0,0 "},
    {"HalfOfLastDecimalRoundsAway", {M(0x1p-30f, 16777215)}, "0.#########", "M0.000000001,16777215 "},
    // 2^-30 = 0.00000000093132257...
    {"HugeValuesInGeneralFormat", {M(1e20f, -0x1p60f)}, "0.#########",
     "M1.00000002004088E20,-1.15292150460685E18 "},
    {"LargestBelowGeneralFormat", {M(-1e18f, 16777216)}, "0.#########", "M-999999984306749440,16777216 "},
    {"NonFiniteValues", {M(kNaN, kInf), L(-kInf, 0)}, "0.#########", "MNAN,INF L-INF,0 "},
    {"OtherPicture", {M(1.5f, 2), L(0.125f, -0.004f)}, "0.00", "M1.50,2.00 L0.13,0.00 "},
    {"PictureWithoutDecimals", {M(2.5f, -2.5f)}, "0", "M3,-3 "},
};

class PathWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(PathWriteTest, GivesText) {
  const WriteCase& Case = GetParam();
  TZKPathData P;
  Build(P, Case.Path);
  P.SetFormatStr(Case.Picture);
  EXPECT_EQ(P.GetPathString(), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(PathText, PathWriteTest, testing::ValuesIn(kWriteCases), ParamName<WriteCase>);

TEST(PathWriteTest, FastNumbersMatchFormatFloat) {
  std::mt19937 Random(20240611);
  std::uniform_int_distribution<std::uint32_t> AnyBits;
  std::uniform_real_distribution<float> Small(-100, 100);
  std::uniform_int_distribution<int> Picker(0, 3);
  int Checked = 0;
  for (int I = 0; I < 300000; ++I) {
    float V = 0;
    switch (Picker(Random)) {
    case 0: V = std::bit_cast<float>(AnyBits(Random)); break;
    case 1: V = Small(Random); break;
    case 2: V = std::ldexp(Small(Random), -static_cast<int>(AnyBits(Random) % 40)); break;
    default: V = std::round(Small(Random) * 1e7f) / 1e7f; break; // near decimal ties
    }
    char Buf[PathScan::MaxDefaultNumberText + 1];
    const char* End = PathScan::WriteDefaultNumber(V, Buf);
    if (End == nullptr) {
      EXPECT_TRUE(!std::isfinite(V) || std::fabs(V) >= 1e18f) << V;
      continue;
    }
    ASSERT_EQ(std::string(static_cast<const char*>(Buf), End), FormatFloat("0.#########", V)) << std::hexfloat << V;
    ++Checked;
  }
  EXPECT_GT(Checked, 250000);
}

// ---- Round trip --------------------------------------------------------------

// A coordinate of magnitude 1 to 10^7, either sign.
float RandomCoordinate(std::mt19937& Random) {
  std::uniform_real_distribution<double> Exponent(0, 7);
  const double Magnitude = std::pow(10.0, Exponent(Random));
  return static_cast<float>(Random() % 2 ? Magnitude : -Magnitude);
}

// A path built from every kind of building operation (absolute, relative,
// horizontal, vertical, smooth and quadratic), starting with a move and not
// ending on one.
void BuildRandomPath(TZKPathData& P, std::mt19937& Random) {
  const auto Pt = [&] { return TPointF{RandomCoordinate(Random), RandomCoordinate(Random)}; };
  P.MoveTo(Pt());
  const int Steps = 1 + static_cast<int>(Random() % 40);
  for (int I = 0; I < Steps; ++I) {
    switch (Random() % 14) {
    case 0: P.MoveTo(Pt()); break;
    case 1: P.LineTo(Pt()); break;
    case 2: P.LineToRel(Pt()); break;
    case 3: P.HLineTo(RandomCoordinate(Random)); break;
    case 4: P.VLineToRel(RandomCoordinate(Random)); break;
    case 5: P.CurveTo(Pt(), Pt(), Pt()); break;
    case 6: P.CurveToRel(Pt(), Pt(), Pt()); break;
    case 7: P.SmoothCurveTo(Pt(), Pt()); break;
    case 8: P.SmoothCurveToRel(Pt(), Pt()); break;
    case 9: P.QuadCurveTo(Pt(), Pt()); break;
    case 10: P.ClosePath(); break;
    case 11: P.MoveToRel(Pt()); break;
    case 12: P.HLineToRel(RandomCoordinate(Random)); break;
    default: P.VLineTo(RandomCoordinate(Random)); break;
    }
  }
  if (P.Entries().back().Kind == ppMoveTo) P.LineTo(Pt());
}

TEST(PathRoundTripTest, ReadingWrittenTextGivesSameEntriesAndText) {
  std::mt19937 Random(7);
  for (int I = 0; I < 2000; ++I) {
    TZKPathData Original;
    BuildRandomPath(Original, Random);
    const std::string Text = Original.GetPathString();
    SCOPED_TRACE(Text);
    TZKPathData Read;
    Read.SetPathString(Text);
    ASSERT_EQ(EntriesOf(Read), EntriesOf(Original));
    ASSERT_EQ(Read.GetPathString(), Text);
  }
}

// ---- The shortest numbers -----------------------------------------------------

// Bit patterns of every coordinate: the shortest text must give the same
// Single, -0 and all.
std::vector<std::uint32_t> BitsOf(const TZKPathData& P) {
  std::vector<std::uint32_t> Bits;
  for (const TZKPathPoint& E : P.Entries()) {
    const TPointF Q = At(E);  // entries are packed: bit_cast would bind a misaligned reference
    Bits.push_back(std::bit_cast<std::uint32_t>(Q.X));
    Bits.push_back(std::bit_cast<std::uint32_t>(Q.Y) ^ E.Kind);
  }
  return Bits;
}

TEST(PathShortestTextTest, EachNumberInItsShortestForm) {
  struct Case { float Value; const char* Shortest; const char* Format; };
  const Case Cases[] = {
      {std::nextafter(4.75f, 5.0f), "4.7500005", "4.750000477"},
      {0.1f, "0.1", "0.100000001"},
      {16, "16", "16"},
      {-0.0f, "-0", "0"},
      {1e-7f, "1e-7", "0.0000001"},
      {-2.5e-12f, "-2.5e-12", "0"},
      {1e20f, "1e20", "1.00000002004088E20"},
      {std::numeric_limits<float>::max(), "3.4028235e38", "3.40282346638529E38"},
      {std::numeric_limits<float>::denorm_min(), "1e-45", "0"},
      // The one magnitude whose shortest float text, read through a double
      // as the readers read it, rounds to the next Single: written as the
      // double's shortest text instead.
      {std::bit_cast<float>(0x15ae43fdu), "7.038530691851209e-26", "0"},
  };
  for (const Case& C : Cases) {
    TZKPathData P;
    P.MoveTo({C.Value, 1});
    P.ClosePath();
    EXPECT_EQ(P.GetPathString(TZKPathNumbers::Shortest), std::string("M") + C.Shortest + ",1 Z ");
    EXPECT_EQ(P.GetPathString(), std::string("M") + C.Format + ",1 Z ") << "the default stays";
    EXPECT_EQ(P.SplitDataByLength(0, "|", TZKPathNumbers::Shortest), std::string("M") + C.Shortest + ",1 |Z |");
  }
}

// Any finite Single, read back in either reading, is the same Single.
TEST(PathShortestTextTest, RandomSinglesReadBackBitForBit) {
  std::mt19937 Random(11);
  for (int I = 0; I < 20000; ++I) {
    TZKPathData P;
    P.MoveTo({0, 0});
    for (int K = 0; K < 5; ++K) {
      float V[2];
      for (float& X : V)
        do X = std::bit_cast<float>(static_cast<std::uint32_t>(Random())); while (!std::isfinite(X));
      P.LineTo({V[0], V[1]});
    }
    const std::string Text = P.GetPathString(TZKPathNumbers::Shortest);
    for (const TZKPathSyntax Syntax : {TZKPathSyntax::Compatible, TZKPathSyntax::Svg}) {
      TZKPathData Read;
      Read.SetPathString(Text, Syntax);
      ASSERT_EQ(BitsOf(Read), BitsOf(P)) << Text;
    }
  }
}

// ---- Real icon data ----------------------------------------------------------

// The shortest text of every icon reads back to exactly the same entries,
// and is shorter than the default text.
TEST(PathCorpusTest, ShortestTextReadsBackExactlyAndSaves) {
  const std::string File = std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt";
  std::ifstream In(File);
  if (!In) GTEST_SKIP() << "no icon corpus at " << File;
  std::size_t Default = 0, Shortest = 0;
  int Icons = 0;
  for (std::string Line; std::getline(In, Line);) {
    ++Icons;
    TZKPathData P;
    P.SetPathString(Line);
    const std::string Text = P.GetPathString(TZKPathNumbers::Shortest);
    for (const TZKPathSyntax Syntax : {TZKPathSyntax::Compatible, TZKPathSyntax::Svg}) {
      TZKPathData Read;
      Read.SetPathString(Text, Syntax);
      ASSERT_EQ(BitsOf(Read), BitsOf(P)) << "icon line " << Icons;
    }
    Default += P.GetPathString().size();
    Shortest += Text.size();
  }
  RecordProperty("DefaultBytes", std::to_string(Default));
  RecordProperty("ShortestBytes", std::to_string(Shortest));
  std::printf("icons: %d, default text %zu bytes, shortest %zu bytes (%.1f%% less)\n", Icons, Default, Shortest,
              100.0 * (1.0 - double(Shortest) / double(Default)));
  EXPECT_LT(Shortest, Default);
}

// The stored Singles of every icon in both readings, hashed (FNV-1a over
// the bits of BitsOf) and pinned: a faster parser must store exactly the
// same values, -0 and all, and stored files rely on them.
TEST(PathCorpusTest, EntriesOfBothReadingsStayBitIdentical) {
  const std::string File = std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt";
  std::ifstream In(File);
  if (!In) GTEST_SKIP() << "no icon corpus at " << File;
  std::uint64_t Hash = 14695981039346656037u;
  for (std::string Line; std::getline(In, Line);) {
    for (const TZKPathSyntax Syntax : {TZKPathSyntax::Compatible, TZKPathSyntax::Svg}) {
      TZKPathData P;
      P.SetPathString(Line, Syntax);
      for (const std::uint32_t Bits : BitsOf(P)) Hash = (Hash ^ Bits) * 1099511628211u;
    }
  }
  EXPECT_EQ(Hash, 17051841595516425659u);
}


TEST(PathCorpusTest, EveryIconParsesSanelyAndRoundTrips) {
  const std::string File = std::string(ZK_CORPUS_DIR) + "/bootstrap-icons.txt";
  std::ifstream In(File);
  if (!In) GTEST_SKIP() << "no icon corpus at " << File;
  constexpr float Margin = 8; // control points may stand well outside the 16 x 16 box (a heart: -7.3)
  std::string Line;
  int Icons = 0, Joined = 0;
  while (std::getline(In, Line)) {
    ++Icons;
    SCOPED_TRACE("icon line " + std::to_string(Icons));
    TZKPathData P;
    P.SetPathString(Line);
    const auto Es = P.Entries();
    ASSERT_GT(Es.size(), 0u);
    // The corpus joins an icon's path elements with a blank, so an element
    // that starts with a relative "m" continues from the previous element's
    // figure start instead of from (0, 0) as it would on its own.
    const bool JoinedRelativeStart = Line.find(" m") != std::string::npos;
    Joined += JoinedRelativeStart;
    for (std::size_t I = 0; I < Es.size(); ++I) {
      const TPointF Q = At(Es[I]);
      ASSERT_TRUE(std::isfinite(Q.X) && std::isfinite(Q.Y)) << "entry " << I;
      ASSERT_TRUE(JoinedRelativeStart ||
                  (Q.X >= -Margin && Q.X <= 16 + Margin && Q.Y >= -Margin && Q.Y <= 16 + Margin))
          << "entry " << I << " at " << Q.X << "," << Q.Y;
      if (Es[I].Kind == ppCurveTo) { // a run of curve entries comes in threes
        std::size_t Run = I;
        while (Run < Es.size() && Es[Run].Kind == ppCurveTo) ++Run;
        ASSERT_EQ((Run - I) % 3, 0u) << "curve run at entry " << I;
        I = Run - 1;
      }
    }
    // Arcs leave values below 1 (noise of 4.7E-7, say) that nine decimals
    // cannot hold exactly; every entry reads back within half the last
    // decimal plus the Single's own rounding, and the text is a fixed point
    // of writing and reading.
    const auto Tolerance = [](float V) { return 5e-10 + std::fabs(V) * 0x1p-23; };
    const std::string Text = P.GetPathString();
    TZKPathData Read;
    Read.SetPathString(Text);
    ASSERT_EQ(Read.Count(), P.Count());
    for (int I = 0; I < P.Count(); ++I) {
      ASSERT_EQ(Read.Entries()[I].Kind, Es[I].Kind);
      ASSERT_NEAR(Read.Entries()[I].Point.X, Es[I].Point.X, Tolerance(Es[I].Point.X));
      ASSERT_NEAR(Read.Entries()[I].Point.Y, Es[I].Point.Y, Tolerance(Es[I].Point.Y));
    }
    ASSERT_EQ(Read.GetPathString(), Text);
  }
  EXPECT_GT(Icons, 2000);
  EXPECT_LT(Joined, Icons / 20) << "the box check must hold for nearly every icon";
}

} // namespace
} // namespace zk
