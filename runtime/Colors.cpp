#include "runtime/Colors.h"

#include <array>
#include <cstdint>

#include "runtime/Exceptions.h"

namespace zk {
namespace {

struct ColorIdent {
  TColor Value;
  std::string_view Name;
};

// The host's identifier table: 16 standard, 4 extended, 2 special and 30
// system colours (in system index order; index $19 has no name). clDkGray and
// clLtGray are constants only: their values name clGray and clSilver.
constexpr std::array<ColorIdent, 52> kColorIdents{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
}};

constexpr char FoldAscii(char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C; }

constexpr bool SameTextAscii(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I)
    if (FoldAscii(A[I]) != FoldAscii(B[I])) return false;
  return true;
}

int HexValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

// The host's StrToInt: leading blanks, an optional sign, then decimal digits
// (within Integer range) or "$"/"0x" and up to eight hex digits (the 32-bit
// pattern, so "$FFFFFFFF" is -1).
bool TryStrToInt32(std::string_view S, TColor& Value) {
  std::size_t I = 0;
  while (I < S.size() && S[I] == ' ') ++I;
  bool Minus = false;
  if (I < S.size() && (S[I] == '+' || S[I] == '-')) Minus = S[I++] == '-';
  bool Hex = false;
  if (I < S.size() && S[I] == '$') {
    Hex = true;
    ++I;
  } else if (I + 1 < S.size() && S[I] == '0' && (S[I + 1] == 'x' || S[I + 1] == 'X')) {
    Hex = true;
    I += 2;
  }
  if (I == S.size()) return false;
  std::uint64_t Magnitude = 0;
  for (; I < S.size(); ++I) {
    const int D = Hex ? HexValue(S[I]) : (S[I] >= '0' && S[I] <= '9' ? S[I] - '0' : -1);
    if (D < 0) return false;
    Magnitude = Magnitude * (Hex ? 16 : 10) + static_cast<std::uint64_t>(D);
    if (Magnitude > 0xFFFFFFFFull) return false;
  }
  if (Hex) {
    std::uint32_t Bits = static_cast<std::uint32_t>(Magnitude);
    if (Minus) Bits = 0u - Bits;
    Value = static_cast<TColor>(Bits); // modular (C++20)
    return true;
  }
  if (Minus ? Magnitude > 0x80000000ull : Magnitude > 0x7FFFFFFFull) return false;
  const std::int64_t Signed = Minus ? -static_cast<std::int64_t>(Magnitude) : static_cast<std::int64_t>(Magnitude);
  Value = static_cast<TColor>(Signed);
  return true;
}

template <typename F> bool ForEachIdent(F&& Visit) {
  for (const ColorIdent& Entry : kColorIdents)
    if (Visit(Entry)) return true;
  return false;
}

} // namespace

bool ColorToIdent(TColor Color, std::string& Ident) {
  return ForEachIdent([&](const ColorIdent& Entry) {
    if (Entry.Value != Color) return false;
    Ident.assign(Entry.Name);
    return true;
  });
}

bool IdentToColor(std::string_view Ident, TColor& Color) {
  return ForEachIdent([&](const ColorIdent& Entry) {
    if (!SameTextAscii(Entry.Name, Ident)) return false;
    Color = Entry.Value;
    return true;
  });
}

std::string ColorToString(TColor Color) {
  std::string Text;
  if (ColorToIdent(Color, Text)) return Text;
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto Bits = static_cast<std::uint32_t>(Color);
  Text.assign(9, '$');
  for (int I = 0; I < 8; ++I) Text[8 - I] = kHex[(Bits >> (4 * I)) & 0xF];
  return Text;
}

TColor StringToColor(std::string_view Text) {
  TColor Color = 0;
  if (IdentToColor(Text, Color)) return Color;
  if (TryStrToInt32(Text, Color)) return Color;
  throw EConvertError("'" + std::string(Text) + "' is not a valid integer value");
}

} // namespace zk
