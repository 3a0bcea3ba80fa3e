// The hint window: corner anchoring, hiding after the interval, the
// re-entrancy guard, empty hints, text layout and the form-file round trip.
#include <gtest/gtest.h>

#include <string>

#include <QRect>
#include <QTest>

#include "components/ZKHintWindow.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"

namespace zk {
namespace {

// Every hint measures 80 x 20, whatever the fonts installed.
class TFixedHint : public TZKHintWindow {
public:
  TRect CalcHintRect(int, const std::string&, const void*) override { return {0, 0, 80, 20}; }
};

struct CornerCase {
  const char* Name;
  TZKCorner Corner;
  QRect Expected;  // left, top, width, height
};

const CornerCase kCornerCases[] = {
    {"TopLeftStartsAtPoint", crTopLeft, QRect(100, 100, 80, 20)},
    {"TopRightEndsLeftOfPoint", crTopRight, QRect(20, 100, 80, 20)},
    {"BottomLeftEndsAbovePoint", crBottomLeft, QRect(100, 80, 80, 20)},
    {"BottomRightEndsAtPoint", crBottomRight, QRect(20, 80, 80, 20)},
};

class HintCornerTest : public testing::TestWithParam<CornerCase> {};

TEST_P(HintCornerTest, PointNamesTheChosenCorner) {
  TFixedHint Hint;
  Hint.SetCorner(GetParam().Corner);
  Hint.ActivateHint(TPoint{100, 100}, "hint");
  EXPECT_TRUE(Hint.isVisible());
  EXPECT_EQ(Hint.geometry(), GetParam().Expected);
  EXPECT_EQ(Hint.Caption(), "hint");
}

INSTANTIATE_TEST_SUITE_P(Corners, HintCornerTest, testing::ValuesIn(kCornerCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(HintWindowTest, HidesItselfAfterInterval) {
  TFixedHint Hint;
  EXPECT_EQ(Hint.Interval(), 1000);
  EXPECT_FALSE(Hint.Timer().Enabled());
  Hint.SetInterval(20);
  Hint.ActivateHint(TPoint{0, 0}, "bye");
  ASSERT_TRUE(Hint.isVisible());
  EXPECT_TRUE(Hint.Timer().Running());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Hint.isVisible(); }, 2000));
  EXPECT_FALSE(Hint.Timer().Enabled());
}

// Activates again from inside its own show, as a base class may.
class TNestingHint : public TFixedHint {
protected:
  void showEvent(QShowEvent* Event) override {
    ActivateHint(TRect{0, 0, 10, 10}, "nested");
    TFixedHint::showEvent(Event);
  }
};

TEST(HintWindowTest, NestedActivation_DoesNothing) {
  TNestingHint Hint;
  Hint.ActivateHint(TRect{30, 40, 90, 60}, "outer");
  EXPECT_EQ(Hint.geometry(), QRect(30, 40, 60, 20));
  EXPECT_EQ(Hint.Caption(), "outer");
}

TEST(HintWindowTest, HideHintWithoutWindow_AndEmptyHint_ShowNothing) {
  TFixedHint Hint;
  Hint.HideHint();
  EXPECT_FALSE(Hint.testAttribute(Qt::WA_WState_Created));
  Hint.ActivateHint(TPoint{0, 0}, "");
  EXPECT_FALSE(Hint.isVisible());
  Hint.ActivateHint(TPoint{0, 0}, "shown");
  ASSERT_TRUE(Hint.isVisible());
  Hint.ActivateHint(TPoint{0, 0}, "");
  EXPECT_FALSE(Hint.isVisible());
}

TEST(HintWindowTest, CalcHintRect_BreaksAtBlanksWithinMaxWidth) {
  TZKHintWindow Hint;
  const TRect One = Hint.CalcHintRect(10000, "alpha beta", nullptr);
  const int LineHeight = One.Bottom - 2 * THintWindow::MarginY;
  ASSERT_GT(LineHeight, 0);
  const TRect Narrow = Hint.CalcHintRect(One.Right * 3 / 4, "alpha beta", nullptr);
  EXPECT_EQ(Narrow.Bottom, 2 * LineHeight + 2 * THintWindow::MarginY);
  EXPECT_LT(Narrow.Right, One.Right);
  const TRect Broken = Hint.CalcHintRect(10000, "alpha\nbeta", nullptr);
  EXPECT_EQ(Broken, Narrow);
}

TEST(HintWindowTest, FormFile_RoundTripsCornerIntervalAndColor) {
  TZKHintWindow Hint;
  Hint.SetCorner(crBottomRight);
  Hint.SetInterval(250);
  Hint.SetColor(clRed);
  const std::string Text = ObjectToText(Hint, "Hint1");
  EXPECT_EQ(Text,
            "object Hint1: TZKHintWindow\n  Color = 255\n  Font.Color = -16777193\n"
            "  Font.Height = -11\n  Font.Name = 'Tahoma'\n  Corner = crBottomRight\n"
            "  Interval = 250\nend\n");
  TZKHintWindow Read;
  ObjectFromText(Text, Read);
  EXPECT_EQ(Read.Corner(), crBottomRight);
  EXPECT_EQ(Read.Interval(), 250);
  EXPECT_EQ(Read.Color(), clRed);
}

TEST(HintWindowTest, FormFile_NewWindowStoresHintColorAndCorner) {
  TZKHintWindow Hint;
  const std::string Text = ObjectToText(Hint, "");
  EXPECT_NE(Text.find("  Color = -16777192\n"), std::string::npos);
  EXPECT_NE(Text.find("  Corner = crTopLeft\n"), std::string::npos);
  EXPECT_EQ(Text.find("Interval"), std::string::npos);
}

} // namespace
} // namespace zk
