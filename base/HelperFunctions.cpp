#include "base/HelperFunctions.h"

#include <algorithm>

namespace zk {

TCharSet MakeCharSet(std::string_view Chars) {
  TCharSet Set;
  for (unsigned char C : Chars) Set.set(C);
  return Set;
}

bool ZKCharInSet(char32_t C, const TCharSet& Chars) noexcept { return C < 256 && Chars.test(C); }

bool ZKCharInSet(char32_t C, std::u32string_view Chars, int Count) noexcept {
  if (Count <= 0) return false;
  Chars = Chars.substr(0, static_cast<std::size_t>(Count));
  return Chars.find(C) != std::u32string_view::npos;
}

TRect ScaleRect(const TRect& R, int DX, int DY) noexcept {
  const auto Wrap = [](std::int64_t V) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(V)); };
  const std::int64_t H = DX / 2, V = DY / 2;
  return {Wrap(R.Left - H), Wrap(R.Top - V), Wrap(R.Right + H), Wrap(R.Bottom + V)};
}

char32_t DecodeUtf8(std::string_view Text, std::size_t& I) noexcept {
  const auto Byte = [&](std::size_t K) { return static_cast<unsigned char>(Text[K]); };
  const unsigned char B0 = Byte(I);
  int Len = B0 < 0x80 ? 1 : (B0 >> 5) == 6 ? 2 : (B0 >> 4) == 14 ? 3 : (B0 >> 3) == 30 ? 4 : 0;
  if (Len == 0 || I + Len > Text.size()) { ++I; return 0xDC00 + B0; }
  char32_t C = Len == 1 ? B0 : B0 & (0x7F >> Len);
  for (int K = 1; K < Len; ++K) {
    const unsigned char B = Byte(I + K);
    if ((B & 0xC0) != 0x80) { ++I; return 0xDC00 + B0; }
    C = (C << 6) | (B & 0x3F);
  }
  I += Len;
  return C;
}

// ---- Unicode case folding -------------------------------------------------

namespace {

void Encode(char32_t C, std::string& Out) {
  if (C >= 0xDC80 && C <= 0xDCFF) { Out += static_cast<char>(C - 0xDC00); return; }
  if (C < 0x80) { Out += static_cast<char>(C); return; }
  if (C < 0x800) { Out += static_cast<char>(0xC0 | (C >> 6)); }
  else if (C < 0x10000) { Out += static_cast<char>(0xE0 | (C >> 12)); Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F)); }
  else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
  }
  Out += static_cast<char>(0x80 | (C & 0x3F));
}

// Simple lower-case mapping for the scripts user text in menus and trees is
// written in: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic.
char32_t ToLower(char32_t C) {
  if (C >= U'A' && C <= U'Z') return C + 32;
  if ((C >= 0xC0 && C <= 0xDE && C != 0xD7)) return C + 32;
  if (C >= 0x100 && C <= 0x17F && C != 0x130 && C != 0x138 && C != 0x149 && C != 0x17F) {
    const bool OddLower = (C >= 0x139 && C <= 0x148) || (C >= 0x179 && C <= 0x17E);
    if (OddLower) return (C % 2 == 1) ? C + 1 : C;
    return (C % 2 == 0) ? C + 1 : C;
  }
  if (C >= 0x391 && C <= 0x3AB && C != 0x3A2) return C + 32;
  if (C >= 0x410 && C <= 0x42F) return C + 32;
  if (C >= 0x400 && C <= 0x40F) return C + 80;
  return C;
}

} // namespace

std::string ZKLowerCase(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size();) Encode(ToLower(DecodeUtf8(Text, I)), Out);
  return Out;
}

bool ZKAnsiContainsStr(std::string_view S, std::string_view T) {
  return T.find(S) != std::string_view::npos;
}

bool ZKAnsiContainsText(std::string_view S, std::string_view T) {
  return ZKAnsiContainsStr(ZKLowerCase(S), ZKLowerCase(T));
}

TStrCompareFunction GetStrCompareFunction(bool CaseSensitive, TCompareStringsOption Option) {
  auto Test = [Option](std::string_view S, std::string_view T) {
    switch (Option) {
      case csoStartsWith: return T.starts_with(S);
      case csoEndsWith: return T.ends_with(S);
      case csoContains: return ZKAnsiContainsStr(S, T);
      default: return S == T;
    }
  };
  if (CaseSensitive) return Test;
  return [Test](std::string_view S, std::string_view T) { return Test(ZKLowerCase(S), ZKLowerCase(T)); };
}

} // namespace zk
