#include "geometry/RectOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "geometry/Matrix.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();

template <class Case> std::string RowName(const ::testing::TestParamInfo<Case>& Info) { return Info.param.Name; }

// --- Centring ------------------------------------------------------------------

TEST(CenterRectTest, OnPoint_Table) {
  const struct {
    const char* Name;
    TRect Actual, Expected;
  } Cases[] = {
      {"odd_size_loses_a_unit", CenterRect(10, 10, 5, 5), {8, 8, 12, 12}},
      {"point_form", CenterRect(TPoint{10, 10}, 5, 5), {8, 8, 12, 12}},
      {"negative_size_halves_toward_zero", CenterRect(0, 0, -5, -3), {2, 1, -2, -1}},
      {"sums_wrap_to_32_bits", CenterRect(kMaxInt, kMinInt, 4, 4), {kMaxInt - 2, kMaxInt - 1, kMinInt + 1, kMinInt + 2}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Expected, C.Actual);
  }
  EXPECT_EQ((TRectF{7.5f, 7.5f, 12.5f, 12.5f}), CenterRect(TPointF{10, 10}, 5, 5));
  EXPECT_EQ((TRectF{7.5f, 8, 12.5f, 12}), CenterRect(10, 10, 5.0, 4)); // any floating argument: float form
}

struct CenterInCase {
  const char* Name;
  TRectF R, Bounds, Expected;
};

class CenterRectInBoundsTest : public ::testing::TestWithParam<CenterInCase> {};

TEST_P(CenterRectInBoundsTest, MovesByWholeUnitsAndReturnsR) {
  const CenterInCase& C = GetParam();
  TRectF R = C.R;
  EXPECT_EQ(C.Expected, CenterRect(R, C.Bounds));
  EXPECT_EQ(C.Expected, R);
}

const CenterInCase kCenterInCases[] = {
    {"half_unit_offset_rounds_to_even_4", {0, 0, 3, 3}, {0, 0, 10, 10}, {4, 4, 7, 7}},
    {"whole_offset", {0, 0, 3, 3}, {0, 0, 9, 9}, {3, 3, 6, 6}},
    {"size_kept_position_dropped", {100, 100, 103, 104}, {10, 20, 20, 30}, {14, 23, 17, 27}},
    {"fractional_size_whole_offset", {0, 0, 2.5f, 1}, {0, 0, 10, 10}, {4, 4, 6.5f, 5}},
    {"larger_than_bounds_overhangs", {0, 0, 20, 20}, {0, 0, 10, 10}, {-5, -5, 15, 15}},
};

INSTANTIATE_TEST_SUITE_P(Cases, CenterRectInBoundsTest, ::testing::ValuesIn(kCenterInCases),
                         RowName<CenterInCase>);

TEST(CenterRectInBoundsTest, IntegerForm_RoundsSidesBack) {
  TRect R{0, 0, 3, 3};
  EXPECT_EQ((TRect{4, 4, 7, 7}), CenterRect(R, TRect{0, 0, 10, 10}));
  EXPECT_EQ((TRect{4, 4, 7, 7}), R);
}

TEST(CenterRectInBoundsTest, NonFiniteSize_RaisesAndLeavesR) {
  TRectF R{0, 0, kNaN, 3};
  EXPECT_THROW(CenterRect(R, TRectF{0, 0, 10, 10}), EInvalidOp);
  EXPECT_EQ(0, R.Left);
  EXPECT_TRUE(std::isnan(R.Right));
}

// --- Fitting ---------------------------------------------------------------------

struct FitCase {
  const char* Name;
  TRect R, Bounds;
  bool Enlarge;
  float Divisor;
  TRect Expected;
};

class FitRectTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitRectTest, IntegerAndFloatForms) {
  const FitCase& C = GetParam();
  TRect R = C.R;
  EXPECT_EQ(C.Divisor, FitRect(R, C.Bounds, C.Enlarge));
  EXPECT_EQ(C.Expected, R);
  // Every row has whole-unit results, so the float form agrees.
  TRectF RF{float(C.R.Left), float(C.R.Top), float(C.R.Right), float(C.R.Bottom)};
  const TRectF BF{float(C.Bounds.Left), float(C.Bounds.Top), float(C.Bounds.Right), float(C.Bounds.Bottom)};
  EXPECT_EQ(C.Divisor, FitRect(RF, BF, C.Enlarge));
  EXPECT_EQ((TRectF{float(C.Expected.Left), float(C.Expected.Top), float(C.Expected.Right), float(C.Expected.Bottom)}),
            RF);
}

