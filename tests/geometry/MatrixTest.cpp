#include "geometry/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>

#include "runtime/FloatCompare.h"

namespace zk {
namespace {

constexpr float kQuarterTurn = std::numbers::pi_v<float> / 2;
constexpr float kHalfTurn = std::numbers::pi_v<float>;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kNextAboveOne = 0x1.000002p+0f; // 1.00000012

float Radians(double Degrees) { return static_cast<float>(Degrees * std::numbers::pi / 180); }

void ExpectMatrixEq(const TMatrix& Expected, const TMatrix& Actual) {
  const auto E = ZKMatrixRows(Expected);
  const auto A = ZKMatrixRows(Actual);
  for (int I = 0; I < 3; ++I) {
    SCOPED_TRACE("row " + std::to_string(I + 1));
    EXPECT_EQ(E[I].X, A[I].X);
    EXPECT_EQ(E[I].Y, A[I].Y);
    EXPECT_EQ(E[I].W, A[I].W);
  }
}

// --- Point transforms -----------------------------------------------------------

struct TransformCase {
  const char* Name;
  TMatrix M;
  TPointF In;
  TPointF Out;
  float Tolerance; // 0: exact
};

class MatrixTransformTest : public ::testing::TestWithParam<TransformCase> {};

TEST_P(MatrixTransformTest, MapsPoint_AsRowVectorTimesMatrix) {
  const TransformCase& C = GetParam();
  const TPointF P = ZKMatrixMultiply(C.In, C.M);
  if (C.Tolerance == 0) {
    EXPECT_EQ(C.Out, P);
  } else {
    EXPECT_NEAR(C.Out.X, P.X, C.Tolerance);
    EXPECT_NEAR(C.Out.Y, P.Y, C.Tolerance);
  }
}

const TransformCase kTransformCases[] = {
    {"quarter_turn_maps_x_axis_to_y_axis", CreateRotationZKMatrix(kQuarterTurn), {1, 0}, {0, 1}, 1e-7f},
    {"quarter_turn_maps_y_axis_to_minus_x", CreateRotationZKMatrix(kQuarterTurn), {0, 1}, {-1, 0}, 1e-7f},
    {"half_turn_about_10_10", CreateRotationZKMatrix({10, 10}, kHalfTurn), {20, 10}, {0, 10}, 1e-5f},
    {"translate_then_scale",
     ZKMatrixMultiply(CreateTranslateZKMatrix(5, 0), CreateScaleZKMatrix(2, 2)), {1, 0}, {12, 0}, 0},
    {"scale_then_translate",
     ZKMatrixMultiply(CreateScaleZKMatrix(2, 2), CreateTranslateZKMatrix(5, 0)), {1, 0}, {7, 0}, 0},
    {"translation_in_third_row", CreateTranslateZKMatrix(3, -4), {1, 1}, {4, -3}, 0},
    {"third_column_ignored_for_points", {1, 0, 7, 0, 1, 8, 2, 3, 9}, {1, 1}, {3, 4}, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, MatrixTransformTest, ::testing::ValuesIn(kTransformCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(MatrixTransformTest, PointVectorAndTransformForms_Agree) {
  // A matrix with a projective third column: the point forms ignore it, the
  // vector product computes W from it, the transform sets W to 1.
  const TMatrix M{0.5f, -2, 0.25f, 3, 1.5f, -1, 10, -20, 2};
  const TPointF P{3, -7};
  EXPECT_EQ((TPointF{-9.5f, -36.5f}), ZKMatrixMultiply(P, M));
  EXPECT_EQ((TVector{-9.5f, -36.5f, 1}), ZKMatrixTransform(M, ZKVector(P, 1)));
  EXPECT_EQ((TVector{-9.5f, -36.5f, 9.75f}), ZKMatrixMultiply(ZKVector(P, 1), M));
}

TEST(MatrixTransformTest, Rect_TransformsTwoCornersWithoutNormalising) {
  const TRectF R = ZKMatrixTransform(CreateRotationZKMatrix(kHalfTurn), TRectF{0, 0, 10, 10});
  EXPECT_EQ(0, R.Left);
  EXPECT_EQ(0, R.Top);
  EXPECT_NEAR(-10, R.Right, 1e-5);
  EXPECT_NEAR(-10, R.Bottom, 1e-5);
  // A skew moves the untransformed corners; only TL and BR are mapped.
  EXPECT_EQ((TRectF{0, 0, 10, 20}), ZKMatrixTransform({1, 1, 0, 0, 1, 0, 0, 0, 1}, TRectF{0, 0, 10, 10}));
}

TEST(MatrixTransformTest, Distance_IsVerticalScaleTimesAbsoluteLength) {
  const struct {
    const char* Name;
    float S;
    TMatrix M;
    float Expected;
  } Cases[] = {
      {"vertical_scale_wins", 3, CreateScaleZKMatrix(2, 5), 15},
      {"negative_distance_gives_length", -3, CreateScaleZKMatrix(2, 5), 15},
      {"zero_is_zero_even_for_nan_matrix", 0, {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}, 0},
      {"translation_cancels", 4, CreateTranslateZKMatrix(100, -50), 4},
      {"second_row_length", 2, {1, 0, 0, 3, 4, 0, 9, 9, 1}, 10},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Expected, ZKMatrixMultiply(C.S, C.M));
  }
}

// --- Inversion --------------------------------------------------------------------

struct InvertCase {
  const char* Name;
  TMatrix In;
  TMatrix Out;
};

class MatrixInvertTest : public ::testing::TestWithParam<InvertCase> {};

TEST_P(MatrixInvertTest, ReplacesMatrixByInverse_OrIdentityWhenSingular) {
  TMatrix M = GetParam().In;
  InvertZKMatrix(M);
  ExpectMatrixEq(GetParam().Out, M);
}

const InvertCase kInvertCases[] = {
    {"scale_2_4", CreateScaleZKMatrix(2, 4), CreateScaleZKMatrix(0.5f, 0.25f)},
    {"translation", CreateTranslateZKMatrix(3, -4), CreateTranslateZKMatrix(-3, 4)},
    {"scale_and_translate", {2, 0, 0, 0, 4, 0, 6, 8, 1}, {0.5f, 0, 0, 0, 0.25f, 0, -3, -2, 1}},
    {"unimodular_general", {1, 2, 3, 0, 1, 4, 5, 6, 0}, {-24, 18, 5, 20, -15, -4, -5, 4, 1}},
    {"zero_scale_is_singular", CreateScaleZKMatrix(0, 1), ZKIdentityMatrix},
    {"determinant_below_epsilon", CreateScaleZKMatrix(1e-20f, 1e-21f), ZKIdentityMatrix},
    {"nan_determinant", {kNaN, 0, 0, 0, 1, 0, 0, 0, 1}, ZKIdentityMatrix},
    {"rank_one", {1, 2, 0, 2, 4, 0, 0, 0, 1}, ZKIdentityMatrix},
};

INSTANTIATE_TEST_SUITE_P(Cases, MatrixInvertTest, ::testing::ValuesIn(kInvertCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(MatrixInvertTest, RandomAffineTimesInverse_IsIdentity) {
  std::mt19937 Random(20240601);
  std::uniform_real_distribution<float> Angle(-7, 7), Scale(0.25f, 4), Shift(-500, 500), Skew(-1, 1);
  for (int I = 0; I < 500; ++I) {
    const TMatrix Shear{1, 0, 0, Skew(Random), 1, 0, 0, 0, 1};
    TMatrix M = ZKMatrixMultiply(
        ZKMatrixMultiply(CreateRotationZKMatrix(Angle(Random)), CreateScaleZKMatrix(Scale(Random), Scale(Random))),
        Shear);
    M.m31 = Shift(Random);
    M.m32 = Shift(Random);
    TMatrix Inverse = M;
    InvertZKMatrix(Inverse);
    const TMatrix Product = ZKMatrixMultiply(M, Inverse);
    SCOPED_TRACE(I);
    // Relative to the translation's magnitude: rounding each element to float
    // leaves about 500 * 2^-24 of error in the third row.
    ASSERT_TRUE(ZKMatrixEquals(Product, ZKIdentityMatrix, 1e-3f));
  }
}

TEST(MatrixAlgebraTest, Adjugate_IsTransposedCofactors) {
  TMatrix M{1, 2, 3, 0, 1, 4, 5, 6, 0};
  AdjointZKMatrix(M);
  ExpectMatrixEq({-24, 18, 5, 20, -15, -4, -5, 4, 1}, M);
  TMatrix S{2, 1, 0, 1, 3, 1, 0, 1, 4};
  EXPECT_EQ(18, ZKMatrixDeterminant(S));
  AdjointZKMatrix(S);
  ExpectMatrixEq({11, -4, 1, -4, 8, -2, 1, -2, 5}, S);
}

TEST(MatrixAlgebraTest, Determinant_Table) {
  const struct {
    const char* Name;
    TMatrix M;
    float Expected;
  } Cases[] = {
      {"identity", ZKIdentityMatrix, 1},
      {"unimodular_general", {1, 2, 3, 0, 1, 4, 5, 6, 0}, 1},
      {"scale", CreateScaleZKMatrix(2, -3), -6},
      {"translation_does_not_count", CreateTranslateZKMatrix(7, 9), 1},
      {"singular_rows", {1, 2, 3, 2, 4, 6, 7, 8, 9}, 0},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Expected, ZKMatrixDeterminant(C.M));
  }
}

TEST(MatrixAlgebraTest, Product_ComposesLeftFirst) {
  const TMatrix A{1, 2, 0, 3, 4, 0, 5, 6, 1};
  const TMatrix B{0, 1, 0, -1, 0, 0, 2, 3, 1};
  ExpectMatrixEq({-2, 1, 0, -4, 3, 0, -4, 8, 1}, ZKMatrixMultiply(A, B));
  const TVector V{2, -1, 1};
  EXPECT_EQ(ZKMatrixMultiply(ZKMatrixMultiply(V, A), B), ZKMatrixMultiply(V, ZKMatrixMultiply(A, B)));
}

TEST(MatrixAlgebraTest, ScaleMultipliesEveryElement) {
  TMatrix M{1, 2, 3, 4, 5, 6, 7, 8, 9};
  ScaleZKMatrix(M, -0.5f);
  ExpectMatrixEq({-0.5f, -1, -1.5f, -2, -2.5f, -3, -3.5f, -4, -4.5f}, M);
}

// --- Comparison -----------------------------------------------------------------

TEST(MatrixCompareTest, IdentityIsExact_EqualsIsTolerant) {
  TMatrix Nearly = ZKIdentityMatrix;
  Nearly.m11 = kNextAboveOne;
  EXPECT_FALSE(IsIdentityMatrix(Nearly));
  EXPECT_TRUE(ZKMatrixEquals(Nearly, ZKIdentityMatrix, 1e-6f));
  EXPECT_TRUE(ZKMatrixEquals(Nearly, ZKIdentityMatrix, 0)); // 0: the default 1E-4 tolerance
  TMatrix Far = ZKIdentityMatrix;
  Far.m33 = 1.001f;
  EXPECT_FALSE(ZKMatrixEquals(Far, ZKIdentityMatrix, 0));
  EXPECT_TRUE(ZKMatrixEquals(Far, ZKIdentityMatrix, 0.01f));
  EXPECT_TRUE(IsIdentityMatrix(CreateRotationZKMatrix(0)));
  EXPECT_TRUE(IsIdentityMatrix(ZKMatrix(ZKIdentityMatrix)));
  TMatrix WithNaN = ZKIdentityMatrix;
  WithNaN.m12 = kNaN;
  EXPECT_FALSE(ZKMatrixEquals(WithNaN, WithNaN, 1));
}

// --- Decompositions -------------------------------------------------------------

TEST(MatrixDecomposeTest, RotationAngle_InDegreesFrom0To360) {
  const struct {
    const char* Name;
    double Degrees;
    float Expected;
  } Cases[] = {
      {"zero_is_zero_not_360", 0, 0},       {"minus_90_is_270", -90, 270}, {"quarter", 90, 90},
      {"eighth", 45, 45},                   {"half", 180, 180},            {"three_quarters", 270, 270},
      {"just_below_full_turn", 359, 359},   {"one_degree", 1, 1},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Expected, ZKMatrixRotationAngle(CreateRotationZKMatrix(Radians(C.Degrees))));
  }
  EXPECT_EQ(0, ZKMatrixRotationAngle(CreateScaleZKMatrix(3, 0.5f)));
  EXPECT_TRUE(std::isnan(ZKMatrixRotationAngle({kNaN, 0, 0, kNaN, 1, 0, 0, 0, 1})));
}

TEST(MatrixDecomposeTest, EulerAngles_AreTwoArgumentArcTangents) {
  const TVector Rotated = ZKMatrixEulerAngles(CreateRotationZKMatrix(0.5f));
  EXPECT_EQ(0, Rotated.X);
  EXPECT_EQ(0, Rotated.Y);
  EXPECT_FLOAT_EQ(-0.5f, Rotated.W); // m21 = -sin: the z angle runs the other way
  const TVector Shifted = ZKMatrixEulerAngles(CreateTranslateZKMatrix(1, 0));
  EXPECT_EQ((TVector{0, -std::numbers::pi_v<float> / 4, 0}), Shifted);
}

TEST(MatrixDecomposeTest, TranslationAndScaleVectors) {
  const TMatrix M{2, 9, 0, 8, 3, 0, 5, -6, 1};
  EXPECT_EQ((TPointF{5, -6}), ZKMatrixTranslationVector(M));
  EXPECT_EQ((TPointF{2, 3}), ZKMatrixScaleVector(M));
}

TEST(MatrixViewTest, ArrayViewsRoundTrip) {
  const TMatrix M{1, 2, 3, 4, 5, 6, 7, 8, 9};
  const TZKMatrixArray Rows = ZKMatrixRows(M);
  EXPECT_EQ((TVector{4, 5, 6}), Rows[1]);
  EXPECT_EQ(M, ZKMatrixFromRows(Rows));
  const TZKVectorArray A = ZKVectorArray(TVector{1, 2, 3});
  EXPECT_EQ(3, A[2]);
  EXPECT_EQ((TVector{1, 2, 3}), ZKVectorFromArray(A));
  static_assert(CreateScaleZKMatrix(1, 1) == ZKIdentityMatrix && CreateTranslateZKMatrix(0, 0) == ZKIdentityMatrix);
}

// --- Vectors ----------------------------------------------------------------------

struct VectorCase {
  const char* Name;
  TVector Actual;
  TVector Expected;
};

class VectorOpTest : public ::testing::TestWithParam<VectorCase> {};

TEST_P(VectorOpTest, ComponentsExact) { EXPECT_EQ(GetParam().Expected, GetParam().Actual); }

const VectorCase kVectorCases[] = {
    {"add_sets_w_to_1", ZKVectorAdd({1, 2, 0}, {3, -5, 0}), {4, -3, 1}},
    {"subtract_sets_w_to_1", ZKVectorSubtract({1, 2, 7}, {3, -5, 7}), {-2, 7, 1}},
    {"multiply_keeps_w", ZKVectorMultiply({1, -2, 0.5f}, 3), {3, -6, 0.5f}},
    {"multiply_scalar_first_keeps_w", ZKVectorMultiply(3, {1, -2, 0.5f}), {3, -6, 0.5f}},
    {"divide_by_zero_unchanged", ZKVectorDivide({1, 2, 3}, 0), {1, 2, 3}},
    {"divide_by_minus_zero_unchanged", ZKVectorDivide({1, 2, 3}, -0.0f), {1, 2, 3}},
    // 10 times the float reciprocal of 3, not 10.0f / 3 (0x1.aaaaaap+1).
    {"divide_multiplies_by_reciprocal", ZKVectorDivide({10, 0, 5}, 3), {0x1.aaaaacp+1f, 0, 5}},
    {"normalize_zero_length_unchanged", ZKVectorNormalize({0, 0, 7}), {0, 0, 7}},
    {"normalize_keeps_w", ZKVectorNormalize({3, -4, 2}), {0.6f, -0.8f, 2}},
    {"reflect_on_horizontal_line", ZKVectorReflect({1, -1, 9}, {0, 1, 0}), {1, 1, 1}},
    // The float nearest sqrt(1/2) is not exact, so (0, 1) is missed by an ulp.
    {"reflect_on_diagonal", ZKVectorReflect({1, 0, 0}, {-0x1.6a09e6p-1f, 0x1.6a09e6p-1f, 0}),
     {0x1p-24f, 0x1.fffffep-1f, 1}},
    {"vector_copy", Vector({1, 2, 3}), {1, 2, 3}},
    {"from_point_and_w", ZKVector(TPointF{4, 5}, 0), {4, 5, 0}},
};

INSTANTIATE_TEST_SUITE_P(Cases, VectorOpTest, ::testing::ValuesIn(kVectorCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(VectorOpTest, ScalarProducts) {
  const TVector A{3, 4, 100}, B{-2, 5, -100};
  EXPECT_EQ(14, ZKVectorDotProduct(A, B));
  EXPECT_EQ(23, ZKVectorCrossProductZ(A, B));
  EXPECT_EQ(25, ZKVectorNorm(A));
  EXPECT_EQ(5, ZKVectorLength(A));
  EXPECT_EQ((TPointF{3, 4}), ZKPoint(A)); // W ignored, not divided by
}

TEST(VectorOpTest, Reflect_IsNotNormalised) {
  // A normal of length 2 reflects V by a factor 4 too far along the normal.
  EXPECT_EQ((TVector{1, 7, 1}), ZKVectorReflect({1, -1, 1}, {0, 2, 1}));
}

TEST(VectorAngleTest, SignedDegrees_Table) {
  const struct {
    const char* Name;
    TVector A, B;
    float Expected;
  } Cases[] = {
      {"x_to_y_is_minus_90", {1, 0, 1}, {0, 1, 1}, -90},
      {"y_to_x_is_plus_90", {0, 1, 1}, {1, 0, 1}, 90},
      {"zero_length_is_minus_90", {0, 0, 1}, {5, 5, 1}, -90},
      {"opposite_is_minus_180", {1, 0, 1}, {-3, 0, 1}, -180},
      {"w_ignored", {1, 0, 0}, {1, 1, 55}, -45},
      // The cosine of this pair rounds to -1.00000012; the angle must not fail.
      {"cosine_below_minus_one_clamped",
       {-0x1.4a5818p+4f, 0x1.5c6e68p+6f, 1}, {0x1.4a5818p+3f, -0x1.5c6e68p+5f, 1}, -180},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Expected, ZKVectorAngle(C.A, C.B));
  }
  const float Parallel = ZKVectorAngle({2, 1, 1}, {4, 2, 1});
  EXPECT_EQ(0, Parallel);
  EXPECT_TRUE(std::signbit(Parallel)); // -0: the cross product 0 counts as >= 0
  EXPECT_TRUE(std::isnan(ZKVectorAngle({kNaN, 0, 1}, {1, 0, 1})));
}

TEST(VectorAngleTest, Cosine_CappedAboveOnly) {
  const TVector A{-0x1.4a5818p+4f, 0x1.5c6e68p+6f, 1};
  EXPECT_EQ(-0x1.000002p+0f, ZKVectorAngleCosine(A, {0x1.4a5818p+3f, -0x1.5c6e68p+5f, 1}));
  // This pair's quotient rounds above 1 before the cap.
  const TVector B{-0x1.2a8576p+5f, -0x1.45c264p+6f, 1};
  EXPECT_EQ(1, ZKVectorAngleCosine(B, ZKVectorMultiply(B, 3)));
  EXPECT_EQ(0, ZKVectorAngleCosine({0, 0, 1}, B));
  EXPECT_EQ(0, ZKVectorAngleCosine(B, {0, 0, 1}));
}

} // namespace
} // namespace zk
