// SameValue and the float constants.
#include "runtime/FloatCompare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zk {
namespace {

struct SingleCase {
  const char* Name;
  float A, B, Eps;
  bool Same;
};

const SingleCase kSingleCases[] = {
    // Default tolerance (Eps = 0): max(min(|A|,|B|) * 1E-4, 1E-4), held as a Single.
    {"One_vs_1_0001_DifferenceAboveTolerance", 1.0f, 1.0001f, 0, false},
    {"One_vs_1_00009", 1.0f, 1.00009f, 0, true},
    {"Thousand_vs_1000_09_ToleranceTenth", 1000.0f, 1000.09f, 0, true},
    {"Thousand_vs_1000_2", 1000.0f, 1000.2f, 0, false},
    {"Zero_vs_0_0001_DifferenceEqualsTolerance", 0.0f, 0.0001f, 0, true},
    {"Million_vs_PlusHundred", 1e6f, 1e6f + 100, 0, true},
    {"Million_vs_PlusHundredOne", 1e6f, 1e6f + 101, 0, false},
    {"Ten_vs_10_0009_PointEquality", 10.0f, 10.0009f, 0, true},
    {"Zero_vs_0_0001_PointEquality", 0.0f, 0.0001f, 0, true},
    {"Symmetric", 1.00009f, 1.0f, 0, true},
    {"Negative", -1000.0f, -1000.09f, 0, true},
    // Explicit tolerances.
    {"Epsilon_IsExactInPractice_Equal", 1.0f, 1.0f, Epsilon, true},
    {"Epsilon_IsExactInPractice_OneUlp", 1.0f, 1.00000012f, Epsilon, false},
    {"ExplicitTolerance", 1.0f, 1.5f, 0.5f, true},
    {"ExplicitToleranceExceeded", 1.0f, 1.6f, 0.5f, false},
    // NaN is never the same value.
    {"NaN_vs_NaN", std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN(), 0, false},
    {"NaN_vs_One", std::numeric_limits<float>::quiet_NaN(), 1.0f, 0, false},
};

class SameValueSingleTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SameValueSingleTest, Compares) {
  const SingleCase& C = GetParam();
  EXPECT_EQ(SameValue(C.A, C.B, C.Eps), C.Same);
}

INSTANTIATE_TEST_SUITE_P(Table, SameValueSingleTest, ::testing::ValuesIn(kSingleCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(SameValueSingleTest, OneUlpApart_AlwaysSame) {
  for (float V : {1e-30f, 1e-5f, 0.1f, 1.0f, 3.0f, 1000.0f, 1e6f, 1e20f, -7.5f}) {
    const float Next = std::nextafter(V, std::numeric_limits<float>::infinity());
    EXPECT_TRUE(SameValue(V, Next)) << V;
  }
}

struct DoubleCase {
  const char* Name;
  double A, B, Eps;
  bool Same;
};

const DoubleCase kDoubleCases[] = {
    {"One_vs_OnePlusHalfE_12", 1.0, 1.0 + 5e-13, 0, true},
    {"One_vs_OnePlus2e_12", 1.0, 1.0 + 2e-12, 0, false},
    {"Zero_vs_1e_13", 0.0, 1e-13, 0, true},
    {"Zero_vs_1e_11", 0.0, 1e-11, 0, false},
    {"Million_vs_PlusHalfMicro", 1e6, 1e6 + 5e-7, 0, true},
    {"Million_vs_PlusTwoMicro", 1e6, 1e6 + 2e-6, 0, false},
    {"NaN", std::numeric_limits<double>::quiet_NaN(), 0.0, 0, false},
};

class SameValueDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(SameValueDoubleTest, Compares) {
  const DoubleCase& C = GetParam();
  EXPECT_EQ(SameValue(C.A, C.B, C.Eps), C.Same);
}

INSTANTIATE_TEST_SUITE_P(Table, SameValueDoubleTest, ::testing::ValuesIn(kDoubleCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FloatConstantsTest, Epsilon_IsSubnormalNonZero) {
  EXPECT_EQ(Epsilon, 0x1.16c2p-133f); // 9.99994610e-41
  EXPECT_GT(Epsilon, 0.0f);
  EXPECT_EQ(std::fpclassify(Epsilon), FP_SUBNORMAL);
}

TEST(FloatConstantsTest, cPI_IsSinglePi) {
  EXPECT_EQ(cPI, 0x1.921fb6p+1f); // 3.14159274101257324
  EXPECT_EQ(static_cast<double>(cPI / 2), 1.5707963705062866);
}

} // namespace
} // namespace zk