const FitCase kFitCases[] = {
    {"wide_shrinks_by_width", {0, 0, 200, 100}, {0, 0, 100, 100}, false, 2, {0, 25, 100, 75}},
    {"tall_shrinks_by_height", {0, 0, 50, 400}, {10, 10, 110, 210}, false, 2, {48, 10, 73, 210}},
    {"small_kept_and_centred", {0, 0, 20, 10}, {0, 0, 100, 100}, false, 0.2f, {40, 45, 60, 55}},
    {"small_enlarged", {0, 0, 20, 10}, {0, 0, 100, 100}, true, 0.2f, {0, 25, 100, 75}},
    {"exact_fit", {5, 5, 105, 55}, {0, 0, 100, 50}, false, 1, {0, 0, 100, 50}},
    {"zero_width_bounds_untouched", {1, 2, 3, 4}, {0, 0, 0, 100}, true, 1, {1, 2, 3, 4}},
    {"zero_height_bounds_untouched", {1, 2, 3, 4}, {0, 7, 100, 7}, false, 1, {1, 2, 3, 4}},
    // A divisor of 0 would divide by zero; the empty size is kept and centred.
    {"empty_r_enlarged_kept", {5, 5, 5, 5}, {0, 0, 100, 100}, true, 0, {50, 50, 50, 50}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FitRectTest, ::testing::ValuesIn(kFitCases), RowName<FitCase>);

TEST(FitRectTest, ShrunkSizeRoundedOnlyInIntegerForm) {
  TRect R{0, 0, 300, 100};
  EXPECT_EQ(3, FitRect(R, TRect{0, 0, 100, 100}, false));
  EXPECT_EQ((TRect{0, 34, 100, 67}), R); // height round(33.3) = 33, offset round(33.5) = 34
  TRectF RF{0, 0, 300, 100};
  EXPECT_EQ(3, FitRect(RF, TRectF{0, 0, 100, 100}, false));
  // Height 100/3 = 0x1.0aaaaap+5 (33.3333321), offset round(33.33) = 33.
  EXPECT_EQ((TRectF{0, 33, 100, 0x1.095554p+6f}), RF);
}

TEST(FitRectTest, FloatForm_NonFiniteSizeRaisesAndLeavesR) {
  TRectF R{0, 0, std::numeric_limits<float>::infinity(), 10};
  EXPECT_THROW(FitRect(R, TRectF{0, 0, 100, 100}, true), EInvalidOp);
  EXPECT_EQ(10, R.Bottom);
  TRectF Any{1, 2, 3, 4};
  EXPECT_EQ(1, FitRect(Any, TRectF{0, 0, kNaN, 0}, true)); // a NaN width does not hide a zero height
  EXPECT_EQ((TRectF{1, 2, 3, 4}), Any);
}

TEST(FitRectTest, MatrixForm_StretchesOntoBoundsThenTransforms) {
  const struct {
    const char* Name;
    TMatrix M;
    TRectF R, Bounds, Expected;
  } Cases[] = {
      {"origin_rect_lands_on_bounds", ZKIdentityMatrix, {0, 0, 10, 20}, {5, 5, 25, 45}, {5, 5, 25, 45}},
      {"then_matrix_applied", CreateScaleZKMatrix(2, 2), {0, 0, 10, 20}, {5, 5, 25, 45}, {10, 10, 50, 90}},
      {"aspect_not_kept", ZKIdentityMatrix, {0, 0, 10, 10}, {0, 0, 40, 20}, {0, 0, 40, 20}},
      {"offset_rect_scaled_about_origin", ZKIdentityMatrix, {10, 10, 20, 20}, {0, 0, 100, 100}, {100, 100, 200, 200}},
      {"zero_area_only_moved", ZKIdentityMatrix, {0, 0, 0, 10}, {5, 5, 25, 45}, {5, 5, 5, 15}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Expected, FitRect(C.M, C.R, C.Bounds));
  }
}

TEST(OffsetZKRectTest, MovesAllSides) {
  TRectF R{1, 2, 3, 4};
  EXPECT_TRUE(OffsetZKRect(R, 10, -0.5f));
  EXPECT_EQ((TRectF{11, 1.5f, 13, 3.5f}), R);
}

// --- Normalising ------------------------------------------------------------------

TEST(FixRectTest, SwapsReversedSides_Table) {
  const struct {
    const char* Name;
    TRect In, Out;
  } Cases[] = {
      {"normal_unchanged", {0, 0, 10, 5}, {0, 0, 10, 5}},
      {"horizontal_reversed", {10, 0, 0, 5}, {0, 0, 10, 5}},
      {"vertical_reversed", {0, 5, 10, 0}, {0, 0, 10, 5}},
      {"both_reversed", {10, 5, 0, 0}, {0, 0, 10, 5}},
      {"empty_unchanged", {3, 3, 3, 3}, {3, 3, 3, 3}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Out, FixRect(C.In));
    TRect InPlace = C.In;
    ZKNormalizeRect(InPlace);
    EXPECT_EQ(C.Out, InPlace);
    const TRectF F{float(C.In.Left), float(C.In.Top), float(C.In.Right), float(C.In.Bottom)};
    const TRectF FOut{float(C.Out.Left), float(C.Out.Top), float(C.Out.Right), float(C.Out.Bottom)};
    EXPECT_EQ(FOut, FixRect(F));
    TRectF FInPlace = F;
    ZKNormalizeRect(FInPlace);
    EXPECT_EQ(FOut, FInPlace);
  }
}

// --- Intersection and containment ------------------------------------------------

TEST(IntersectRectTest, ClosedIntersection_Table) {
  const struct {
    const char* Name;
    TRect A, B;
    bool Meets;
    TRect R;
  } Cases[] = {
      {"touching_edge_meets_in_a_line", {0, 0, 10, 10}, {10, 0, 20, 10}, true, {10, 0, 10, 10}},
      {"gap_does_not_meet_r_still_written", {0, 0, 10, 10}, {11, 0, 20, 10}, false, {11, 0, 10, 10}},
      {"overlap", {0, 0, 10, 10}, {5, -5, 15, 5}, true, {5, 0, 10, 5}},
      {"contained", {0, 0, 10, 10}, {2, 3, 4, 5}, true, {2, 3, 4, 5}},
      {"corner_touch_meets_in_a_point", {0, 0, 10, 10}, {10, 10, 20, 20}, true, {10, 10, 10, 10}},
      {"below", {0, 0, 10, 10}, {0, 11, 10, 20}, false, {0, 11, 10, 10}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TRect R{-1, -1, -1, -1};
    EXPECT_EQ(C.Meets, ZKIntersectRect(C.A, C.B, R));
    EXPECT_EQ(C.R, R);
    EXPECT_EQ(C.Meets, ZKIntersectRect(C.A, C.B));
    const TRectF AF{float(C.A.Left), float(C.A.Top), float(C.A.Right), float(C.A.Bottom)};
    const TRectF BF{float(C.B.Left), float(C.B.Top), float(C.B.Right), float(C.B.Bottom)};
    TRectF RF;
    EXPECT_EQ(C.Meets, ZKIntersectRect(AF, BF, RF));
    EXPECT_EQ((TRectF{float(C.R.Left), float(C.R.Top), float(C.R.Right), float(C.R.Bottom)}), RF);
    EXPECT_EQ(C.Meets, ZKIntersectRect(AF, BF));
  }
}

TEST(PtInZKRectTest, HalfOpen_Table) {
  const TRectF R{0, 0, 10, 10};
  const struct {
    const char* Name;
    TPointF P;
    bool Inside;
  } Cases[] = {
      {"top_left_corner_inside", {0, 0}, true},
      {"right_edge_outside", {10, 5}, false},
      {"bottom_edge_outside", {5, 10}, false},
      {"just_inside_bottom_right", {9.999f, 9.999f}, true},
      {"just_left_outside", {-0.001f, 5}, false},
      {"nan_outside", {kNaN, 5}, false},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(C.Inside, PtInZKRect(C.P, R));
  }
  EXPECT_TRUE(PtInZKRect(TPoint{0, 9}, R));
  EXPECT_FALSE(PtInZKRect(TPoint{10, 0}, R));
}

struct SegmentCase {
  const char* Name;
  TPointF P1, P2;
  bool Meets;
  TZKPoints Crossings;
};

class SegmentRectTest : public ::testing::TestWithParam<SegmentCase> {};

//   (0,0) +----------+ (10,0)      sides tested: top, left, right, bottom
//         |          |
//         |          |
//  (0,10) +----------+ (10,10)
TEST_P(SegmentRectTest, CrossingsInSideOrder) {
  const SegmentCase& C = GetParam();
  TZKPoints Points{{99, 99}}; // emptied first
  EXPECT_EQ(C.Meets, ZKIntersectRect(C.P1, C.P2, TRectF{0, 0, 10, 10}, Points));
  EXPECT_EQ(C.Crossings, Points);
}

const SegmentCase kSegmentCases[] = {
    {"horizontal_through_left_then_right", {-5, 5}, {15, 5}, true, {{0, 5}, {10, 5}}},
    {"reversed_direction_same_order", {15, 5}, {-5, 5}, true, {{0, 5}, {10, 5}}},
    {"vertical_through_top_then_bottom", {3, -1}, {3, 11}, true, {{3, 0}, {3, 10}}},
    {"wholly_inside_no_crossings", {2, 2}, {8, 8}, true, {}},
    {"wholly_outside", {20, 20}, {30, 30}, false, {}},
    {"outside_beside_a_side", {11, 0}, {11, 10}, false, {}},
    {"one_end_inside_exits_bottom", {5, 5}, {5, 20}, true, {{5, 10}}},
    {"through_corner_twice", {-5, -5}, {5, 5}, true, {{0, 0}, {0, 0}}},
    {"full_diagonal_all_four", {-5, -5}, {15, 15}, true, {{0, 0}, {0, 0}, {10, 10}, {10, 10}}},
    {"along_top_side_only_from_ends", {-5, 0}, {15, 0}, true, {{0, 0}, {10, 0}}},
    {"off_grid_crossing", {-2, 1}, {4, 4}, true, {{0, 2}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, SegmentRectTest, ::testing::ValuesIn(kSegmentCases), RowName<SegmentCase>);

TEST(IntersectLineTest, ExactCrossing_Table) {
  const struct {
    const char* Name;
    TPointF P1, P2, P3, P4;
    bool Crosses;
    TPointF R;
  } Cases[] = {
      {"diagonals_cross_at_centre", {0, 0}, {10, 10}, {10, 0}, {0, 10}, true, {5, 5}},
      {"off_grid_crossing", {0, 0}, {3, 1}, {0, 1}, {3, 0}, true, {1.5f, 0.5f}},
      {"endpoint_touch_counts", {0, 0}, {10, 0}, {5, 0}, {5, 10}, true, {5, 0}},
      {"lines_cross_beyond_first_segment", {0, 0}, {1, 0}, {5, -1}, {5, 1}, false, {-7, -7}},
      {"lines_cross_beyond_second_segment", {5, -1}, {5, 1}, {0, 0}, {1, 0}, false, {-7, -7}},
      {"parallel", {0, 0}, {10, 0}, {0, 1}, {10, 1}, false, {-7, -7}},
      {"collinear_overlapping", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false, {-7, -7}},
      {"nan_coordinate", {kNaN, 0}, {10, 10}, {10, 0}, {0, 10}, false, {-7, -7}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TPointF R{-7, -7}; // left alone when there is no crossing
    EXPECT_EQ(C.Crosses, ZKIntersectLine(C.P1, C.P2, C.P3, C.P4, R));
    EXPECT_EQ(C.R, R);
  }
}

// --- Points on and in shapes ------------------------------------------------------

TEST(ConnectionPointTest, ClockwiseFromTop_Table) {
  const TRect R{0, 0, 5, 5};
  const TRectF RF{0, 0, 5, 5};
  const struct {
    TConnectionPoint CP;
    TPoint Integer;
    TPointF Float;
  } Cases[] = {
      {cpTop, {2, 0}, {2.5f, 0}},   {cpTopRight, {5, 0}, {5, 0}},     {cpRight, {5, 2}, {5, 2.5f}},
      {cpBottomRight, {5, 5}, {5, 5}}, {cpBottom, {2, 5}, {2.5f, 5}}, {cpBottomLeft, {0, 5}, {0, 5}},
      {cpLeft, {0, 2}, {0, 2.5f}},  {cpTopLeft, {0, 0}, {0, 0}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(static_cast<int>(C.CP));
    EXPECT_EQ(C.Integer, GetPointOnRect(R, C.CP));
    EXPECT_EQ(C.Integer, GetCanvasPointOnRect(R, C.CP));
    EXPECT_EQ(C.Float, GetZKPointOnZKRect(RF, C.CP));
  }
  EXPECT_EQ((TPoint{-2, 0}), GetPointOnRect(TRect{-3, 0, 0, 0}, cpTop)); // -3 + (3 div 2)
  EXPECT_EQ((TPoint{1, 2}), GetPointOnRect(TRect{1, 2, 3, 4}, static_cast<TConnectionPoint>(8)));
}

TEST(ZKCenterPointTest, IntegerRectInFloat) {
  EXPECT_EQ((TPointF{2.5f, 2.5f}), ZKCenterPoint(TRect{0, 0, 5, 5}));
  EXPECT_EQ((TPointF{-1.5f, 1}), ZKCenterPoint(TRect{-3, 0, 0, 2}));
  // The width 2^32 - 1 does not fit 32 bits; the centre is still exact.
  EXPECT_EQ((TPointF{-0.5f, 0}), ZKCenterPoint(TRect{kMinInt, 0, kMaxInt, 0}));
}

TEST(InCenterPointTest, RightTriangles) {
  EXPECT_EQ((TPointF{1, 1}), InCenterPoint(TPointF{0, 0}, TPointF{4, 0}, TPointF{0, 3}));
  EXPECT_EQ((TPoint{1, 1}), InCenterPoint(TPoint{0, 0}, TPoint{4, 0}, TPoint{0, 3}));
  EXPECT_EQ((TPointF{12, 2}), InCenterPoint(TPointF{10, 0}, TPointF{16, 0}, TPointF{10, 8}));
}

TEST(InCenterPointTest, ThreeEqualPoints_NaNOrInvalidOp) {
  const TPointF F = InCenterPoint(TPointF{3, 4}, TPointF{3, 4}, TPointF{3, 4});
  EXPECT_TRUE(std::isnan(F.X));
  EXPECT_TRUE(std::isnan(F.Y));
  EXPECT_THROW(InCenterPoint(TPoint{3, 4}, TPoint{3, 4}, TPoint{3, 4}), EInvalidOp);
}

TEST(OffsetPointTest, ByDelta_ReturnsOldPoint) {
  TPoint P{1, 2};
  EXPECT_EQ((TPoint{1, 2}), OffsetPoint(P, 10, -3));
  EXPECT_EQ((TPoint{11, -1}), P);
  TPoint Edge{kMaxInt, kMinInt};
  OffsetPoint(Edge, 1, -1);
  EXPECT_EQ((TPoint{kMinInt, kMaxInt}), Edge);
  TPointF PF{1, 2};
  EXPECT_EQ((TPointF{1, 2}), OffsetPoint(PF, 0.5f, -3));
  EXPECT_EQ((TPointF{1.5f, -1}), PF);
}

TEST(OffsetPointTest, TowardPoint_Table) {
  const struct {
    const char* Name;
    TPointF P, Toward;
    float Distance;
    TPointF Moved;
  } Cases[] = {
      {"past_toward", {0, 0}, {3, 4}, 10, {6, 8}},
      {"negative_moves_away", {0, 0}, {3, 4}, -5, {-3, -4}},
      {"distance_equal_lands_on_toward", {1, 1}, {4, 5}, 5, {4, 5}},
      {"same_point_stays", {2, 2}, {2, 2}, 10, {2, 2}},
      {"zero_distance_stays", {2, 2}, {5, 6}, 0, {2, 2}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TPointF P = C.P;
    EXPECT_EQ(C.P, OffsetPoint(P, C.Toward, C.Distance));
    EXPECT_EQ(C.Moved, P);
    TPoint I{int(C.P.X), int(C.P.Y)};
    EXPECT_EQ((TPoint{int(C.P.X), int(C.P.Y)}), OffsetPoint(I, TPoint{int(C.Toward.X), int(C.Toward.Y)}, C.Distance));
    EXPECT_EQ((TPoint{int(C.Moved.X), int(C.Moved.Y)}), I);
  }
}

TEST(OffsetPointTest, TowardPoint_IntegerStepsRoundToEven) {
  TPoint P{0, 0};
  OffsetPoint(P, TPoint{3, 4}, 1); // steps 0.6 and 0.8
  EXPECT_EQ((TPoint{1, 1}), P);
  TPoint Q{0, 0};
  OffsetPoint(Q, TPoint{10, 0}, 2.5f); // step 2.5 rounds to 2
  EXPECT_EQ((TPoint{2, 0}), Q);
  TPoint R{7, 7};
  EXPECT_THROW(OffsetPoint(R, TPoint{10, 0}, kNaN), EInvalidOp);
  EXPECT_EQ((TPoint{7, 7}), R);
}

} // namespace
} // namespace zk

namespace zk {
namespace {

// Every combination of extreme values: each call answers with a value or
// raises EInvalidOp, never anything else (the sanitizer build checks that no
// call has undefined behaviour on the way).
TEST(RectOpsExtremesTest, AnswerOrInvalidOp) {
  const float Floats[] = {0, -0.0f, 1, -2.5f, 1e30f, -1e30f, 0x1p-149f, std::numeric_limits<float>::max(),
                          std::numeric_limits<float>::infinity(), kNaN};
  const std::int32_t Ints[] = {0, 1, -1, kMaxInt, kMinInt};
  int Answered = 0, Raised = 0;
  const auto Call = [&](auto&& F) {
    try {
      F();
      ++Answered;
    } catch (const EInvalidOp&) {
      ++Raised;
    }
  };
  for (float A : Floats)
    for (float B : Floats) {
      const TRectF R{A, B, -A, 1};
      const TRectF Bounds{B, 0, A, 10};
      Call([&] { TRectF X = R; CenterRect(X, Bounds); });
      Call([&] { TRectF X = R; FitRect(X, Bounds, true); });
      Call([&] { FitRect(CreateScaleZKMatrix(A, B), R, Bounds); });
      Call([&] { TZKPoints P; ZKIntersectRect(TPointF{A, B}, TPointF{B, A}, Bounds, P); });
      Call([&] { InCenterPoint(TPointF{A, B}, TPointF{B, A}, TPointF{A, A}); });
      Call([&] { TPointF P{A, 0}; OffsetPoint(P, TPointF{0, B}, A); });
      Call([&] { TPoint P{1, 2}; OffsetPoint(P, TPoint{kMaxInt, kMinInt}, A); });
    }
  for (std::int32_t A : Ints)
    for (std::int32_t B : Ints) {
      const TRect R{A, B, B, A};
      Call([&] { CenterRect(A, B, A, B); });
      Call([&] { TRect X = R; CenterRect(X, TRect{B, A, A, B}); });
      Call([&] { TRect X = R; FitRect(X, TRect{B, A, A, B}, true); });
      Call([&] { GetPointOnRect(R, cpBottomRight); ZKCenterPoint(R); });
      Call([&] { InCenterPoint(TPoint{A, B}, TPoint{B, A}, TPoint{A, A}); });
      Call([&] { TPoint P{A, B}; OffsetPoint(P, B, A); });
    }
  EXPECT_EQ(7 * 100 + 6 * 25, Answered + Raised);
  EXPECT_GT(Raised, 0);
  EXPECT_GT(Answered, Raised);
}

} // namespace
} // namespace zk
