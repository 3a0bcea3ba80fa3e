// Turned fonts and text labels, on the recording canvas (characters 6 by 11).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "drawing/TextLabel.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

TEST(DrawTextLabelTest, VerticalPlacement) {
  const struct {
    const char* Name;
    std::uint32_t Format;
    std::string Expected;
  } Cases[] = {
      // "aaa bbb ccc" wraps to two lines at width 40: 22 pixels high.
      {"BottomWrapped_TopMovesUpByTheWrappedHeight", DT_BOTTOM | DT_WORDBREAK,
       "DrawText(0,78,40,100,24,\"aaa bbb ccc\")"},
      {"CentredWrapped_TopIsCentreLessHalfTheHeight", DT_VCENTER | DT_WORDBREAK | DT_CENTER,
       "DrawText(0,39,40,100,21,\"aaa bbb ccc\")"},
      {"BottomUnwrapped_DrawsOneLine", DT_BOTTOM, "DrawText(0,0,40,100,40,\"aaa bbb ccc\")"},
      {"CentredUnwrapped_DrawsOneLine", DT_VCENTER, "DrawText(0,0,40,100,36,\"aaa bbb ccc\")"},
      {"CentredSingleLine_AsGiven", DT_VCENTER | DT_SINGLELINE | DT_WORDBREAK,
       "DrawText(0,0,40,100,52,\"aaa bbb ccc\")"},
      {"TopLeft_AsGiven", DT_RIGHT, "DrawText(0,0,40,100,2,\"aaa bbb ccc\")"},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    C.Brush().SetStyle(bsDiagCross);
    DrawTextLabel(C, "aaa bbb ccc", Case.Format, {0, 0, 40, 100});
    ASSERT_EQ(C.Calls().size(), 1u) << Case.Name;
    EXPECT_EQ(C.Calls()[0].ToString(), Case.Expected) << Case.Name;
    EXPECT_EQ(C.Calls()[0].Brush.Style, bsClear) << Case.Name;
    EXPECT_EQ(C.Brush().Style(), bsDiagCross) << Case.Name;
  }
}

TEST(RotateFontTest, BuildsTheTurnedDescription) {
  TFont Font;
  Font.SetName("Sans");
  Font.SetHeight(-15);
  Font.SetStyle({fsBold, fsUnderline});
  Font.SetPitch(fpFixed);
  Font.SetCharset(SYMBOL_CHARSET);
  Font.SetColor(clRed);
  RotateFont(Font, 45.25f);
  const HFONT Handle = Font.Handle();
  ASSERT_TRUE(Handle);
  TLogFont Expected;
  Expected.lfHeight = -15;
  Expected.lfEscapement = Expected.lfOrientation = 452;  // 452.5 to even
  Expected.lfWeight = FW_BOLD;
  Expected.lfUnderline = 1;
  Expected.lfCharSet = SYMBOL_CHARSET;
  Expected.lfPitchAndFamily = FIXED_PITCH;
  Expected.lfFaceName = "Sans";
  EXPECT_EQ(*Handle, Expected);
  EXPECT_EQ(Font.Orientation(), 452);
  EXPECT_EQ(Font.Color(), clRed);
}

TEST(RotateFontTest, FaceNameRules) {
  const std::string Long = std::string(30, 'n') + "\xC3\xA9xyz";
  const struct { const char* Name; std::string Face; bool TrueType; std::string Expected; } Cases[] = {
      {"DefaultMeansTheDefaultFace", "DEFAULT", true, TFontData().Name},
      {"NotTrueTypeBecomesArial", "Fixedsys", false, "Arial"},
      {"LongNameCutAtACharacter", Long, true, std::string(30, 'n') + "\xC3\xA9"}};
  for (const auto& Case : Cases) {
    TRecordingCanvas Reference;
    Reference.SetTrueTypeFonts(Case.TrueType);
    Reference.Font().SetName("Kept");
    TFont Font;
    Font.SetName(Case.Face);
    RotateFont(Font, -30, Reference);
    EXPECT_EQ(Font.Name(), Case.Expected) << Case.Name;
    EXPECT_EQ(Font.Orientation(), -300) << Case.Name;
    EXPECT_EQ(Reference.Font().Name(), "Kept") << Case.Name;
  }
}

TEST(RotateFontTest, HugeAngleReducedByTurns_NaNRaisesAndKeepsTheFont) {
  TFont Font;
  RotateFont(Font, 0x1p40f);                // 2^40 degrees: 2^40 * 10 tenths, less whole turns
  EXPECT_EQ(Font.Orientation(), 160);
  Font.SetName("Sans");
  EXPECT_THROW(RotateFont(Font, std::nanf("")), EInvalidOp);
  EXPECT_EQ(Font.Name(), "Sans");
}

}  // namespace
}  // namespace zk
