// HostRound, HostTrunc, HostDiv and Low32.
#include "runtime/Rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "runtime/Exceptions.h"

namespace zk {
namespace {

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax64 = std::numeric_limits<std::int64_t>::max();

struct RoundCase {
  const char* Name;
  long double Value;
  std::int64_t Round; // ties to even
  std::int64_t Trunc; // toward zero
};

const RoundCase kRoundCases[] = {
    {"Half_ToEvenZero", 0.5L, 0, 0},
    {"OneAndHalf_ToEvenTwo", 1.5L, 2, 1},
    {"TwoAndHalf_ToEvenTwo", 2.5L, 2, 2},
    {"ThreeAndHalf_ToEvenFour", 3.5L, 4, 3},
    {"MinusHalf_ToEvenZero", -0.5L, 0, 0},
    {"MinusTwoAndHalf_ToEvenMinusTwo", -2.5L, -2, -2},
    {"RotateFont_452_5", 45.25L * 10, 452, 452},
    {"DoubleToByte_254_5", 254.5L, 254, 254},
    {"TwoPointSeven", 2.7L, 3, 2},
    {"MinusTwoPointSeven", -2.7L, -3, -2},
    {"MinusOnePointNine", -1.9L, -2, -1},
    {"NegativeZero", -0.0L, 0, 0},
    {"JustBelowHalf", 0.49999999999999994L, 0, 0},
    {"SingleWidened", static_cast<long double>(2.5f), 2, 2},
    {"MinusTwoPow63_Accepted", -0x1p63L, kMin64, kMin64},
    {"LargestBelowTwoPow63", 0x1p63L - 1, kMax64, kMax64},
    {"TwoPow62", 0x1p62L, std::int64_t{1} << 62, std::int64_t{1} << 62},
};

class RoundingTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundingTest, RoundAndTrunc) {
  EXPECT_EQ(HostRound(GetParam().Value), GetParam().Round);
  EXPECT_EQ(HostTrunc(GetParam().Value), GetParam().Trunc);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundingTest, ::testing::ValuesIn(kRoundCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct InvalidCase {
  const char* Name;
  long double Value;
};

const InvalidCase kInvalidCases[] = {
    {"NaN", std::numeric_limits<long double>::quiet_NaN()},
    {"PlusInfinity", std::numeric_limits<long double>::infinity()},
    {"MinusInfinity", -std::numeric_limits<long double>::infinity()},
    {"TwoPow63", 0x1p63L},
    {"DoubleOfInt64Max_IsTwoPow63", static_cast<long double>(static_cast<double>(kMax64))},
    {"BelowMinusTwoPow63", -0x1p63L - 1},
    {"Huge", 1e300L},
};

class RoundingInvalidTest : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(RoundingInvalidTest, RaisesInvalidOp) {
  EXPECT_THROW(HostRound(GetParam().Value), EInvalidOp);
  EXPECT_THROW(HostTrunc(GetParam().Value), EInvalidOp);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundingInvalidTest, ::testing::ValuesIn(kInvalidCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(RoundingTest, InvalidOp_IsAMathError) {
  EXPECT_THROW(HostRound(std::numeric_limits<long double>::quiet_NaN()), EMathError);
}

TEST(RoundingTest, TruncBelowMinusTwoPow63_WithinOne_IsAccepted) {
  // -2^63 - 0.5 truncates to -2^63, which is in range.
  EXPECT_EQ(HostTrunc(-0x1p63L - 0.5L), kMin64);
  EXPECT_THROW(HostRound(-0x1p63L - 0.75L), EInvalidOp);
}

struct DivCase {
  const char* Name;
  std::int64_t A, B, Quotient;
};

const DivCase kDivCases[] = {
    {"Positive", 7, 2, 3},
    {"NegativeDividend_TowardZero", -7, 2, -3},
    {"NegativeDivisor_TowardZero", 7, -2, -3},
    {"BothNegative", -7, -2, 3},
    {"Exact", 6, 3, 2},
    {"ZeroDividend", 0, 5, 0},
    {"Min64ByOne", kMin64, 1, kMin64},
    {"Min64ByTwo", kMin64, 2, kMin64 / 2},
    {"Max64ByMinusOne", kMax64, -1, -kMax64},
};

class HostDivTest : public ::testing::TestWithParam<DivCase> {};

TEST_P(HostDivTest, TruncatesTowardZero) {
  EXPECT_EQ(HostDiv(GetParam().A, GetParam().B), GetParam().Quotient);
}

INSTANTIATE_TEST_SUITE_P(Table, HostDivTest, ::testing::ValuesIn(kDivCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(HostDivTest, ZeroDivisor_RaisesDivByZero) {
  EXPECT_THROW(HostDiv(7, 0), EDivByZero);
  EXPECT_THROW(HostDiv(0, 0), EDivByZero);
  EXPECT_THROW(HostDiv(kMin64, 0), EDivByZero);
}

TEST(HostDivTest, Min64ByMinusOne_RaisesIntOverflow) {
  EXPECT_THROW(HostDiv(kMin64, -1), EIntOverflow);
}

struct Low32Case {
  const char* Name;
  std::int64_t Value;
  std::int32_t Low;
};

const Low32Case kLow32Cases[] = {
    {"Small", 5, 5},
    {"Negative", -5, -5},
    {"Int32Max", 0x7FFFFFFF, 0x7FFFFFFF},
    {"Int32MaxPlusOne_Wraps", 0x80000000LL, std::numeric_limits<std::int32_t>::min()},
    {"TwoPow32_IsZero", 0x100000000LL, 0},
    {"HighBitsDropped", 0x123456789ALL, 0x3456789A},
    {"Min64_IsZero", kMin64, 0},
    {"Max64_IsMinusOne", kMax64, -1},
};

class Low32Test : public ::testing::TestWithParam<Low32Case> {};

TEST_P(Low32Test, KeepsLowBits) { EXPECT_EQ(Low32(GetParam().Value), GetParam().Low); }

INSTANTIATE_TEST_SUITE_P(Table, Low32Test, ::testing::ValuesIn(kLow32Cases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

static_assert(Low32(0x1FFFFFFFFLL) == -1);

} // namespace
} // namespace zk
