#include "drawing/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "runtime/Rounding.h"

namespace zk {

namespace {

constexpr char32_t LineFeed = U'\n';
const TCharSet QuoteChars = MakeCharSet("\"'");

bool EndsWithCrLf(std::string_view Word) noexcept {
  return Word.size() >= 2 && Word.substr(Word.size() - 2) == "\r\n";
}

// Splits Text into the words of `WrapCanvasText`, by byte offsets. Every scan
// stops at Last, the start of the final character, which never joins a word.
class TWordScanner {
public:
  TWordScanner(std::string_view Text, const TCharSet& BreakChars)
      : FText(Text), FBreakChars(BreakChars) {
    for (std::size_t I = 0; I < Text.size();) {
      FLast = I;
      DecodeUtf8(Text, I);
    }
  }

  std::size_t Last() const noexcept { return FLast; }

  // The byte length of the word at P (P < Last), at least one character.
  std::size_t WordLength(std::size_t P) const noexcept {
    std::size_t I = P;
    char32_t C = 0;
    while (I < FLast && !ZKCharInSet(C = At(I), FBreakChars) && C != LineFeed) {
      if (ZKCharInSet(C, QuoteChars)) {
        Next(I);
        while (I < FLast && !ZKCharInSet(At(I), QuoteChars)) Next(I);
        if (I < FLast) Next(I);
      } else {
        Next(I);
      }
    }
    while (I < FLast && ZKCharInSet(At(I), FBreakChars)) Next(I);
    while (I < FLast && At(I) == LineFeed) Next(I);
    return I - P;
  }

private:
  char32_t At(std::size_t I) const noexcept { return DecodeUtf8(FText, I); }
  void Next(std::size_t& I) const noexcept { DecodeUtf8(FText, I); }

  std::string_view FText;
  const TCharSet& FBreakChars;
  std::size_t FLast = 0;
};

std::int32_t Clamp32(long double V) noexcept {
  return static_cast<std::int32_t>(std::clamp<long double>(
      V, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The angle in radians, with pi in extended precision.
long double Radians(int Angle) noexcept { return Angle * 3.14159265358979323846264338327950288L / 180; }

} // namespace

float GetMultilineTextHeight(TCanvas& Canvas, std::string_view Text) {
  const auto H = static_cast<float>(Canvas.TextHeight(Text));
  float Result = H;
  for (const char C : Text)
    if (C == '\n') Result += H;
  return Result;
}

TCharSet DefaultWrapBreakChars() { return MakeCharSet("\t -"); }

std::string WrapCanvasText(TCanvas& Canvas, std::string_view Text, std::string_view BreakStr,
                           const TCharSet& BreakChars, float MaxWidth) {
  std::string Result;
  if (Text.empty()) return Result;
  Result.reserve(Text.size() + Text.size() / 8);
  const TWordScanner Scanner(Text, BreakChars);
  float LineWidth = 0;
  bool AtLineStart = true;
  for (std::size_t P = 0; P < Scanner.Last();) {
    const std::size_t N = Scanner.WordLength(P);
    const std::string_view Word = Text.substr(P, N);
    const auto W = static_cast<float>(Canvas.TextWidth(Word));
    if (!AtLineStart && static_cast<double>(LineWidth) + W >= MaxWidth) {
      if (EndsWithCrLf(Word)) {
        AtLineStart = true;
        LineWidth = 0;
      } else {
        Result += BreakStr;
        LineWidth = W;
      }
    } else {
      LineWidth += W;
      AtLineStart = EndsWithCrLf(Word);
      if (AtLineStart) LineWidth = 0;
    }
    Result += Word;
    P += N;
  }
  Result += Text.substr(Scanner.Last());
  return Result;
}

std::string WrapCanvasText(TCanvas& Canvas, std::string_view Text, float MaxWidth) {
  return WrapCanvasText(Canvas, Text, "\r\n", DefaultWrapBreakChars(), MaxWidth);
}

TSize GetRotatedTextExtent(TCanvas& Canvas, int Angle, std::string_view Text, TPoint& Offset) {
  Offset = {0, 0};
  const TSize Size = Canvas.TextExtent(Text);
  if (Angle == 0) return Size;
  const std::int64_t W = Size.cx, H = Size.cy;
  const std::int64_t C = HostRound(std::cos(Radians(Angle)) * W);
  const std::int64_t S = HostRound(std::sin(Radians(Angle)) * W);
  const std::int64_t Width = std::abs(C) + 2 * H, Height = std::abs(S) + 2 * H;
  Offset.X = Clamp32(C < 0 ? Width - H : H);
  Offset.Y = Clamp32(S < 0 ? H : C < 0 ? Height - H : Height - H - H / 2);
  return {Clamp32(Width), Clamp32(Height)};
}

TSizeF GetRotatedTextExtent(TCanvas& Canvas, int Angle, std::string_view Text, TPointF& Offset) {
  Offset = {0, 0};
  const auto W = static_cast<float>(Canvas.TextWidth(Text));
  const auto H = static_cast<float>(Canvas.TextHeight(Text));
  if (Angle == 0) return {W, H};
  // The angle in double: pi rounds below its true value there, so at 90
  // degrees c is a tiny positive number and the offset is that of text
  // running rightward (in extended precision it would be tiny and negative).
  const double A = Angle * 3.14159265358979323846 / 180;
  const auto C = static_cast<float>(std::cos(A) * W);
  const auto S = static_cast<float>(std::sin(A) * W);
  const float Width = std::abs(C) + 2 * H, Height = std::abs(S) + 2 * H;
  Offset.X = C < 0 ? Width - H : H;
  Offset.Y = S < 0 ? H : C < 0 ? Height - H : Height - H - H / 2;
  return {Width, Height};
}

} // namespace zk
