// The delta font: deltas follow changes against the reference font, the
// non-delta attributes follow the reference on request, and the deltas
// travel through form files.
#include <gtest/gtest.h>

#include <string>

#include "components/ZKDeltaFont.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"

namespace zk {
namespace {

// A delta font whose reference font is Reference (or none when null).
struct DeltaFontFixture : testing::Test {
  TFont Reference;
  TFont* Supplied = &Reference;
  TZKDeltaFont Font;
  int Changes = 0;
  DeltaFontFixture() {
    Font.OnGetOriginalFont = [this](TObject*, TFont*& F) { F = Supplied; };
    Font.OnChange = [this](TObject*) { ++Changes; };
  }
};

TEST_F(DeltaFontFixture, WithoutHandler_ChangesKeepDeltas) {
  Font.OnGetOriginalFont = nullptr;
  Font.SetDeltas({daSize});
  Font.SetStyle({fsBold});
  EXPECT_EQ(Font.Deltas(), (TDeltaAttributes{daSize}));
}

TEST_F(DeltaFontFixture, HandlerSupplyingNoFont_MakesBothUpdatesDoNothing) {
  Supplied = nullptr;
  Font.SetDeltas({daColor});
  Reference.SetColor(clRed);
  Font.UpdateDeltas();
  Font.UpdateNonDelta();
  EXPECT_EQ(Font.Deltas(), (TDeltaAttributes{daColor}));
  EXPECT_EQ(Font.Color(), clWindowText);
  EXPECT_EQ(Changes, 0);
}

struct DeltaCase {
  const char* Name;
  void (*Edit)(TFont&);
  TDeltaAttributes Expected;
};

const DeltaCase kDeltaCases[] = {
    {"BoldIsBold", [](TFont& F) { F.SetStyle({fsBold}); }, {daBold}},
    {"StylesInDeclarationOrder", [](TFont& F) { F.SetStyle({fsUnderline, fsStrikeOut}); },
     {daStrikeOut, daUnderline}},
    {"ColorIsColor", [](TFont& F) { F.SetColor(clRed); }, {daColor}},
    {"FaceCaseCounts", [](TFont& F) { F.SetName("TAHOMA"); }, {daFace}},
    {"SizeIsSize", [](TFont& F) { F.SetSize(12); }, {daSize}},
    {"PixelHeightOfSameSizeIsNoDelta", [](TFont& F) { F.SetHeight(-10); }, {}},
    {"CharsetPitchOrientationAreNoDeltas",
     [](TFont& F) {
       F.SetCharset(SYMBOL_CHARSET);
       F.SetPitch(fpFixed);
       F.SetOrientation(900);
     },
     {}},
};

class DeltaFontChangeTest : public DeltaFontFixture, public testing::WithParamInterface<DeltaCase> {};

TEST_P(DeltaFontChangeTest, ChangeRecomputesDeltas) {
  Font.SetDeltas({daColor, daFace});  // stale: the change recomputes
  GetParam().Edit(Font);
  EXPECT_EQ(Font.Deltas(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Changes, DeltaFontChangeTest, testing::ValuesIn(kDeltaCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(DeltaFontFixture, UpdateNonDelta_FollowsReferenceAndKeepsUserChanges) {
  Font.SetStyle({fsBold});
  ASSERT_EQ(Font.Deltas(), (TDeltaAttributes{daBold}));
  Reference.SetStyle({fsItalic});
  Reference.SetColor(clRed);
  Reference.SetSize(14);
  Changes = 0;
  Font.UpdateNonDelta();
  EXPECT_EQ(Font.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(Font.Color(), clRed);
  EXPECT_EQ(Font.Size(), 14);
  // Style, colour and size changed (the name did not): three notifications,
  // none of which recomputed the deltas.
  EXPECT_EQ(Changes, 3);
  EXPECT_EQ(Font.Deltas(), (TDeltaAttributes{daBold}));
}

TEST_F(DeltaFontFixture, UpdateNonDelta_LeavesStaleDeltasAlone) {
  Font.SetDeltas({daBold, daColor});  // the colour does not differ: a recompute would drop it
  Reference.SetStyle({fsBold, fsItalic});
  Changes = 0;
  Font.UpdateNonDelta(&Reference);
  EXPECT_EQ(Font.Style(), (TFontStyles{fsItalic}));
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Font.Deltas(), (TDeltaAttributes{daBold, daColor}));
}

TEST_F(DeltaFontFixture, FormFile_StoresDeltasOnlyWhenNotEmpty) {
  EXPECT_EQ(ObjectToText(Font, "F"), "object F: TZKDeltaFont\n  Height = -11\n"
                                     "  Name = 'Tahoma'\nend\n");
  Font.SetStyle({fsBold});
  Font.SetSize(12);
  const std::string Text = ObjectToText(Font, "F");
  EXPECT_EQ(Text, "object F: TZKDeltaFont\n  Height = -16\n"
                  "  Name = 'Tahoma'\n  Style = [fsBold]\n  Deltas = [daBold, daSize]\nend\n");
  TZKDeltaFont Read;
  ObjectFromText(Text, Read);
  EXPECT_EQ(Read.Deltas(), (TDeltaAttributes{daBold, daSize}));
  EXPECT_EQ(Read.Style(), (TFontStyles{fsBold}));
  EXPECT_EQ(Read.Size(), 12);
}

} // namespace
} // namespace zk
