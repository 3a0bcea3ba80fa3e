#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "geometry/PersistentRects.h"
#include "geometry/PositionTransform.h"
#include "runtime/Exceptions.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"

namespace zk {
namespace {

struct Counted {
  int Changes = 0;
  TNotifyEvent Handler() {
    return [this](TObject*) { ++Changes; };
  }
};

struct SizeCase {
  const char* Name;
  int Index;
  float Value;
  TRectF Expected;
  int Changes;
};

class RectSetSizeTest : public ::testing::TestWithParam<SizeCase> {};

// Both families start from (0, 0, 10, 10); the integer one gets the value truncated.
TEST_P(RectSetSizeTest, WritesOneSideAndFiresOnlyOnRealChange) {
  const SizeCase& C = GetParam();
  TZKObjectZKRect F;
  F.SetBoundsRect({0, 0, 10, 10});
  Counted FC;
  F.OnChange = FC.Handler();
  F.SetSize(C.Index, C.Value);
  EXPECT_EQ(F.BoundsRect(), C.Expected);
  EXPECT_EQ(FC.Changes, C.Changes);

  TZKObjectRect I;
  I.SetBoundsRect({0, 0, 10, 10});
  Counted IC;
  I.OnChange = IC.Handler();
  I.SetSize(C.Index, static_cast<std::int32_t>(C.Value));
  const TRect E{static_cast<std::int32_t>(C.Expected.Left), static_cast<std::int32_t>(C.Expected.Top),
                static_cast<std::int32_t>(C.Expected.Right), static_cast<std::int32_t>(C.Expected.Bottom)};
  EXPECT_EQ(I.BoundsRect(), E);
  EXPECT_EQ(IC.Changes, C.Changes);
}

const SizeCase kSizeCases[] = {
    {"LeftMovesOnlyLeft", 0, 50, {50, 0, 10, 10}, 1},
    {"TopMovesOnlyTop", 1, -5, {0, -5, 10, 10}, 1},
    {"RightMovesOnlyRight", 2, 7, {0, 0, 7, 10}, 1},
    {"BottomMovesOnlyBottom", 3, 12, {0, 0, 10, 12}, 1},
    {"HeightMovesBottom", 4, 3, {0, 0, 10, 3}, 1},
    {"WidthMovesRight", 5, 4, {0, 0, 4, 10}, 1},
    {"SameWidthFiresNothing", 5, 10, {0, 0, 10, 10}, 0},
    {"SameLeftFiresNothing", 0, 0, {0, 0, 10, 10}, 0},
    {"IndexNineIsWidth", 9, 6, {0, 0, 6, 10}, 1},
    {"NegativeIndexIsWidth", -1, 6, {0, 0, 6, 10}, 1},
};
INSTANTIATE_TEST_SUITE_P(Sides, RectSetSizeTest, ::testing::ValuesIn(kSizeCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(PersistentRectsTest, GetSize_WidthAndHeightAreDifferences) {
  TZKObjectRect R;
  R.SetBoundsRect({0, 0, 10, 10});
  R.SetLeft(50);
  EXPECT_EQ(R.Width(), -40);
  EXPECT_EQ(R.GetSize(9), -40);
  R.SetBoundsRect({1, 2, 4, 8});
  EXPECT_EQ(R.Height(), 6);
}

TEST(PersistentRectsTest, MoveToAndTranslate_FireOnlyForRealMoves) {
  TZKObjectRect R;
  R.SetBoundsRect({0, 0, 10, 20});
  Counted C;
  R.OnChange = C.Handler();
  R.MoveTo(0, 0);
  EXPECT_EQ(C.Changes, 0);
  R.MoveTo(5, 5);
  EXPECT_EQ(R.BoundsRect(), (TRect{5, 5, 15, 25}));
  EXPECT_EQ(C.Changes, 1);
  R.Translate(0, 0);
  EXPECT_EQ(C.Changes, 1);
  R.Translate(3, 0);
  EXPECT_EQ(R.BoundsRect(), (TRect{8, 5, 18, 25}));
  EXPECT_EQ(C.Changes, 2);
  R.Translate(-8, -5);
  EXPECT_EQ(R.BoundsRect(), (TRect{0, 0, 10, 20}));
  EXPECT_EQ(C.Changes, 3);
}

TEST(PersistentRectsTest, IntegerSumsWrapInsteadOfOverflowing) {
  constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
  TZKObjectRect R;
  R.SetBoundsRect({0, 0, Max, 0});
  R.Translate(1, 0);
  EXPECT_EQ(R.BoundsRect(), (TRect{1, 0, std::numeric_limits<std::int32_t>::min(), 0}));
  R.SetBoundsRect({-Max, 0, Max, 0});
  EXPECT_EQ(R.Width(), -2);
}

TEST(PersistentRectsTest, Scale_BothFamiliesAlwaysFire) {
  TZKObjectZKRect F;
  F.SetBoundsRect({0, 0, 10, 10});
  Counted FC;
  F.OnChange = FC.Handler();
  F.Scale(2, 4);
  EXPECT_EQ(F.BoundsRect(), (TRectF{-1, -2, 11, 12}));
  F.Scale(0, 0);
  EXPECT_EQ(FC.Changes, 2);

  TObjectSize I;
  I.SetBoundsRect({0, 0, 10, 10});
  Counted IC;
  I.OnChange = IC.Handler();
  I.Scale(1, 3); // the base package's ScaleRect: DX div 2
  EXPECT_EQ(I.BoundsRect(), (TRect{0, -1, 10, 11}));
  I.Scale(0, 0);
  EXPECT_EQ(IC.Changes, 2);
}

TEST(PersistentRectsTest, Assign_SameFamilyCopiesAndAlwaysFires) {
  TZKObjectRect A;
  A.SetBoundsRect({1, 2, 3, 4});
  TObjectSize B;
  B.SetBoundsRect({1, 2, 3, 4});
  Counted C;
  B.OnChange = C.Handler();
  B.Assign(&A);
  EXPECT_EQ(C.Changes, 1);
  EXPECT_EQ(B.BoundsRect(), A.BoundsRect());
}

TEST(PersistentRectsTest, Assign_OtherFamilyRaisesAndChangesNothing) {
  TZKObjectZKRect F;
  F.SetBoundsRect({1, 2, 3, 4});
  TZKObjectRect I;
  TZKPosition P;
  try {
    I.Assign(&F);
    FAIL() << "no error";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Cannot assign a TZKObjectZKRect to a TZKObjectRect");
  }
  EXPECT_THROW(F.Assign(&I), EConvertError);
  EXPECT_THROW(F.Assign(&P), EConvertError);
  EXPECT_THROW(F.Assign(nullptr), EConvertError);
  EXPECT_EQ(F.BoundsRect(), (TRectF{1, 2, 3, 4}));
}

struct RectFormCase {
  const char* Name;
  TRect Rect;
  const char* ObjectRectText;
  const char* ObjectSizeText;
};

class RectFormTest : public ::testing::TestWithParam<RectFormCase> {};

TEST_P(RectFormTest, WritesNonZeroSidesAndReadsBack) {
  const RectFormCase& C = GetParam();
  TZKObjectRect R;
  R.SetBoundsRect(C.Rect);
  EXPECT_EQ(ObjectToText(R, "R"), C.ObjectRectText);
  TZKObjectRect R2;
  R2.SetBoundsRect({9, 9, 9, 9});
  R2.SetBoundsRect({});
  ObjectFromText(C.ObjectRectText, R2);
  EXPECT_EQ(R2.BoundsRect(), C.Rect);

  TObjectSize S;
  S.SetBoundsRect(C.Rect);
  EXPECT_EQ(ObjectToText(S, "S"), C.ObjectSizeText);
  TObjectSize S2;
  ObjectFromText(C.ObjectSizeText, S2);
  EXPECT_EQ(S2.BoundsRect(), C.Rect);
}

const RectFormCase kRectFormCases[] = {
    {"AllZeroWritesNothing", {0, 0, 0, 0}, "object R: TZKObjectRect\nend\n", "object S: TObjectSize\nend\n"},
    {"OnlyNonZeroSides", {0, 5, 10, 0},
     "object R: TZKObjectRect\n  Top = 5\n  Right = 10\nend\n",
     "object S: TObjectSize\n  Top = 5\n  Right = 10\n  Height = -5\n  Width = 10\nend\n"},
    {"Full", {-1, 2, 30, 40},
     "object R: TZKObjectRect\n  Left = -1\n  Top = 2\n  Right = 30\n  Bottom = 40\nend\n",
     "object S: TObjectSize\n  Left = -1\n  Top = 2\n  Right = 30\n  Bottom = 40\n  Height = 38\n  Width = 31\nend\n"},
};
INSTANTIATE_TEST_SUITE_P(Rects, RectFormTest, ::testing::ValuesIn(kRectFormCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(PersistentRectsTest, FloatRect_FormRoundTrip) {
  TZKObjectZKRect R;
  R.SetBoundsRect({0.1f, 0, -2.5f, 1e-30f});
  const std::string Text = ObjectToText(R, "R");
  EXPECT_EQ(Text, "object R: TZKObjectZKRect\n  Left = 0.100000001490116\n  Right = -2.5\n"
                  "  Bottom = 1.00000000317108E-30\nend\n");
  TZKObjectZKRect R2;
  ObjectFromText(Text, R2);
  EXPECT_EQ(R2.BoundsRect(), R.BoundsRect());
}

TEST(PersistentRectsTest, Form_WrongTypeForSideNamesLineAndChangesNothing) {
  TZKObjectRect R;
  R.SetBoundsRect({1, 1, 1, 1});
  EXPECT_THROW(ObjectFromText("object R: TZKObjectRect\n  Left = 2\n  Top = 'x'\nend\n", R), EReadError);
  EXPECT_EQ(R.BoundsRect(), (TRect{1, 1, 1, 1}));
}

TEST(PersistentRectsTest, Form_OfARegisteredAncestorClassReadsIntoADescendant) {
  TZKObjectRect R;
  ObjectFromText("object R: TZKCustomRect\n  Left = 2\nend\n", R);
  EXPECT_EQ(R.BoundsRect(), (TRect{2, 0, 0, 0}));
  EXPECT_THROW(ObjectFromText("object R: TObjectSize\n  Left = 3\nend\n", R), EReadError);  // a sibling
  EXPECT_EQ(R.BoundsRect(), (TRect{2, 0, 0, 0}));
}

} // namespace
} // namespace zk
