// Pens, brushes, fonts, the device context's call order and the recording
// canvas's record and replay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "canvas/SystemColors.h"
#include "runtime/Exceptions.h"

namespace zk {
namespace {

using Log = std::vector<std::string>;

struct ChangeCounter {
  int Calls = 0;
  void Attach(TGraphicsObject& Object) {
    Object.OnChange = [this](TObject*) { ++Calls; };
  }
};

TEST(GraphicsObjectTest, Setters_NotifyOncePerEffectiveChange) {
  TPen Pen;
  TBrush Brush;
  TFont Font;
  ChangeCounter PenChanges, BrushChanges, FontChanges;
  PenChanges.Attach(Pen);
  BrushChanges.Attach(Brush);
  FontChanges.Attach(Font);

  Pen.SetColor(clBlack);  // the default: no change
  Pen.SetColor(clRed);
  Pen.SetWidth(-4);  // stored as 0
  Pen.SetWidth(0);
  Pen.SetStyle(psClear);
  EXPECT_EQ(PenChanges.Calls, 3);
  EXPECT_EQ(Pen.Width(), 0);

  Brush.SetStyle(bsClear);
  Brush.SetColor(clBlue);  // a colour makes a clear brush solid again
  EXPECT_EQ(Brush.Style(), bsSolid);
  EXPECT_EQ(BrushChanges.Calls, 2);

  Font.SetName("Tahoma");  // the default
  Font.SetHeight(-20);
  Font.SetStyle(TFontStyles{fsBold});
  Font.SetStyle(TFontStyles{fsBold});
  EXPECT_EQ(FontChanges.Calls, 2);
}

TEST(GraphicsObjectTest, Assign_CopiesValuesAndRejectsOtherClasses) {
  TBrush Source, Target;
  Source.SetColor(clLime);
  Source.SetStyle(bsCross);
  Target.Assign(&Source);
  EXPECT_EQ(Target.Data(), Source.Data());

  TFont FontSource, FontTarget;
  FontSource.SetName("Courier");
  FontSource.SetOrientation(900);
  FontTarget.Assign(&FontSource);
  EXPECT_EQ(FontTarget.Data(), FontSource.Data());

  TPen Pen;
  EXPECT_THROW(Target.Assign(&Pen), EConvertError);
  EXPECT_THROW(Pen.Assign(nullptr), EConvertError);
}

struct SizeCase {
  const char* Name;
  int PixelsPerInch;
  int Size;
  int Height;
};

TEST(FontTest, SizeAndHeight_ConvertAtTheResolution) {
  const SizeCase Cases[] = {
      {"EightPointAt96", 96, 8, -11},   // 10.67 rounds to 11
      {"TenPointAt96", 96, 10, -13},    // 13.33
      {"NinePointAt96", 96, 9, -12},    // exactly 12
      {"TwelvePointAt72", 72, 12, -12},
      {"NegativeSizeIsCellHeight", 96, -9, 12},
  };
  for (const SizeCase& C : Cases) {
    TFont Font;
    Font.SetPixelsPerInch(C.PixelsPerInch);
    Font.SetSize(C.Size);
    EXPECT_EQ(Font.Height(), C.Height) << C.Name;
    EXPECT_EQ(Font.Size(), C.Size) << C.Name;
  }
}

TEST(FontTest, Handle_RoundTripsTheDescriptionAndIsOwned) {
  TFont Source;
  Source.SetName("Serif");
  Source.SetHeight(-17);
  Source.SetStyle(TFontStyles{fsItalic, fsBold});
  Source.SetPitch(fpFixed);
  Source.SetOrientation(450);
  const HFONT Handle = Source.Handle();
  EXPECT_EQ(Source.Handle(), Handle);  // stable until a change
  EXPECT_EQ(Handle->lfWeight, FW_BOLD);
  EXPECT_EQ(Handle->lfEscapement, 450);

  TFont Target;
  Target.SetColor(clRed);
  Target.SetHandle(Handle);
  EXPECT_EQ(Target.Handle(), Handle);
  EXPECT_EQ(Target.Name(), "Serif");
  EXPECT_EQ(Target.Height(), -17);
  EXPECT_EQ(Target.Style(), Source.Style());
  EXPECT_EQ(Target.Pitch(), fpFixed);
  EXPECT_EQ(Target.Orientation(), 450);
  EXPECT_EQ(Target.Color(), clRed);  // a handle carries no colour

  Target.SetHeight(-18);
  EXPECT_NE(Target.Handle(), Handle);
  EXPECT_EQ(Target.Handle()->lfHeight, -18);
}

TEST(SystemColorsTest, ColorToRGB_ResolvesOnlySystemColours) {
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF0000FFu)), clBlack);  // no such index
}

