// Geometry conversions and canvas rounding, table-driven, with the error
// rows of rounding, division and the integer centre point.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "base/HelperFunctions.h"
#include "geometry/Geometry.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

std::string Str(const TPointF& P) {
  return "(" + std::to_string(P.X) + "," + std::to_string(P.Y) + ")";
}

// Exact float comparison that treats NaN as equal to NaN.
bool Same(float A, float B) { return (std::isnan(A) && std::isnan(B)) || A == B; }

// ---- CanvasRound / CanvasTrunc ----------------------------------------------

struct RoundRow {
  double Value;
  std::int64_t Round, Trunc;
};

TEST(Geometry, CanvasRoundAndTruncRows) {
  const RoundRow Rows[] = {
      {0.5, 0, 0},       {1.5, 2, 1},         {2.5, 2, 2},          {3.5, 4, 3},
      {-0.5, 0, 0},      {-1.5, -2, -1},      {-2.5, -2, -2},       {2.7, 3, 2},
      {-2.7, -3, -2},    {-1.9, -2, -1},      {0.0, 0, 0},          {-0.0, 0, 0},
      {0.49999999999999994, 0, 0},            {4503599627370497.0, 4503599627370497, 4503599627370497},
      {0x1p62, std::int64_t{1} << 62, std::int64_t{1} << 62},
      {-0x1p63, kMin64, kMin64},  // -2^63 is accepted
      {2147483648.5, 2147483648, 2147483648},
  };
  for (const RoundRow& R : Rows) {
    SCOPED_TRACE(R.Value);
    EXPECT_EQ(CanvasRound(R.Value), R.Round);
    EXPECT_EQ(CanvasTrunc(R.Value), R.Trunc);
  }
}

TEST(Geometry, CanvasRoundAndTruncRaiseInvalidOp) {
  // double(INT64_MAX) is exactly 2^63, which has no 64-bit form.
  const double Rows[] = {kNaN, -kNaN, kInf, -kInf, 0x1p63, -0x1p64, 1e300, -1e300,
                         static_cast<double>(std::numeric_limits<std::int64_t>::max()),
                         std::numeric_limits<double>::max()};
  for (double V : Rows) {
    SCOPED_TRACE(V);
    EXPECT_THROW((void)CanvasRound(V), EInvalidOp);
    EXPECT_THROW((void)CanvasTrunc(V), EInvalidOp);
  }
}

// ---- CanvasDiv ------------------------------------------------------------------

TEST(Geometry, CanvasDivIntegerRows) {
  struct Row { std::int64_t A, B, Q; };
  const Row Rows[] = {{7, 2, 3}, {-7, 2, -3}, {7, -2, -3}, {-7, -2, 3}, {0, 5, 0},
                      {5, 5, 1}, {1, 3, 0},   {kMin64, 1, kMin64},     {kMin64, 2, kMin64 / 2}};
  for (const Row& R : Rows) {
    SCOPED_TRACE(std::to_string(R.A) + " div " + std::to_string(R.B));
    EXPECT_EQ(CanvasDiv(R.A, R.B), R.Q);
  }
  // int literals take the integer form (7 div 2 = 3, not round(3.5) = 4).
  EXPECT_EQ(CanvasDiv(7, 2), 3);
  EXPECT_EQ(CanvasDiv(7u, 2), 3);
  EXPECT_THROW((void)CanvasDiv(std::int64_t{1}, std::int64_t{0}), EDivByZero);
  EXPECT_THROW((void)CanvasDiv(0, 0), EDivByZero);
  EXPECT_THROW((void)CanvasDiv(kMin64, std::int64_t{-1}), EIntOverflow);
}

