// Conversions between the library's records and Qt's, and between paths and
// QPainterPath: what Qt sees must be what the library means.
#include <gtest/gtest.h>

#include <climits>

#include <QGuiApplication>
#include <QPalette>

#include "geometry/Matrix.h"
#include "qt/QtConversions.h"
#include "qt/QtPainterPath.h"

namespace zk {
namespace {

TEST(QtConversionsTest, Rect_SamePixelsBothWays) {
  struct Case {
    TRect R;
    QRect Q;
  };
  const Case Cases[] = {
      {{0, 0, 10, 5}, QRect(0, 0, 10, 5)},
      {{-3, 2, 4, 9}, QRect(-3, 2, 7, 7)},
      {{5, 5, 5, 5}, QRect(5, 5, 0, 0)},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX - 1, INT_MAX - 1))},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(ToQRect(C.R), C.Q) << C.R.Left << "," << C.R.Top;
    EXPECT_EQ(ToRect(C.Q), C.R) << C.R.Left << "," << C.R.Top;
  }
  // Where the one-pixel step would overflow, the edge stays at the end of the range.
  EXPECT_EQ(ToQRect({0, 0, INT_MIN, INT_MIN}).bottomRight(), QPoint(INT_MIN, INT_MIN));
  EXPECT_EQ(ToRect(QRect(QPoint(0, 0), QPoint(INT_MAX, INT_MAX))), (TRect{0, 0, INT_MAX, INT_MAX}));
}

TEST(QtConversionsTest, RectFAndPointF_KeepCorners) {
  EXPECT_EQ(ToRectF(QRectF(1, 2, 3, 4)), (TRectF{1, 2, 4, 6}));
  EXPECT_EQ(ToQRectF({4, 6, 1, 2}).topLeft(), QPointF(4, 6));  // not normalised
  EXPECT_EQ(ToPointF(QPointF(0.1, -2.5)), (TPointF{0.1f, -2.5f}));
}

TEST(QtConversionsTest, Matrix_MapsPointsAsTheLibraryDoes) {
  const TMatrix M = ZKMatrixMultiply(CreateRotationZKMatrix({3, 4}, 0.5f), CreateScaleZKMatrix(2, -1));
  for (const TPointF P : {TPointF{0, 0}, TPointF{1, 0}, TPointF{-7, 2.5f}}) {
    const QPointF Q = ToQTransform(M).map(ToQPointF(P));
    const TPointF Expected = ZKMatrixMultiply(P, M);
    EXPECT_NEAR(Q.x(), Expected.X, 1e-5);
    EXPECT_NEAR(Q.y(), Expected.Y, 1e-5);
  }
  EXPECT_EQ(ToMatrix(ToQTransform(M)), M);
  EXPECT_EQ(ToMatrix(QTransform::fromTranslate(5, 6)), (TMatrix{1, 0, 0, 0, 1, 0, 5, 6, 1}));
}

TEST(QtConversionsTest, Color_ChannelsInOrderAndSystemColorsResolved) {
  EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0x302010), QColor(0x10, 0x20, 0x30));
  EXPECT_EQ(ToColor(QColor(0x10, 0x20, 0x30, 7)), 0x302010);
  EXPECT_EQ(ToColor(QColor::fromHsv(0, 255, 255)), 0x0000FF);
  EXPECT_EQ(ToColor(QColor()), clBlack);
  const QColor Button = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  EXPECT_EQ(ToQColor(clBtnFace), Button.toRgb());
}

// ---- Paths ------------------------------------------------------------------

std::string RoundTrip(const std::string& Text) {
  TZKPathData Path, Back;
  Path.SetPathString(Text);
  AssignQPainterPath(Back, ToQPainterPath(Path));
  return Back.GetPathString();
}

TEST(QtPainterPathTest, RoundTrip_KeepsEveryEntry) {
  const char* Paths[] = {
      "M0,0 L10,0 L10,10 Z ",
      "M1.5,2 C3,4 5,6 7,8 L9,0 ",
      "M0,0 L4,0 L4,4 Z M10,10 C12,10 12,12 10,12 Z ",
      "M0,0 C1,0 0,1 0,0 Z M5,5 L6,6 ",
  };
  for (const char* Text : Paths) EXPECT_EQ(RoundTrip(Text), Text);
}

TEST(QtPainterPathTest, FromQt_QuadraticsBecomeCubicsAndClosedFiguresClose) {
  struct Case {
    const char* Name;
    QPainterPath Q;
    const char* Expected;
  };
  QPainterPath Quad(QPointF(0, 0));
  Quad.quadTo(3, 3, 6, 0);
  QPainterPath Closed(QPointF(1, 1));
  Closed.lineTo(5, 1);
  Closed.lineTo(5, 5);
  Closed.closeSubpath();
  Closed.lineTo(0, 9);  // a new figure from the start of the closed one
  QPainterPath Back(QPointF(0, 0));
  Back.lineTo(4, 0);
  Back.lineTo(0, 0);  // ends where it began: Qt strokes it closed
  const Case Cases[] = {
      {"Quad", Quad, "M0,0 C2,2 4,2 6,0 "},
      {"Closed", Closed, "M1,1 L5,1 L5,5 Z M1,1 L0,9 "},
      {"EndsAtStart", Back, "M0,0 L4,0 Z "},
  };
  for (const Case& C : Cases) {
    TZKPathData Path;
    AssignQPainterPath(Path, C.Q);
    EXPECT_EQ(Path.GetPathString(), C.Expected) << C.Name;
  }
}

TEST(QtPainterPathTest, FillModeMapsToFillRule_AndAssignNotifiesOnce) {
  TZKPathData Path;
  Path.SetPathString("M0,0 L1,0 L0,1 Z");
  Path.SetFillMode(fmNonZero);
  const QPainterPath Q = ToQPainterPath(Path);
  EXPECT_EQ(Q.fillRule(), Qt::WindingFill);

  TZKPathData Back;
  int Changes = 0;
  Back.OnChanged = [&](TObject*) { ++Changes; };
  AssignQPainterPath(Back, Q);
  EXPECT_EQ(Back.FillMode(), fmNonZero);
  EXPECT_EQ(Changes, 1);
  AssignQPainterPath(Back, QPainterPath());
  EXPECT_EQ(Back.FillMode(), fmEvenOdd);
  EXPECT_EQ(Back.Count(), 0);
}

} // namespace
} // namespace zk