// ---- Device context ---------------------------------------------------------

TEST(DeviceContextTest, CallsOutOfOrder_FailAndReachNoBackend) {
  TRecordingCanvas Canvas;
  HDC DC = Canvas.Handle();
  const TPoint Three[3] = {{1, 1}, {2, 2}, {3, 3}};
  EXPECT_FALSE(EndPath(DC));
  EXPECT_FALSE(CloseFigure(DC));
  EXPECT_FALSE(StrokePath(DC));
  EXPECT_FALSE(StrokeAndFillPath(DC));
  EXPECT_FALSE(PolyBezierTo(DC, std::span(Three, 2)));
  EXPECT_EQ(SetPolyFillMode(DC, 7), 0);
  EXPECT_TRUE(Canvas.Calls().empty());

  EXPECT_TRUE(BeginPath(DC));
  EXPECT_FALSE(StrokePath(DC));  // the path is still open
  EXPECT_TRUE(PolyBezierTo(DC, Three));
  EXPECT_TRUE(EndPath(DC));
  EXPECT_TRUE(StrokePath(DC));
  EXPECT_FALSE(StrokePath(DC));  // stroking discarded the path
  EXPECT_EQ(Canvas.Log(), (Log{"BeginPath()", "PolyBezierTo(1,1,2,2,3,3)", "EndPath()",
                               "StrokePath()"}));
}

TEST(DeviceContextTest, NullContext_FailsEverywhere) {
  TPoint Previous{5, 5};
  EXPECT_FALSE(BeginPath(nullptr));
  EXPECT_FALSE(MoveToEx(nullptr, 1, 2, &Previous));
  EXPECT_FALSE(LineTo(nullptr, 1, 2));
  EXPECT_FALSE(PolyBezierTo(nullptr, {}));
  EXPECT_EQ(GetPolyFillMode(nullptr), 0);
  EXPECT_EQ(SetPolyFillMode(nullptr, WINDING), 0);
  EXPECT_EQ(Previous, (TPoint{5, 5}));
}

TEST(DeviceContextTest, Position_IsSharedWithTheCanvas) {
  TRecordingCanvas Canvas;
  HDC DC = Canvas.Handle();
  Canvas.MoveTo(3, 4);
  TPoint Previous;
  MoveToEx(DC, 7, 8, &Previous);
  EXPECT_EQ(Previous, (TPoint{3, 4}));
  LineTo(DC, 9, 9);
  EXPECT_EQ(Canvas.PenPos(), (TPoint{9, 9}));
  EXPECT_EQ(SetPolyFillMode(DC, WINDING), ALTERNATE);
  EXPECT_EQ(SetPolyFillMode(DC, WINDING), WINDING);  // no change, no record
  EXPECT_EQ(GetPolyFillMode(DC), WINDING);
  EXPECT_EQ(Canvas.Log(),
            (Log{"MoveTo(3,4)", "MoveToEx(7,8)", "LineTo(DC)(9,9)", "SetPolyFillMode(2)"}));
}

// ---- Recording --------------------------------------------------------------