TEST(Geometry, CanvasDivFloatRows) {
  struct Row { double A, B; std::int64_t Q; };
  const Row Rows[] = {{7.0, 2.0, 4},   {5.0, 2.0, 2},  {-7.0, 2.0, -4}, {-5.0, 2.0, -2},
                      {1.0, 3.0, 0},   {2.0, 3.0, 1},  {0.0, 5.0, 0},   {1e18, 10.0, 100000000000000000},
                      {3.0, -2.0, -2}, {-3.0, -2.0, 2}};
  for (const Row& R : Rows) {
    SCOPED_TRACE(std::to_string(R.A) + " / " + std::to_string(R.B));
    EXPECT_EQ(CanvasDiv(R.A, R.B), R.Q);
  }
  // Mixed int and floating arguments take the floating form.
  EXPECT_EQ(CanvasDiv(7, 2.0), 4);
  EXPECT_EQ(CanvasDiv(7.0f, 2.0f), 4);
}

TEST(Geometry, CanvasDivFloatErrors) {
  struct Row { double A, B; int Kind; };  // 0 EZeroDivide, 1 EInvalidOp
  const Row Rows[] = {
      {1.0, 0.0, 0},  {-1.0, 0.0, 0}, {1.0, -0.0, 0}, {kInf, 0.0, 0}, {-kInf, 0.0, 0},
      {0.0, 0.0, 1},  {-0.0, 0.0, 1}, {kNaN, 0.0, 1}, {0.0, -0.0, 1},
      {kNaN, 1.0, 1},             // NaN quotient: rounding raises
      {1e300, 1e-300, 1},         // quotient beyond 2^63 (inf)
      {1e19, 1.0, 1},             // beyond 2^63
      {kInf, kInf, 1},            // inf / inf = NaN
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(std::to_string(R.A) + " / " + std::to_string(R.B));
    if (R.Kind == 0) EXPECT_THROW((void)CanvasDiv(R.A, R.B), EZeroDivide);
    else EXPECT_THROW((void)CanvasDiv(R.A, R.B), EInvalidOp);
  }
  // Both are math errors of the runtime hierarchy.
  EXPECT_THROW((void)CanvasDiv(1.0, 0.0), EMathError);
}

// ---- CanvasMax / CanvasMin ------------------------------------------------------

TEST(Geometry, CanvasMaxMin) {
  struct Row { std::vector<int> V; int Max, Min; };
  const Row Rows[] = {{{3, -7, 5}, 5, -7},
                      {{42}, 42, 42},
                      {{kMin32, kMax32}, kMax32, kMin32},
                      {{-1, -1, -1}, -1, -1},
                      {{0, kMin32}, 0, kMin32}};
  for (const Row& R : Rows) {
    EXPECT_EQ(CanvasMax(R.V), R.Max);
    EXPECT_EQ(CanvasMin(R.V), R.Min);
  }
  EXPECT_EQ(CanvasMax({3, -7, 5}), 5);
  EXPECT_EQ(CanvasMin({3, -7, 5}), -7);
  const std::vector<int> Empty;
  try {
    (void)CanvasMax(Empty);
    ADD_FAILURE() << "no exception";
  } catch (const std::invalid_argument& E) {
    EXPECT_STREQ(E.what(), "require at least one value");
  }
  EXPECT_THROW((void)CanvasMin(Empty), std::invalid_argument);
  EXPECT_THROW((void)CanvasMax(std::span<const int>{}), std::invalid_argument);
}

// ---- CanvasPoint / CanvasRect ------------------------------------------------

TEST(Geometry, CanvasPointRows) {
  EXPECT_EQ(CanvasPoint(1, 2), (TPoint{1, 2}));
  EXPECT_EQ(CanvasPoint(kMin32, kMax32), (TPoint{kMin32, kMax32}));
  struct Row { float X, Y; TPoint P; };
  const Row Rows[] = {
      {0.5f, 1.5f, {0, 2}},        {2.5f, -2.5f, {2, -2}},
      {-0.5f, 3.5f, {0, 4}},       {2.7f, -2.7f, {3, -3}},
      {2147483648.0f, 0, {kMin32, 0}},                 // 2^31: low 32 bits
      {4294967296.0f, -4294967296.0f, {0, 0}},          // 2^32
      {3e9f, -3e9f, {-1294967296, 1294967296}},        // 3e9 mod 2^32
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(std::to_string(R.X) + "," + std::to_string(R.Y));
    EXPECT_EQ(CanvasPoint(R.X, R.Y), R.P);
  }
  // A Double argument is passed as Single first (2.5000001 is 2.5f): ties to even.
  EXPECT_EQ(CanvasPoint(2.5, 3.5), (TPoint{2, 4}));
  EXPECT_EQ(CanvasPoint(2.50000001, 0.0), (TPoint{2, 0}));
  EXPECT_EQ(CanvasPoint(1, 2.5), (TPoint{1, 2}));
  EXPECT_THROW((void)CanvasPoint(kNaNf, 0.0f), EInvalidOp);
  EXPECT_THROW((void)CanvasPoint(0.0f, std::numeric_limits<float>::infinity()), EInvalidOp);
  EXPECT_THROW((void)CanvasPoint(0.0f, 1e30f), EInvalidOp);  // beyond 2^63
}

