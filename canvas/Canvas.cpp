#include "canvas/Canvas.h"

#include <cstdlib>

#include "canvas/SystemColors.h"
#include "runtime/PublishedProperties.h"

namespace zk {

namespace {

// Stores Value into Field and reports whether that changed anything.
template <class T>
bool Update(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

// A * B / C rounded half away from zero, in 64 bits (the operands are 32-bit,
// so the product cannot overflow); C > 0.
std::int32_t MulDiv(std::int64_t A, std::int64_t B, std::int64_t C) {
  const std::int64_t P = A * B;
  const std::int64_t Q = (std::llabs(P) * 2 + C) / (2 * C);
  return static_cast<std::int32_t>(P < 0 ? -Q : Q);
}

} // namespace

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---- Pen -------------------------------------------------------------------

void TPen::Assign(const TPersistent* Source) {
  if (const auto* Other = dynamic_cast<const TPen*>(Source)) return SetData(Other->FData);
  TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value) {
  if (Update(FData.Color, Value)) Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Update(FData.Style, Value)) Changed();
}

void TPen::SetWidth(std::int32_t Value) {
  if (Update(FData.Width, Value < 0 ? 0 : Value)) Changed();
}

void TPen::SetData(const TPenData& Value) {
  TPenData Clean = Value;
  if (Clean.Width < 0) Clean.Width = 0;
  if (Update(FData, Clean)) Changed();
}

// ---- Brush -----------------------------------------------------------------

void TBrush::Assign(const TPersistent* Source) {
  if (const auto* Other = dynamic_cast<const TBrush*>(Source)) return SetData(Other->FData);
  TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value) {
  TBrushData Next = FData;
  Next.Color = Value;
  if (Next.Style == bsClear) Next.Style = bsSolid;
  SetData(Next);
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Update(FData.Style, Value)) Changed();
}

void TBrush::SetData(const TBrushData& Value) {
  if (Update(FData, Value)) Changed();
}

// ---- Font ------------------------------------------------------------------

const TPropertyTable& TFont::PublishedProperties() const {
  static const TFontData Defaults;
  static const TPropertyTable Table(TPersistent::PublishedProperties(), {
    IntegerProperty<TFont>("Charset", &TFont::Charset,
                           [](TFont& F, std::int32_t V) { F.SetCharset(static_cast<TFontCharset>(V)); },
                           Defaults.Charset),
    IntegerProperty<TFont>("Color", &TFont::Color, &TFont::SetColor, Defaults.Color),
    IntegerProperty<TFont>("Height", &TFont::Height, &TFont::SetHeight),
    StringProperty<TFont>("Name", &TFont::Name, &TFont::SetName),
    IntegerProperty<TFont>("Orientation", &TFont::Orientation, &TFont::SetOrientation,
                           Defaults.Orientation),
    EnumProperty<TFont>("Pitch", {"fpDefault", "fpVariable", "fpFixed"}, &TFont::Pitch,
                        &TFont::SetPitch, Defaults.Pitch),
    StoredWhen<TFont>(IntegerProperty<TFont>("Size", &TFont::Size, &TFont::SetSize),
                      [](const TFont&) { return false; }),
    SetProperty<TFont>("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"},
                       [](const TFont& F) { return F.Style().Bits(); },
                       [](TFont& F, TFontStyles::TBits V) { F.SetStyle(TFontStyles::FromBits(V)); },
                       0),
  });
  return Table;
}

void TFont::Assign(const TPersistent* Source) {
  if (const auto* Other = dynamic_cast<const TFont*>(Source)) {
    FPixelsPerInch = Other->FPixelsPerInch;
    return SetData(Other->FData);
  }
  TGraphicsObject::Assign(Source);
}

void TFont::SetName(const std::string& Value) {
  if (Update(FData.Name, Value)) Changed();
}

void TFont::SetHeight(std::int32_t Value) {
  if (Update(FData.Height, Value)) Changed();
}

std::int32_t TFont::Size() const noexcept { return -MulDiv(FData.Height, 72, FPixelsPerInch); }