TEST(RecordingCanvasTest, EveryOperation_RecordsItsIntegerArguments) {
  TRecordingCanvas Canvas;
  const TPoint Points[] = {{1, 2}, {3, 4}, {5, 6}};
  Canvas.Polygon(Points);
  Canvas.Polyline(std::span(Points, 2));
  Canvas.Rectangle(1, 2, 3, 4);
  Canvas.FillRect({5, 6, 7, 8});
  Canvas.Ellipse(TRect{0, 0, 9, 9});
  Canvas.RoundRect(0, 0, 10, 10, 4, 2);
  Canvas.Pie(0, 0, 100, 100, 100, 50, 50, 0);
  Canvas.Chord(0, 0, 100, 100, 0, 50, 100, 50);
  Canvas.TextOut(10, 20, "Hé");
  EXPECT_EQ(Canvas.Log(),
            (Log{"Polygon(1,2,3,4,5,6)", "Polyline(1,2,3,4)", "Rectangle(1,2,3,4)",
                 "FillRect(5,6,7,8)", "Ellipse(0,0,9,9)", "RoundRect(0,0,10,10,4,2)",
                 "Pie(0,0,100,100,100,50,50,0)", "Chord(0,0,100,100,0,50,100,50)",
                 "TextOut(10,20,\"Hé\")"}));
  // Two characters of a -11 font, 6 pixels each.
  EXPECT_EQ(Canvas.PenPos(), (TPoint{22, 20}));
}

TEST(RecordingCanvasTest, Calls_CarryTheStateAtTheirTime) {
  TRecordingCanvas Canvas;
  Canvas.Pen().SetColor(clRed);
  Canvas.Rectangle(0, 0, 1, 1);
  Canvas.Pen().SetStyle(psClear);
  Canvas.Brush().SetColor(clYellow);
  Canvas.Font().SetHeight(-30);
  Canvas.Rectangle(0, 0, 2, 2);
  ASSERT_EQ(Canvas.Calls().size(), 2u);
  const TCanvasCall& First = Canvas.Calls()[0];
  const TCanvasCall& Second = Canvas.Calls()[1];
  EXPECT_EQ(First.Pen, (TPenData{clRed, psSolid, 1}));
  EXPECT_EQ(First.Brush, (TBrushData{clWhite, bsSolid}));
  EXPECT_EQ(First.Font.Height, -11);
  EXPECT_EQ(Second.Pen, (TPenData{clRed, psClear, 1}));
  EXPECT_EQ(Second.Brush, (TBrushData{clYellow, bsSolid}));
  EXPECT_EQ(Second.Font.Height, -30);
}

TEST(RecordingCanvasTest, FixedTextExtent_CountsCharactersNotBytes) {
  EXPECT_EQ(TRecordingCanvas::FixedTextExtent("abc", -11), (TSize{18, 11}));
  EXPECT_EQ(TRecordingCanvas::FixedTextExtent("日本", 20), (TSize{20, 20}));
  EXPECT_EQ(TRecordingCanvas::FixedTextExtent("", -11), (TSize{0, 11}));
  EXPECT_EQ(TRecordingCanvas::FixedTextExtent("x", INT32_MIN), (TSize{1 << 30, INT32_MAX}));
}

TEST(RecordingCanvasTest, Replay_ReproducesCallsAndState) {
  TRecordingCanvas Source;
  Source.Pen().SetWidth(3);
  Source.Brush().SetStyle(bsClear);
  Source.MoveTo(1, 1);
  Source.LineTo(5, 5);
  HDC DC = Source.Handle();
  SetPolyFillMode(DC, WINDING);
  BeginPath(DC);
  MoveToEx(DC, 0, 0, nullptr);
  LineTo(DC, 4, 0);
  CloseFigure(DC);
  EndPath(DC);
  StrokeAndFillPath(DC);
  Source.TextOut(0, 0, "ab");

  TRecordingCanvas Copy;
  Source.Replay(Copy);
  ASSERT_EQ(Copy.Log(), Source.Log());
  for (std::size_t I = 0; I < Copy.Calls().size(); ++I) {
    EXPECT_EQ(Copy.Calls()[I].Pen, Source.Calls()[I].Pen) << I;
    EXPECT_EQ(Copy.Calls()[I].Brush, Source.Calls()[I].Brush) << I;
    EXPECT_EQ(Copy.Calls()[I].PolyFillMode, Source.Calls()[I].PolyFillMode) << I;
  }
}

TEST(RecordingCanvasTest, ReplayOntoItself_AppendsOneCopy) {
  TRecordingCanvas Canvas;
  Canvas.MoveTo(1, 1);
  Canvas.LineTo(5, 5);
  Canvas.Replay(Canvas);
  EXPECT_EQ(Canvas.Log(), (Log{"MoveTo(1,1)", "LineTo(5,5)", "MoveTo(1,1)", "LineTo(5,5)"}));
}

} // namespace
} // namespace zk