TEST(Geometry, CanvasRectRows) {
  EXPECT_EQ(CanvasRect(1, 2, 3, 4), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(CanvasRect(10, 10, 0, 0), (TRect{10, 10, 0, 0}));  // not normalised
  EXPECT_EQ(CanvasRect(0.5f, 1.5f, 2.5f, 3.5f), (TRect{0, 2, 2, 4}));
  EXPECT_EQ(CanvasRect(-0.5f, -1.5f, -2.5f, -3.5f), (TRect{0, -2, -2, -4}));
  EXPECT_EQ(CanvasRect(0.5, 1.5, 2.5, 3.5), (TRect{0, 2, 2, 4}));
  EXPECT_EQ(CanvasRect(0, 1.5, 2, 3), (TRect{0, 2, 2, 3}));
  EXPECT_EQ(CanvasRect(TRect{5, 6, 7, 8}), (TRect{5, 6, 7, 8}));
  EXPECT_EQ(CanvasRect(TRectF{0.5f, 1.5f, 2.5f, 3.5f}), (TRect{0, 2, 2, 4}));
  EXPECT_EQ(CanvasRect(TRectF{1e10f, 0, 0, 0}), (TRect{1410065408, 0, 0, 0}));
  EXPECT_THROW((void)CanvasRect(0.0f, 0.0f, kNaNf, 0.0f), EInvalidOp);
  EXPECT_THROW((void)CanvasRect(TRectF{0, 0, 0, kNaNf}), EInvalidOp);
}

TEST(Geometry, CanvasCenterPointRows) {
  struct Row { TRect R; TPoint C; };
  const Row Rows[] = {
      {{0, 0, 5, 5}, {2, 2}},
      {{-3, 0, 0, 0}, {-2, 0}},    // not (L + R) div 2 = -1
      {{5, 0, 0, 0}, {3, 0}},      // unnormalised
      {{0, 0, -5, -5}, {-2, -2}},
      {{1, 1, 4, 4}, {2, 2}},
      {{0, 0, 0, 0}, {0, 0}},
      // R - L wraps to -1 in 32 bits; -1 div 2 = 0; + L.
      {{kMin32, kMin32, kMax32, kMax32}, {kMin32, kMin32}},
      {{kMax32 - 1, 0, kMax32, 0}, {kMax32 - 1, 0}},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(::testing::Message() << R.R.Left << "," << R.R.Top << "," << R.R.Right << ","
                                      << R.R.Bottom);
    EXPECT_EQ(CanvasCenterPoint(R.R), R.C);
  }
}

TEST(Geometry, CanvasColourNames) {
  EXPECT_EQ(CanvasColorToString(clRed), "clRed");
  EXPECT_EQ(CanvasColorToString(0x123456), "$00123456");
  EXPECT_EQ(StringToCanvasColor("clBtnFace"), clBtnFace);
  EXPECT_EQ(StringToCanvasColor("$FFFFFFFF"), -1);
  EXPECT_EQ(StringToCanvasColor("255"), clRed);
  EXPECT_THROW((void)StringToCanvasColor("xyz"), EConvertError);
  std::string Ident = "unchanged";
  EXPECT_TRUE(CanvasColorToIdent(clRed, Ident));
  EXPECT_EQ(Ident, "clRed");
  Ident = "unchanged";
  EXPECT_FALSE(CanvasColorToIdent(0x123456, Ident));
  EXPECT_EQ(Ident, "unchanged");
  int Color = 7;
  EXPECT_TRUE(IdentToCanvasColor("clbtnface", Color));
  EXPECT_EQ(Color, clBtnFace);
  Color = 7;
  EXPECT_FALSE(IdentToCanvasColor("clNoSuchColour", Color));
  EXPECT_EQ(Color, 7);
}

// ---- Points -----------------------------------------------------------------

TEST(Geometry, PointConversions) {
  static_assert(ZKPoint(1.5f, 2.0f) == TPointF{1.5f, 2.0f});
  EXPECT_EQ(ZKPoint(1, 2), (TPointF{1, 2}));
  EXPECT_EQ(ZKPoint(TPoint{3, -4}), (TPointF{3, -4}));
  EXPECT_EQ(PointToZKPoint(TPoint{3, -4}), (TPointF{3, -4}));
  EXPECT_EQ(PointToZKPoint(TPoint{16777217, kMin32}), (TPointF{16777216.0f, -2147483648.0f}));

  const TCanvasPoints CP{{1, 2}, {-3, 4}, {0, 0}};
  EXPECT_EQ(PointsToZKPoints(CP), (TZKPoints{{1, 2}, {-3, 4}, {0, 0}}));
  EXPECT_TRUE(PointsToZKPoints(TCanvasPoints{}).empty());

  struct Row { TPointF F; TPoint P; };
  const Row Rows[] = {{{0.5f, 1.5f}, {0, 2}},  {{2.5f, -2.5f}, {2, -2}}, {{-0.5f, 3.5f}, {0, 4}},
                      {{1.4999999f, 1.5000001f}, {1, 2}},           {{3e9f, 0}, {-1294967296, 0}}};
  for (const Row& R : Rows) {
    SCOPED_TRACE(Str(R.F));
    EXPECT_EQ(ZKPointToPoint(R.F), R.P);
    EXPECT_EQ(ZKPointToCanvasPoint(R.F), R.P);
  }
  EXPECT_THROW((void)ZKPointToPoint(TPointF{kNaNf, 0}), EInvalidOp);
  EXPECT_THROW((void)ZKPointToCanvasPoint(TPointF{0, -std::numeric_limits<float>::infinity()}),
               EInvalidOp);

  EXPECT_EQ(ZKPointsToPoints(TZKPoints{{0.5f, 1.5f}, {2.5f, 3.5f}}), (TCanvasPoints{{0, 2}, {2, 4}}));
  EXPECT_TRUE(ZKPointsToPoints(TZKPoints{}).empty());
  EXPECT_THROW((void)ZKPointsToPoints(TZKPoints{{0, 0}, {kNaNf, 0}}), EInvalidOp);
}

TEST(Geometry, ZKPointToStringRows) {
  struct Row { TPointF P; const char* Format; const char* Text; };
  const Row Rows[] = {
      {{0.25f, 2}, "0.#########", "(0.25,2)"},
      {{0.1f, 0}, "0.#########", "(0.100000001,0)"},  // the Single nearest 0.1, exactly
      {{1.5f, -2}, "0.##", "(1.5,-2)"},
      {{0.125f, 2.5f}, "0.##", "(0.13,2.5)"},          // half away from zero in pictures
      {{0.125f, 2.5f}, "0", "(0,3)"},
      {{-0.001f, 0}, "0.##", "(0,0)"},                 // never "-0"
      {{-1234.5f, 1e6f}, "0.#########", "(-1234.5,1000000)"},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(R.Text);
    EXPECT_EQ(ZKPointToString(R.P, R.Format), R.Text);
  }
}

TEST(Geometry, StringToZKPointRows) {
  struct Row { const char* Text; TPointF P; };
  const Row Rows[] = {
      {"(1.5,2.5)", {1.5f, 2.5f}},
      {"(0.25,2)", {0.25f, 2}},
      {"(3,4", {3, 4}},                 // no closing parenthesis
      {"1.5,2.5", {0, 0}},              // first number discarded, third token empty
      {"", {0, 0}},
      {"(1,abc)", {0, 0}},              // never half a point
      {"(abc,1)", {0, 0}},
      {"( 1 , 2 )", {1, 2}},            // blanks around numbers are accepted
      {"(1e3,-.5)", {1000, -0.5f}},
      {"(+3,5.)", {3, 5}},
      {"x(1,2)", {1, 2}},               // the text before '(' is discarded
      {"(1,2)junk", {1, 2}},            // the third token ends at ')'
      {"(1,2,3)", {1, 2}},
      {"(1;2)", {0, 0}},
      {"((1,2))", {0, 0}},              // second token empty
      {"(1,5;2)", {0, 0}},
      {"(1.5.5,2)", {0, 0}},
      {"(inf,1)", {0, 0}},
      {"(nan,1)", {0, 0}},
      {"(1e400,1)", {0, 0}},            // beyond double: parse fails
      {"(1e39,1)", {0, 0}},             // beyond Single: the store overflows, swallowed
      {"(1,2", {1, 2}},
      {"(0.100000001,0)", {0.1f, 0}},
      {"(", {0, 0}},
      {"()", {0, 0}},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(R.Text);
    const TPointF P = StringToZKPoint(R.Text);
    EXPECT_EQ(P, R.P) << Str(P);
  }
  // Round trip of the written form.
  for (const TPointF P : {TPointF{0.25f, 2}, TPointF{0.1f, 0}, TPointF{-3.75f, 1e-3f}}) {
    SCOPED_TRACE(Str(P));
    EXPECT_EQ(StringToZKPoint(ZKPointToString(P, "0.#########")), P);
  }
}

TEST(Geometry, PointsEqualRows) {
  const float One = 1.0f, Next = std::nextafter(1.0f, 2.0f);
  const float Big = 123456.789f, BigNext = std::nextafter(Big, 0.0f);
  struct Row { TPointF A, B; bool Eq; };
  const Row Rows[] = {
      {{One, 5}, {Next, 5}, true},          // last bit of a Single
      {{Big, -Big}, {BigNext, -Big}, true},
      {{0, 0}, {0, 0}, true},
      {{1, 1}, {1.0001f, 1}, false},        // difference 1.00017e-4
      {{1, 1}, {1.00009f, 1}, true},
      {{1000, 0}, {1000.09f, 0}, true},     // tolerance grows: 0.1
      {{1000, 0}, {1000.2f, 0}, false},
      {{0, 0}, {0.0001f, 0}, true},         // exactly the tolerance
      {{0, 0}, {0, 0.0002f}, false},
      {{kNaNf, 0}, {kNaNf, 0}, false},      // NaN is never the same value
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(Str(R.A) + " vs " + Str(R.B));
    EXPECT_EQ(PointsEqual(R.A, R.B), R.Eq);
    EXPECT_EQ(PointsEqual(R.B, R.A), R.Eq);
  }
}

TEST(Geometry, ZKDistanceRows) {
  struct Row { TPointF A, B; float D; };
  const Row Rows[] = {{{0, 0}, {3, 4}, 5},
                      {{0, 0}, {-3, -4}, 5},
                      {{1, 1}, {1, 1}, 0},
                      {{0, 0}, {1, 1}, 1.41421354f},
                      {{-1, 0}, {2, 4}, 5},
                      // Squares beyond the Single range: extended precision inside.
                      {{0, 0}, {3e30f, 4e30f}, static_cast<float>(std::sqrt(
                                                   static_cast<long double>(3e30f) * 3e30f +
                                                   static_cast<long double>(4e30f) * 4e30f))}};
  for (const Row& R : Rows) {
    SCOPED_TRACE(Str(R.A) + " to " + Str(R.B));
    EXPECT_EQ(ZKDistance(R.A, R.B), R.D);
  }
  EXPECT_FLOAT_EQ(ZKDistance({0, 0}, {3e30f, 4e30f}), 5e30f);
  EXPECT_TRUE(std::isnan(ZKDistance({kNaNf, 0}, {0, 0})));
}

TEST(Geometry, ZKCenterPointFractionRows) {
  struct Row { TPointF A, B; float F; TPointF C; };
  const Row Rows[] = {
      {{0, 0}, {10, 20}, 0.25f, {2.5f, 5}},
      {{0, 0}, {10, 20}, 0, {0, 0}},
      {{0, 0}, {10, 20}, 1, {10, 20}},
      {{0, 0}, {10, 20}, 0.5f, {5, 10}},
      {{0, 0}, {10, 20}, 2, {20, 40}},       // not clamped: extrapolates
      {{0, 0}, {10, 20}, -1, {-10, -20}},
      {{3, 7}, {3, 7}, 0.3f, {3, 7}},        // A = B: B for any Fraction
      {{3, 7}, {3, 7}, kNaNf, {3, 7}},
      {{3, 7}, {3, 7}, 1e30f, {3, 7}},
      {{1, 5}, {1, 15}, kNaNf, {1, kNaNf}},  // per coordinate
      {{1, 5}, {1, 15}, 0.5f, {1, 10}},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(Str(R.A) + " " + Str(R.B) + " " + std::to_string(R.F));
    const TPointF C = ZKCenterPoint(R.A, R.B, R.F);
    EXPECT_TRUE(Same(C.X, R.C.X) && Same(C.Y, R.C.Y)) << Str(C);
  }
}

TEST(Geometry, ZKCenterPointArraysAndRect) {
  EXPECT_EQ(ZKCenterPoint(TZKPoints{}), (TPointF{0, 0}));
  EXPECT_EQ(ZKCenterPoint(TCanvasPoints{}), (TPointF{0, 0}));
  EXPECT_EQ(ZKCenterPoint(TZKPoints{{0, 0}, {10, 0}, {10, 10}, {0, 10}}), (TPointF{5, 5}));
  EXPECT_EQ(ZKCenterPoint(TCanvasPoints{{1, 2}, {3, 5}}), (TPointF{2, 3.5f}));
  EXPECT_EQ(ZKCenterPoint(TZKPoints{{7, -7}}), (TPointF{7, -7}));
  // Sums accumulate in Single: 16777216 + 1 + 1 stays 16777216, / 3.
  EXPECT_EQ(ZKCenterPoint(TZKPoints{{16777216, 0}, {1, 0}, {1, 0}}), (TPointF{5592405.5f, 0}));
  EXPECT_EQ(ZKCenterPoint(TCanvasPoints{{16777216, 0}, {1, 0}, {1, 0}}), (TPointF{5592405.5f, 0}));

  EXPECT_EQ(ZKCenterPoint(TRectF{0, 0, 10, 20}), (TPointF{5, 10}));
  EXPECT_EQ(ZKCenterPoint(TRectF{10, 0, 4, 2}), (TPointF{7, 1}));
  EXPECT_EQ(ZKCenterPoint(TRectF{-1, -1, 0, 0}), (TPointF{-0.5f, -0.5f}));
}

TEST(Geometry, ScalePointsRows) {
  EXPECT_TRUE(ScalePoints(TZKPoints{}, 2, 2).empty());
  EXPECT_TRUE(ScalePoints(TCanvasPoints{}, 2, 2).empty());
  EXPECT_EQ(ScalePoints(TZKPoints{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 2, 0.5f),
            (TZKPoints{{-5, 2.5f}, {15, 2.5f}, {15, 7.5f}, {-5, 7.5f}}));
  EXPECT_EQ(ScalePoints(TZKPoints{{1, 2}, {3, 4}}, 1, 1), (TZKPoints{{1, 2}, {3, 4}}));
  EXPECT_EQ(ScalePoints(TZKPoints{{1, 2}, {3, 4}}, 0, 0), (TZKPoints{{2, 3}, {2, 3}}));
  // Integer: the unrounded mean (0.5, 0.5); -0.5 -> 0 and 1.5 -> 2 by ties to even.
  EXPECT_EQ(ScalePoints(TCanvasPoints{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 2, 2),
            (TCanvasPoints{{0, 0}, {2, 0}, {2, 2}, {0, 2}}));
  EXPECT_EQ(ScalePoints(TCanvasPoints{{0, 0}, {3, 0}}, 1, 1), (TCanvasPoints{{0, 0}, {3, 0}}));
  EXPECT_EQ(ScalePoints(TCanvasPoints{{0, 0}, {4, 2}}, 0.5f, -1),
            (TCanvasPoints{{1, 2}, {3, 0}}));
  EXPECT_THROW((void)ScalePoints(TCanvasPoints{{0, 0}, {4, 2}}, kNaNf, 1), EInvalidOp);
}

// ---- Rectangles ------------------------------------------------------------------

TEST(Geometry, RectConstructorsAndConversions) {
  static_assert(ZKRect(1, 2, 3, 4) == TRectF{1, 2, 3, 4});
  static_assert(ZKRect(TPointF{1, 2}, TPointF{3, 4}) == TRectF{1, 2, 3, 4});
  static_assert(ZKRect(TRectF{1, 2, 3, 4}) == TRectF{1, 2, 3, 4});
  EXPECT_EQ(ZKRect(TRect{1, -2, 3, 16777217}), (TRectF{1, -2, 3, 16777216.0f}));
  EXPECT_EQ(RectToZKRect(TRect{1, -2, 3, 4}), (TRectF{1, -2, 3, 4}));

  struct Row { TRectF F; TRect R; };
  const Row Rows[] = {
      {{0.5f, 1.5f, 2.5f, 3.5f}, {0, 2, 2, 4}},   // side by side, never origin + size
      {{-0.5f, -1.5f, -2.5f, -3.5f}, {0, -2, -2, -4}},
      {{0.4f, 0.6f, 10.5f, 11.5f}, {0, 1, 10, 12}},
      {{1e10f, 0, 0, 0}, {1410065408, 0, 0, 0}},  // low 32 bits of 10^10
  };
  for (const Row& R : Rows) {
    EXPECT_EQ(ZKRectToRect(R.F), R.R);
  }
  EXPECT_THROW((void)ZKRectToRect(TRectF{0, kNaNf, 0, 0}), EInvalidOp);
}

TEST(Geometry, RectWidthHeight) {
  EXPECT_EQ(ZKRectWidth(TRect{10, 0, 4, 0}), -6);  // no normalisation
  EXPECT_EQ(ZKRectHeight(TRect{0, 10, 0, 4}), -6);
  EXPECT_EQ(ZKRectWidth(TRect{0, 0, 7, 9}), 7);
  EXPECT_EQ(ZKRectHeight(TRect{0, 0, 7, 9}), 9);
  EXPECT_EQ(ZKRectWidth(TRect{kMin32, 0, kMax32, 0}), -1);  // wraps in 32 bits
  EXPECT_EQ(ZKRectHeight(TRect{0, kMax32, 0, kMin32}), 1);
  EXPECT_EQ(ZKRectWidth(TRectF{10, 0, 4, 0}), -6.0f);
  EXPECT_EQ(ZKRectHeight(TRectF{0, 0.5f, 0, 3}), 2.5f);
}

TEST(Geometry, EqualsRectRows) {
  EXPECT_TRUE(EqualsRect(TRect{1, 2, 3, 4}, TRect{1, 2, 3, 4}));
  EXPECT_FALSE(EqualsRect(TRect{1, 2, 3, 4}, TRect{1, 2, 3, 5}));  // by 1 in one side
  EXPECT_FALSE(EqualsRect(TRect{0, 2, 3, 4}, TRect{1, 2, 3, 4}));
  const float N = std::nextafter(4.0f, 5.0f);
  EXPECT_TRUE(EqualsRect(TRectF{1, 2, 3, 4}, TRectF{1, 2, 3, N}));
  EXPECT_TRUE(EqualsRect(TRectF{1000, 0, 0, 0}, TRectF{1000.09f, 0, 0, 0}));
  EXPECT_FALSE(EqualsRect(TRectF{1, 2, 3, 4}, TRectF{1.0001f, 2, 3, 4}));
  EXPECT_FALSE(EqualsRect(TRectF{0, 0, 0, kNaNf}, TRectF{0, 0, 0, kNaNf}));
}

TEST(Geometry, ZKInflateRectRows) {
  TRect R{0, 0, 10, 10};
  ZKInflateRect(R, 2, 3);
  EXPECT_EQ(R, (TRect{-2, -3, 12, 13}));
  ZKInflateRect(R, -2, -3);
  EXPECT_EQ(R, (TRect{0, 0, 10, 10}));
  R = {kMin32, 0, kMax32, 0};
  ZKInflateRect(R, 1, 0);  // wraps
  EXPECT_EQ(R, (TRect{kMax32, 0, kMin32, 0}));
  R = {0, 0, 0, 0};
  ZKInflateRect(R, kMin32, 0);  // -kMin32 formed in 64 bits, then wrapped
  EXPECT_EQ(R, (TRect{kMin32, 0, kMin32, 0}));

  TRectF F{0, 0, 10, 10};
  ZKInflateRect(F, 0.5f, -1.0f);
  EXPECT_EQ(F, (TRectF{-0.5f, 1, 10.5f, 9}));
}

TEST(Geometry, ScaleRectRows) {
  const TRect R{0, 0, 10, 10};
  struct Row { float DX, DY; TRect Out; };
  const Row Rows[] = {
      {1, 3, {0, -2, 10, 12}},     // h = round(0.5) = 0, v = round(1.5) = 2
      {5, 5, {-2, -2, 12, 12}},    // round(2.5) = 2
      {7, 7, {-4, -4, 14, 14}},    // round(3.5) = 4
      {-2, -4, {1, 2, 9, 8}},      // shrinks
      {0, 0, {0, 0, 10, 10}},
      {2.9f, 0.9f, {-1, 0, 11, 10}},
  };
  for (const Row& Rw : Rows) {
    SCOPED_TRACE(std::to_string(Rw.DX) + "," + std::to_string(Rw.DY));
    EXPECT_EQ(ScaleRect(R, Rw.DX, Rw.DY), Rw.Out);
  }
  // Resolution against base/HelperFunctions.h ScaleRect(const TRect&, int, int):
  // int literals pick the base form (DX div 2), any floating amount this one.
  EXPECT_EQ(ScaleRect(R, 1, 3), (TRect{0, -1, 10, 11}));      // base: 1 div 2, 3 div 2
  EXPECT_EQ(ScaleRect(R, 1.0f, 3.0f), (TRect{0, -2, 10, 12}));
  EXPECT_EQ(ScaleRect(R, 1.0, 3.0), (TRect{0, -2, 10, 12}));  // double -> Single form
  EXPECT_EQ(ScaleRect(R, 1, 3.0f), (TRect{0, -2, 10, 12}));   // mixed -> Single form
  static_assert(std::is_same_v<decltype(ScaleRect(R, 1, 3)), TRect>);

  EXPECT_EQ(ScaleRect(TRect{kMax32, 0, 0, 0}, -2.0f, 0.0f), (TRect{kMin32, 0, -1, 0}));  // wraps
  EXPECT_THROW((void)ScaleRect(R, kNaNf, 0.0f), EInvalidOp);
  EXPECT_THROW((void)ScaleRect(R, 0.0f, 1e30f), EInvalidOp);

  EXPECT_EQ(ScaleRect(TRectF{0, 0, 10, 10}, 1, 3), (TRectF{-0.5f, -1.5f, 10.5f, 11.5f}));
  EXPECT_EQ(ScaleRect(TRectF{0, 0, 10, 10}, -2, -4), (TRectF{1, 2, 9, 8}));
}

// ---- Exception class ------------------------------------------------------------

TEST(Geometry, EZKGfxException) {
  static_assert(std::is_base_of_v<EZKException, EZKGfxException>);
  static_assert(std::is_base_of_v<Exception, EZKGfxException>);
  try {
    throw EZKGfxException("graphics failure");
  } catch (const EZKException& E) {
    EXPECT_STREQ(E.what(), "graphics failure");
    EXPECT_EQ(E.Message(), "graphics failure");
  }
}

} // namespace
} // namespace zk