void TFont::SetSize(std::int32_t Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

void TFont::SetPixelsPerInch(std::int32_t Value) noexcept {
  if (Value >= 1) FPixelsPerInch = Value;
}

void TFont::SetColor(TColor Value) {
  if (Update(FData.Color, Value)) Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Update(FData.Style, Value)) Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Update(FData.Charset, Value)) Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Update(FData.Pitch, Value)) Changed();
}

void TFont::SetOrientation(std::int32_t Value) {
  if (Update(FData.Orientation, Value)) Changed();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    TLogFont Log;
    Log.lfHeight = FData.Height;
    Log.lfEscapement = Log.lfOrientation = FData.Orientation;
    Log.lfWeight = FData.Style[fsBold] ? FW_BOLD : FW_NORMAL;
    Log.lfItalic = FData.Style[fsItalic];
    Log.lfUnderline = FData.Style[fsUnderline];
    Log.lfStrikeOut = FData.Style[fsStrikeOut];
    Log.lfCharSet = FData.Charset;
    Log.lfPitchAndFamily = FData.Pitch == fpFixed      ? FIXED_PITCH
                           : FData.Pitch == fpVariable ? VARIABLE_PITCH
                                                       : DEFAULT_PITCH;
    Log.lfFaceName = FData.Name;
    FHandle = std::make_shared<const TLogFont>(std::move(Log));
  }
  return FHandle;
}

void TFont::SetHandle(HFONT Value) {
  TFontData Next;
  Next.Color = FData.Color;
  if (Value) {
    const TLogFont& Log = *Value;
    Next.Name = Log.lfFaceName;
    Next.Height = Log.lfHeight;
    Next.Orientation = Log.lfEscapement;
    Next.Style.Set(fsBold, Log.lfWeight >= FW_BOLD);
    Next.Style.Set(fsItalic, Log.lfItalic != 0);
    Next.Style.Set(fsUnderline, Log.lfUnderline != 0);
    Next.Style.Set(fsStrikeOut, Log.lfStrikeOut != 0);
    Next.Charset = Log.lfCharSet;
    const int Pitch = Log.lfPitchAndFamily & 3;
    Next.Pitch = Pitch == FIXED_PITCH ? fpFixed : Pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  }
  SetData(Next);
  // Kept after the change so that Handle() returns the very handle given.
  FHandle = std::move(Value);
}

void TFont::SetData(const TFontData& Value) {
  if (Update(FData, Value)) Changed();
}

void TFont::Changed() {
  FHandle.reset();
  TGraphicsObject::Changed();
}

// ---- Canvas ----------------------------------------------------------------

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::MoveTo(int X, int Y) {
  SetCurrentPosition({X, Y});
  DoMoveTo({X, Y});
}

void TCanvas::LineTo(int X, int Y) {
  const TPoint From = CurrentPosition();
  SetCurrentPosition({X, Y});
  DoLineTo(From, {X, Y});
}

void TCanvas::Polygon(std::span<const TPoint> Points) { DoPolygon(Points); }

void TCanvas::Polyline(std::span<const TPoint> Points) { DoPolyline(Points); }

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) { DoRectangle({X1, Y1, X2, Y2}); }

void TCanvas::FillRect(const TRect& R) { DoFillRect(R); }

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) { DoEllipse({X1, Y1, X2, Y2}); }

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int W, int H) {
  DoRoundRect({X1, Y1, X2, Y2}, W, H);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  DoPie({X1, Y1, X2, Y2}, {X3, Y3}, {X4, Y4});
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  DoChord({X1, Y1, X2, Y2}, {X3, Y3}, {X4, Y4});
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
  DoTextOut(X, Y, Text);
  // The host moves the pen past the text; the sum wraps like its 32-bit add.
  const auto Right = static_cast<std::int64_t>(X) + TextWidth(Text);
  SetCurrentPosition({static_cast<std::int32_t>(static_cast<std::uint32_t>(Right)), Y});
}

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic) { DoDraw(X, Y, Graphic); }

void TCanvas::StretchDraw(const TRect& R, const TGraphic& Graphic) { DoStretchDraw(R, Graphic); }

TColor TCanvas::ColorToRGB(TColor Color) const { return zk::ColorToRGB(Color); }

} // namespace zk
