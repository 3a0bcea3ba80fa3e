#include <gtest/gtest.h>

#include <string>

#include "geometry/Matrix.h"
#include "geometry/PositionTransform.h"
#include "runtime/Exceptions.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"

namespace zk {
namespace {

struct StoredCase {
  const char* Name;
  TPointF Default;
  TPointF Value;
  const char* Text;
};

class PositionFormTest : public ::testing::TestWithParam<StoredCase> {};

TEST_P(PositionFormTest, StoresOnlyCoordinatesOffTheDefaultAndReadsBack) {
  const StoredCase& C = GetParam();
  TZKPosition P(C.Default);
  P.SetPoint(C.Value);
  EXPECT_EQ(ObjectToText(P, "P"), C.Text);
  TZKPosition R(C.Default);
  ObjectFromText(C.Text, R);
  EXPECT_EQ(R.Point(), C.Value);
}

const StoredCase kStoredCases[] = {
    {"AtDefaultStoresNothing", {1, 1}, {1, 1}, "object P: TZKPosition\nend\n"},
    {"OnlyYOff", {1, 1}, {1, 2}, "object P: TZKPosition\n  Y = 2\nend\n"},
    {"OnlyXOff", {0, 0}, {-3.5f, 0}, "object P: TZKPosition\n  X = -3.5\nend\n"},
    {"OneUlpAboveDefaultIsStored", {1, 1}, {0x1.000002p0f, 1},  // 1.00000012
     "object P: TZKPosition\n  X = 1.00000011920929\nend\n"},
    {"ZeroOffANonZeroDefault", {0.5f, 0.5f}, {0, 0}, "object P: TZKPosition\n  X = 0\n  Y = 0\nend\n"},
};
INSTANTIATE_TEST_SUITE_P(Positions, PositionFormTest, ::testing::ValuesIn(kStoredCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(PositionTransformTest, Position_LegacyPointIsReadNeverWritten) {
  TZKPosition P;
  int Changes = 0;
  P.OnChange = [&](TObject*) { ++Changes; };
  ObjectFromText("object P: TZKPosition\n  Point = '(3.5,4)'\nend\n", P);
  EXPECT_EQ(P.Point(), (TPointF{3.5f, 4}));
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(ObjectToText(P, "P").find("Point"), std::string::npos);

  ObjectFromText("object P: TZKPosition\n  Point = 'rubbish'\nend\n", P);
  EXPECT_EQ(P.Point(), (TPointF{0, 0}));
  EXPECT_EQ(Changes, 2);
}

TEST(PositionTransformTest, Position_LegacyPointOfWrongTypeNamesLineAndChangesNothing) {
  TZKPosition P({1, 1});
  try {
    ObjectFromText("object P: TZKPosition\n  X = 5\n  Point = 3\nend\n", P);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_STREQ(E.what(), "Line 3: '3' is not a valid value for Point");
  }
  EXPECT_EQ(P.X(), 1);  // all or nothing: line 2 is undone
}

TEST(PositionTransformTest, Position_SettersNotifyAsDocumented) {
  TZKPosition P({2, 3});
  EXPECT_EQ(P.Point(), (TPointF{2, 3}));
  int Changes = 0;
  P.OnChange = [&](TObject*) { ++Changes; };
  P.SetX(2);
  P.SetY(3);
  EXPECT_EQ(Changes, 0);
  P.SetX(4);
  EXPECT_EQ(Changes, 1);
  P.SetPoint(P.Point()); // always notifies
  EXPECT_EQ(Changes, 2);
  P.SetPointNoChange({7, 8});
  P.SetDefaultValue({0, 0});
  EXPECT_EQ(Changes, 2);
  P.SetVector({1, 2, 99});
  EXPECT_EQ(P.Vector(), (TVector{1, 2, 1}));
  EXPECT_EQ(Changes, 3);
}

TEST(PositionTransformTest, Position_EmptyAndReflect) {
  TZKPosition P;
  EXPECT_TRUE(P.Empty());
  P.SetPoint({0, 1e-30f});
  EXPECT_FALSE(P.Empty());
  P.SetPoint({3, 4});
  P.Reflect({0, 1, 0}); // mirror on the x axis
  EXPECT_EQ(P.Point(), (TPointF{3, -4}));
}

TEST(PositionTransformTest, Position_AssignFromOtherClassRaises) {
  TZKPosition P;
  TZKTransform T;
  EXPECT_THROW(P.Assign(&T), EConvertError);
  EXPECT_THROW(P.Assign(nullptr), EConvertError);
}

TEST(PositionTransformTest, Transform_NewIsIdentityWithoutNotification) {
  TZKTransform T;
  EXPECT_EQ(T.Matrix(), ZKIdentityMatrix);
  EXPECT_EQ(T.Scale().Point(), (TPointF{1, 1}));
  EXPECT_EQ(T.RotationCenter().Point(), (TPointF{0.5f, 0.5f}));
  EXPECT_EQ(ObjectToText(T, "T"), "object T: TZKTransform\nend\n");
}

TEST(PositionTransformTest, Transform_PositionChangeRebuildsMatrixOnce) {
  TZKTransform T;
  int Changes = 0;
  TMatrix Seen;
  T.OnChanged = [&](TObject*) {
    ++Changes;
    Seen = T.Matrix();
  };
  T.Position().SetX(10);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Seen.m31, 10);
  T.Position().SetX(10);
  EXPECT_EQ(Changes, 1);
  T.Skew().SetPoint({0.25f, 0.5f});
  EXPECT_EQ(T.Matrix().m13, 0.25f);
  EXPECT_EQ(T.Matrix().m23, 0.5f);
}

TEST(PositionTransformTest, Transform_ScalesThenMoves) {
  TZKTransform T;
  T.Scale().SetPoint({2, 3});
  T.Position().SetPoint({5, 7});
  EXPECT_EQ(ZKMatrixMultiply(TPointF{1, 1}, T.Matrix()), (TPointF{7, 10}));
}

TEST(PositionTransformTest, Transform_RotatesAboutOriginOrShapeCentre) {
  TZKTransform T;
  int Changes = 0;
  T.OnChanged = [&](TObject*) { ++Changes; };
  T.SetRotationAngle(90);
  T.SetRotationAngle(90);
  EXPECT_EQ(Changes, 1);
  const TPointF A = ZKMatrixMultiply(TPointF{1, 0}, T.Matrix());
  EXPECT_NEAR(A.X, 0, 1e-6);
  EXPECT_NEAR(A.Y, 1, 1e-6);

  T.OnGetShapeRect = [](TObject*, TRectF& R) { R = {0, 0, 10, 10}; };
  T.MatrixChanged(&T);
  const TPointF B = ZKMatrixMultiply(TPointF{10, 5}, T.Matrix());
  EXPECT_NEAR(B.X, 5, 1e-5);
  EXPECT_NEAR(B.Y, 10, 1e-5);

  T.SetRotationAngle(0);
  EXPECT_EQ(T.Matrix(), ZKIdentityMatrix);
}

TEST(PositionTransformTest, Transform_AssignCopiesPositionsNotAngleAndFiresOnce) {
  TZKTransform Source;
  Source.Position().SetPoint({1, 2});
  Source.Scale().SetPoint({3, 4});
  Source.Skew().SetPoint({5, 6});
  Source.RotationCenter().SetPoint({7, 8});
  Source.SetRotationAngle(45);
  TZKTransform T;
  T.SetRotationAngle(30);
  int Changes = 0;
  T.OnChanged = [&](TObject*) { ++Changes; };
  T.Assign(&Source);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(T.RotationAngle(), 30);
  EXPECT_EQ(T.Position().Point(), (TPointF{1, 2}));
  EXPECT_EQ(T.Scale().Point(), (TPointF{3, 4}));
  EXPECT_EQ(T.Skew().Point(), (TPointF{5, 6}));
  EXPECT_EQ(T.RotationCenter().Point(), (TPointF{7, 8}));
  TZKPosition P;
  EXPECT_THROW(T.Assign(&P), EConvertError);
}

TEST(PositionTransformTest, Transform_SettersCopyIntoOwnedPositions) {
  TZKTransform T;
  TZKPosition Given({9, 9});
  Given.SetPoint({2, 2});
  T.SetScale(Given);
  Given.SetPoint({4, 4});
  EXPECT_EQ(T.Scale().Point(), (TPointF{2, 2}));
  EXPECT_EQ(T.Matrix().m11, 2);
}

TEST(PositionTransformTest, Transform_FormRoundTripRebuildsMatrix) {
  TZKTransform T;
  T.Position().SetPoint({10, 0});
  T.Scale().SetPoint({1, 2});
  T.SetRotationAngle(22.5f);
  T.RotationCenter().SetPoint({0.5f, 0});
  const std::string Text = ObjectToText(T, "T");
  EXPECT_EQ(Text,
            "object T: TZKTransform\n"
            "  Position.X = 10\n"
            "  Scale.Y = 2\n"
            "  RotationAngle = 22.5\n"
            "  RotationCenter.Y = 0\n"
            "end\n");
  TZKTransform R;
  ObjectFromText(Text, R);
  EXPECT_EQ(R.Matrix(), T.Matrix());
  EXPECT_EQ(R.RotationCenter().Point(), (TPointF{0.5f, 0}));
}

TEST(PositionTransformTest, Transform_ReadsNestedLegacyPoint) {
  TZKTransform T;
  ObjectFromText("object T: TZKTransform\n  Position.Point = '(3,4)'\nend\n", T);
  EXPECT_EQ(T.Matrix().m31, 3);
  EXPECT_EQ(T.Matrix().m32, 4);
}

TEST(PositionTransformTest, Transform_UnknownNestedPropertyChangesNothing) {
  TZKTransform T;
  int Changes = 0;
  T.OnChanged = [&](TObject*) { ++Changes; };
  EXPECT_THROW(ObjectFromText("object T: TZKTransform\n  Position.X = 3\n  Scale.Z = 1\nend\n", T),
               EReadError);
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(T.Position().X(), 0);
}

} // namespace
} // namespace zk
