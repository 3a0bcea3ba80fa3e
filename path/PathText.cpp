// The path as SVG path data: the scanners, the parser and the writer.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "base/HelperFunctions.h"
#include "path/PathData.h"
#include "path/PathSegments.h"
#include "path/PathText_p.h"
#include "runtime/Exceptions.h"
#include "runtime/NumberText.h"

namespace zk {

// ---- Scanners ---------------------------------------------------------------

namespace PathScan {
namespace {

// Strict: the white space of the SVG grammar, which adds the form feed.
template <bool Strict = false>
constexpr bool IsBlank(char C) noexcept {
  return C == ' ' || C == '\t' || C == '\n' || C == '\r' || (Strict && C == '\f');
}

// Every separator (blank or comma) sorts at or below ','; digits, signs,
// points and letters all sort above it, so one comparison ends most skips.
constexpr bool CannotSeparate(char C) noexcept { return C > ','; }

// Blanks with at most one comma among them.
template <bool Strict = false>
inline void SkipSeparators(std::string_view S, std::size_t& Pos) noexcept {
  if (Pos < S.size() && CannotSeparate(S[Pos])) return;
  bool Comma = false;
  while (Pos < S.size()) {
    const char C = S[Pos];
    if (IsBlank<Strict>(C)) {
      ++Pos;
    } else if (C == ',' && !Comma) {
      Comma = true;
      ++Pos;
    } else {
      break;
    }
  }
}

// Any run of commas and blanks.
inline void SkipCommasAndBlanks(std::string_view S, std::size_t& Pos) noexcept {
  if (Pos < S.size() && CannotSeparate(S[Pos])) return;
  while (Pos < S.size() && (IsBlank(S[Pos]) || S[Pos] == ',')) ++Pos;
}

// The largest magnitude that still rounds to a finite Single: FLT_MAX plus
// half of its last unit (that value itself rounds to even, to infinity).
constexpr double SingleOverflowLimit = 0x1.ffffffp+127;

// The scanners proper. The exported functions below wrap them; the parser
// calls these directly, so they inline instead of going through the
// library's symbol table. The number scanners are forced inline: as calls
// they return their result through memory and the compiler, judging them
// large, would keep them out of line.

constexpr bool IsCommandChar(char C) noexcept {
  switch (C) {
  case 'z': case 'm': case 'l': case 'c': case 'h': case 'v': case 's': case 'q': case 't': case 'a':
  case 'Z': case 'M': case 'L': case 'C': case 'H': case 'V': case 'S': case 'Q': case 'T': case 'A':
    return true;
  default:
    return false;
  }
}

constexpr bool IsDigitChar(char C) noexcept { return ZKIsDigit(static_cast<unsigned char>(C)); }

template <bool Strict = false>
std::string_view ScanTok(std::string_view S, std::size_t& Pos) noexcept {
  if (Pos >= S.size()) return {};
  while (Pos < S.size() && IsBlank<Strict>(S[Pos])) ++Pos;
  const std::size_t Start = Pos;
  while (Pos < S.size() && IsCommandChar(S[Pos])) ++Pos;
  return S.substr(Start, Pos - Start);
}

// The number grammar: "-" only first or right after an exponent letter, one
// ".", "e"/"E" anywhere.
std::string_view ScanNumber(std::string_view S, std::size_t& Pos) noexcept {
  if (Pos >= S.size()) return {};
  SkipSeparators(S, Pos);
  const char* const Begin = S.data();
  const char* const End = Begin + S.size();
  const char* P = Begin + Pos;
  bool Point = false;
  if (P < End && *P == '-') ++P;
  for (;;) {
    while (P < End && IsDigitChar(*P)) ++P;
    if (P == End) break;
    if (*P == '.' && !Point) {
      Point = true;
      ++P;
    } else if (*P == 'e' || *P == 'E') {
      ++P;
      if (P < End && *P == '-') ++P;
    } else {
      break;
    }
  }
  const std::string_view Text(Begin + Pos, static_cast<std::size_t>(P - (Begin + Pos)));
  Pos = static_cast<std::size_t>(P - Begin);
  SkipSeparators(S, Pos);
  return Text;
}

// The digits of a decimal mantissa ("12", "12.375", ".5", "5."), gathered
// as an integer while they are scanned. Past 19 digits the integer wraps; it
// is not used then.
struct TMantissa {
  std::uint64_t Value = 0;
  std::ptrdiff_t Digits = 0, Decimals = 0;
};

// Eight characters as one little-endian word (the first character in the
// lowest byte), each XOR '0', which turns a digit into its value.
constexpr std::uint64_t EveryByte(std::uint8_t B) noexcept { return 0x0101010101010101u * B; }

inline std::uint64_t LoadDigitValues(const char* P) noexcept {
  std::uint64_t W;
  std::memcpy(&W, P, sizeof W);
  return W ^ EveryByte('0');
}

// The number of digits that start the eight characters (8 when all are). A
// byte is a digit when its value is below 10: bit 7 clear, and adding 0x76
// to its low seven bits leaves bit 7 clear.
inline int DigitRunLength(std::uint64_t X) noexcept {
  const std::uint64_t NotDigit = (((X & EveryByte(0x7F)) + EveryByte(0x76)) | X) & EveryByte(0x80);
  return NotDigit == 0 ? 8 : std::countr_zero(NotDigit) / 8;
}

// The value of the first N (at most 7) digits: moved to the top so that
// zero bytes lead, then combined by pairs, fours and eights.
inline std::uint64_t DigitRunValue(std::uint64_t X, int N) noexcept {
  X = (X << (8 * (8 - N) - 1)) << 1; // in two steps: N = 0 shifts all out
  X = X * 10 + (X >> 8);
  constexpr std::uint64_t Pairs = 0x000000FF000000FFu;
  constexpr std::uint64_t Scales1 = 100 + (1000000ull << 32), Scales2 = 1 + (10000ull << 32);
  return ((X & Pairs) * Scales1 + ((X >> 16) & Pairs) * Scales2) >> 32;
}

// The whole digits go one by one (mostly one or two); the fraction digits,
// whose count varies and would end a loop at an unforeseeable place, are
// measured and converted eight at a time when they are fewer than eight and
// the text has eight characters left.
[[gnu::always_inline]] inline const char* ScanMantissa(const char* P, const char* End, TMantissa& M) noexcept {
  const char* const Whole = P;
  for (; P < End && IsDigitChar(*P); ++P) M.Value = M.Value * 10 + static_cast<unsigned>(*P - '0');
  M.Digits = P - Whole;
  if (P < End && *P == '.') {
    const char* const Fraction = ++P;
    if constexpr (std::endian::native == std::endian::little) {
      static constexpr std::uint64_t PowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
      if (End - P >= 8) {
        const std::uint64_t X = LoadDigitValues(P);
        const int N = DigitRunLength(X);
        if (N < 8) {
          M.Value = M.Value * PowersOfTen[N] + DigitRunValue(X, N);
          M.Decimals = N;
          M.Digits += N;
          return P + N;
        }
      }
    }
    for (; P < End && IsDigitChar(*P); ++P) M.Value = M.Value * 10 + static_cast<unsigned>(*P - '0');
    M.Decimals = P - Fraction;
    M.Digits += M.Decimals;
  }
  return P;
}

// A mantissa of at most 15 digits is an exact integer and 10^Decimals is
// exact, so one division gives the correctly rounded double, as
// std::from_chars would.
inline bool IsExact(const TMantissa& M) noexcept { return M.Digits > 0 && M.Digits <= 15; }

// The Single nearest to the double nearest to V / 10^N (V < 2^53, N <= 15),
// mostly without the division, whose latency the scan would wait for.
// V times the double nearest 10^-N is within 2.1 double units of the exact
// quotient, the rounded quotient within half a unit of it: so the two lie
// within three units of each other, and they round to the same Single unless
// a Single tie lies that close. A tie is a double whose 29 bits below a
// Single's precision are 1 followed by zeros (8388608.5 is one); near one
// the division decides. Short decimals come near a tie only by being one.
inline double QuotientForSingle(double V, std::ptrdiff_t N) noexcept {
  static constexpr double PowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  static constexpr double InversePowersOfTen[] = {1e-0, 1e-1, 1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                                  1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15};
  constexpr std::uint64_t BelowSingle = (std::uint64_t{1} << 29) - 1, Tie = std::uint64_t{1} << 28, Margin = 4;
  const double Product = V * InversePowersOfTen[N];
  const std::uint64_t Below = std::bit_cast<std::uint64_t>(Product) & BelowSingle;
  if (Below - (Tie - Margin) <= 2 * Margin) [[unlikely]]
    return V / PowersOfTen[N];
  return Product;
}

inline float ExactValue(const TMantissa& M, bool Negative) noexcept {
  // The sign goes on as a bit, not through a branch: signs of relative
  // coordinates are random, and a mispredicted branch costs more than the
  // arithmetic. The magnitude is never negative, so "-0" stays -0.
  const double Magnitude = QuotientForSingle(static_cast<double>(M.Value), M.Decimals);
  const std::uint64_t Sign = static_cast<std::uint64_t>(Negative) << 63;
  return static_cast<float>(std::bit_cast<double>(std::bit_cast<std::uint64_t>(Magnitude) | Sign));
}

// ScanNumber for the common short decimal ("-12.375", ".5"), converted while
// it is scanned. A number with an exponent is scanned again by the general
// grammar and left to ToSingle. Without Separators the caller has skipped
// them before and skips them after, as ScanPoint does with its wider skips.
template <bool Separators = true>
[[gnu::always_inline]] inline ScannedNumber ScanShortDecimal(std::string_view S, std::size_t& Pos) noexcept {
  if (Pos >= S.size()) return {};
  std::size_t Start = Pos;
  if constexpr (Separators) SkipSeparators(S, Start);
  const char* const Begin = S.data();
  const char* const End = Begin + S.size();
  const char* const First = Begin + Start;
  const char* P = First;
  const bool Negative = P < End && *P == '-';
  P += Negative;
  TMantissa M;
  P = ScanMantissa(P, End, M);
  if (P < End && (*P == 'e' || *P == 'E')) return {ScanNumber(S, Pos), 0, false};

  ScannedNumber N;
  N.Text = std::string_view(First, static_cast<std::size_t>(P - First));
  Pos = static_cast<std::size_t>(P - Begin);
  if constexpr (Separators) SkipSeparators(S, Pos);
  N.Exact = IsExact(M);
  if (N.Exact) N.Value = ExactValue(M, Negative);
  return N;
}

// One number of the SVG grammar right at the cursor, with separators
// skipped after it: sign? (digits ("." digits?)? | "." digits), then an
// exponent ("e" or "E", sign?, digits) when one is complete. Text is empty,
// and the cursor stays, when no number starts at the cursor.
[[gnu::always_inline]] inline ScannedNumber ScanSvgNumber(std::string_view S, std::size_t& Pos) noexcept {
  const char* const Begin = S.data();
  const char* const End = Begin + S.size();
  const char* const First = Begin + Pos;
  const char* P = First;
  const bool Negative = P < End && *P == '-';
  if (P < End && (*P == '-' || *P == '+')) ++P;
  TMantissa M;
  P = ScanMantissa(P, End, M);
  if (M.Digits == 0) return {};
  bool Exponent = false;
  if (P < End && (*P == 'e' || *P == 'E')) {
    const char* Q = P + 1;
    if (Q < End && (*Q == '-' || *Q == '+')) ++Q;
    if (Q < End && IsDigitChar(*Q)) {
      while (Q < End && IsDigitChar(*Q)) ++Q;
      P = Q;
      Exponent = true;
    }
  }
  ScannedNumber N;
  N.Text = std::string_view(First, static_cast<std::size_t>(P - First));
  Pos = static_cast<std::size_t>(P - Begin);
  SkipSeparators<true>(S, Pos);
  N.Exact = !Exponent && IsExact(M);
  if (N.Exact) N.Value = ExactValue(M, Negative);
  return N;
}

// The flag text from Pos on, when it does not start with a digit.
[[gnu::noinline]] void ScanDigitRest(std::string_view S, std::size_t& Pos) noexcept {
  const std::size_t Start = Pos;
  while (Pos < S.size()) {
    const char C = S[Pos];
    const bool Digit = IsDigitChar(C);
    if (C == '-' ? Pos != Start : !(Digit || C == '.')) break;
    ++Pos;
    if (Digit) break;
  }
}

// A flag is nearly always a lone digit, which ends it; that case is tested
// inline and the general grammar left to ScanDigitRest.
[[gnu::always_inline]] inline std::string_view ScanDigit(std::string_view S, std::size_t& Pos) noexcept {
  if (Pos >= S.size()) return {};
  SkipSeparators(S, Pos);
  const std::size_t Start = Pos;
  if (Pos < S.size() && IsDigitChar(S[Pos]))
    ++Pos;
  else
    ScanDigitRest(S, Pos);
  const std::string_view Text = S.substr(Start, Pos - Start);
  SkipSeparators(S, Pos);
  return Text;
}

float ToSingleValue(std::string_view Text) {
  // Text that std::from_chars takes whole and in range reads the same under
  // StrToFloat; everything else (a dangling exponent, overflow, underflow,
  // no number at all) takes StrToFloat's own way.
  double Value = 0;
  const char* const End = Text.data() + Text.size();
  const auto [Stop, Error] = std::from_chars(Text.data(), End, Value, std::chars_format::general);
  if (Stop != End || Error != std::errc{}) Value = StrToFloat(Text, USFormatSettings);
  // The host stores the number in a Single: beyond its range that is an
  // overflow error, below its smallest subnormal the value becomes 0.
  if (!(std::fabs(Value) < SingleOverflowLimit)) throw EOverflow();
  return static_cast<float>(Value);
}

float ToSingleValue(const ScannedNumber& N) { return N.Exact ? N.Value : ToSingleValue(N.Text); }

// The value of a number ScanSvgNumber took: a "+" sign is not the host's
// (nor std::from_chars's) and goes before the text is converted. No number
// at all raises EConvertError.
float ToSvgSingleValue(const ScannedNumber& N) {
  if (N.Exact) return N.Value;
  return ToSingleValue(N.Text.starts_with('+') ? N.Text.substr(1) : N.Text);
}

TPointF ScanPoint(std::string_view S, std::size_t& Pos) {
  if (Pos >= S.size()) return {};
  SkipCommasAndBlanks(S, Pos);
  const ScannedNumber X = ScanShortDecimal<false>(S, Pos);
  SkipCommasAndBlanks(S, Pos);
  const ScannedNumber Y = ScanShortDecimal<false>(S, Pos);
  SkipCommasAndBlanks(S, Pos);
  const float PX = ToSingleValue(X); // X first: its error is the one raised
  return {PX, ToSingleValue(Y)};
}

} // namespace

std::string_view GetTok(std::string_view S, std::size_t& Pos) noexcept { return ScanTok(S, Pos); }

std::string_view GetNum(std::string_view S, std::size_t& Pos) noexcept { return ScanNumber(S, Pos); }

ScannedNumber ScanCoordinate(std::string_view S, std::size_t& Pos) noexcept { return ScanShortDecimal(S, Pos); }

float ToSingle(const ScannedNumber& N) { return ToSingleValue(N); }

std::string_view GetDigit(std::string_view S, std::size_t& Pos) noexcept { return ScanDigit(S, Pos); }

float ToSingle(std::string_view Text) { return ToSingleValue(Text); }

TPointF GetPointFromStr(std::string_view S, std::size_t& Pos) { return ScanPoint(S, Pos); }

char* WriteDefaultNumber(float Value, char* Out) noexcept {
  constexpr std::uint64_t Scale = 1'000'000'000; // nine decimals
  constexpr std::uint64_t GeneralFormatLimit = 1'000'000'000'000'000'000; // 1E18
  const auto Bits = std::bit_cast<std::uint32_t>(Value);
  const bool Negative = (Bits >> 31) != 0;
  const int BiasedExponent = static_cast<int>((Bits >> 23) & 0xFF);
  const std::uint32_t Fraction = Bits & 0x7FFFFF;
  if (BiasedExponent == 0xFF) return nullptr;
  // Value = Mantissa * 2^Exponent, exactly.
  const std::uint64_t Mantissa = BiasedExponent == 0 ? Fraction : (Fraction | 0x800000u);
  const int Exponent = BiasedExponent == 0 ? -149 : BiasedExponent - 150;

  std::uint64_t Integral = 0;
  std::uint64_t Decimals = 0; // the nine decimals, as an integer
  if (Exponent >= 0) {
    // An integer; its 18 significant digits are exact below 1E18.
    if (Exponent > 39) return nullptr; // >= 2^63
    Integral = Mantissa << Exponent;
    if (Integral >= GeneralFormatLimit) return nullptr;
  } else {
    // Value * 10^9 = Mantissa * 10^9 / 2^K, rounded half away from zero at
    // the ninth decimal from the exact value. Rounding first to 18
    // significant digits (as the general formatter does) cannot change the
    // result: a Single below 2^24 has at most 9 - (integer digits) digits
    // between the ninth decimal and the eighteenth significant one, too few
    // to come within half a unit of them of the 0.5 tie.
    const int K = -Exponent;
    const std::uint64_t Product = Mantissa * Scale; // < 2^54
    std::uint64_t Scaled = 0;
    if (K < 64) {
      Scaled = Product >> K;
      const std::uint64_t Rest = Product & ((std::uint64_t{1} << K) - 1);
      if (Rest >= (std::uint64_t{1} << (K - 1))) ++Scaled;
    } // else Product / 2^K < 2^-10: rounds to zero
    Integral = Scaled / Scale;
    Decimals = Scaled % Scale;
  }
  if (Negative && (Integral != 0 || Decimals != 0)) *Out++ = '-';
  Out = std::to_chars(Out, Out + 19, Integral).ptr;
  if (Decimals != 0) {
    *Out++ = '.';
    char Digits[9];
    for (int I = 8; I >= 0; --I, Decimals /= 10) Digits[I] = static_cast<char>('0' + Decimals % 10);
    int Count = 9;
    while (Digits[Count - 1] == '0') --Count;
    std::memcpy(Out, Digits, static_cast<std::size_t>(Count));
    Out += Count;
  }
  return Out;
}

namespace {

// The readers convert a number to the nearest double and then to a Single.
// That double rounding can miss the Single that a nine-digit decimal names
// when the decimal lies within half a double unit of a Single rounding
// boundary; so the shortest float text is checked, and where it misses, the
// shortest text of the value as a double (which reads back exactly) is
// written instead. Of all finite Singles only +-7.038531e-26 need that.
bool ReadsBackAs(const char* First, const char* Last, float Value) noexcept {
  double Read = 0;
  const auto [Stop, Error] = std::from_chars(First, Last, Read);
  return Stop == Last && Error == std::errc{} &&
         std::bit_cast<std::uint32_t>(static_cast<float>(Read)) == std::bit_cast<std::uint32_t>(Value);
}

// "1e+20" to "1e20" and "1e-07" to "1e-7": the compatible reading ends on a
// "+", and the zeros are noise. Returns the new end.
char* TidyExponent(char* First, char* Last) noexcept {
  char* E = std::find(First, Last, 'e');
  if (E == Last) return Last;
  char* Digits = E + 1;
  char* From = Digits;
  if (*From == '+') ++From;
  else if (*From == '-') From = ++Digits;
  while (From + 1 < Last && *From == '0') ++From;
  if (From == Digits) return Last;
  std::memmove(Digits, From, static_cast<std::size_t>(Last - From));
  return Digits + (Last - From);
}

} // namespace

char* WriteShortestNumber(float Value, char* Out) noexcept {
  if (!std::isfinite(Value)) return nullptr;
  char* End = std::to_chars(Out, Out + MaxShortestNumberText, Value).ptr;
  if (!ReadsBackAs(Out, End, Value)) End = std::to_chars(Out, Out + MaxShortestNumberText, double(Value)).ptr;
  return TidyExponent(Out, End);
}

} // namespace PathScan

// ---- Parser -------------------------------------------------------------------

// Runs the commands of one text against a path, in the compatible reading or
// (Strict) in the SVG grammar; the two differ only where Strict is tested.
// Every building call goes through Build, which takes back what the call
// appended if it made a coordinate infinite or NaN (the host's overflow when
// it stores the value), so no text can put a non-finite point into a path.
template <bool Strict>
class TZKPathTextParser {
public:
  TZKPathTextParser(TZKPathData& Path, std::string_view Text) : FPath(Path), S(Text) {}

  TZKPathTextRead Run() {
    std::size_t LastPos = std::string_view::npos;
    char Cmd = '\0';
    bool Stopped = false;
    while (!Stopped && Pos < S.size() && Pos != LastPos) {
      LastPos = Pos;
      std::string_view Pending = PathScan::ScanTok<Strict>(S, Pos);
      const std::size_t LettersAt = Pos - Pending.size();
      // No letter here: the numbers repeat the previous command, down to a
      // single last character ("H10 5" draws to 5 as well). In the SVG
      // grammar only a number may follow, and pairs after a move are lines.
      char Previous = Cmd;
      if (Strict && Pending.empty() && Pos < S.size() && !(StartsNumber() && Previous != '\0' &&
                                                            Previous != 'Z' && Previous != 'z')) {
        GroupStart = Pos;
        Stopped = true;
        break;
      }
      if (Strict) Previous = Previous == 'M' ? 'L' : Previous == 'm' ? 'l' : Previous;
      if (Pending.empty() && Pos < S.size() && Previous != '\0') Pending = std::string_view(&Previous, 1);
      for (std::size_t I = 0; I < Pending.size(); ++I) {
        const char Letter = Pending[I];
        GroupStart = Pending.data() == &Previous ? Pos : LettersAt + I;
        if (Strict && Cmd == '\0' && Letter != 'M' && Letter != 'm') {
          Stopped = true; // the grammar begins with a move
          break;
        }
        Cmd = Letter;
        try {
          if (Strict) SkipBlanks();
          Execute(Letter);
        } catch (const Exception&) {
          // The command is dropped; what it appended before the error stays.
          // In the SVG grammar the first error ends the reading.
          if (Strict) {
            Stopped = true;
            break;
          }
        }
        Prev = Letter;
      }
    }
    const auto Entries = FPath.Entries();
    if (!Entries.empty() && Entries.back().Kind == ppMoveTo) FPath.ClosePath();
    const std::size_t Stop = Stopped ? GroupStart : std::min(Pos, S.size());
    return {Stop, Stop == S.size()};
  }

private:
  // One command with its own repeat loop; raises when an argument cannot be read.
  void Execute(char Letter) {
    // After a close, a drawing command starts a new figure at the start of
    // the closed one; the SVG grammar makes that figure explicit.
    if (Strict && (Prev == 'Z' || Prev == 'z') && Letter != 'M' && Letter != 'm' && Letter != 'Z' &&
        Letter != 'z') {
      const TPointF Start = FPath.FStartPoint;
      Build([&] { FPath.MoveTo(Start); });
    }
    switch (Letter) {
    case 'M':
    case 'm': {
      const bool Rel = Letter == 'm';
      const TPointF P = Pair();
      Build([&] { Rel ? FPath.MoveToRel(P) : FPath.MoveTo(P); });
      while (Repeats()) {
        const TPointF Q = Pair();
        Build([&] { Rel ? FPath.LineToRel(Q) : FPath.LineTo(Q); });
      }
      break;
    }
    case 'L':
    case 'l':
      do {
        const TPointF P = Pair();
        Build([&] { Letter == 'l' ? FPath.LineToRel(P) : FPath.LineTo(P); });
      } while (Repeats());
      break;
    case 'H': {
      const float X = Number();
      Build([&] { FPath.HLineTo(X); });
      break;
    }
    case 'h': {
      const float X = Number();
      Build([&] { FPath.HLineToRel(X); });
      break;
    }
    case 'V': {
      const float Y = Number();
      Build([&] { FPath.VLineTo(Y); });
      break;
    }
    case 'v': {
      const float Y = Number();
      Build([&] { FPath.VLineToRel(Y); });
      break;
    }
    case 'C':
    case 'c':
      do {
        const TPointF P1 = Pair(), P2 = Pair(), P3 = Pair();
        Build([&] { Letter == 'c' ? FPath.CurveToRel(P1, P2, P3) : FPath.CurveTo(P1, P2, P3); });
      } while (Repeats());
      break;
    case 'S':
    case 's': {
      // SVG reflects only a cubic made by the command before; the compatible
      // reading reflects whatever curve ends the path.
      bool Reflects = !Strict || Prev == 'C' || Prev == 'c' || Prev == 'S' || Prev == 's';
      do {
        const TPointF P2 = Pair(), P3 = Pair();
        if (Reflects)
          Build([&] { Letter == 's' ? FPath.SmoothCurveToRel(P2, P3) : FPath.SmoothCurveTo(P2, P3); });
        else
          Build([&] { Letter == 's' ? FPath.CurveToRel({}, P2, P3) : FPath.CurveTo(FPath.LastPoint(), P2, P3); });
        Reflects = true;
      } while (Repeats());
      break;
    }
    case 'Q':
    case 'q':
    case 'T':
    case 't':
      Quadratics(Letter);
      return; // Ctrl is the last control point used
    case 'A':
    case 'a':
      Arc(Letter == 'a');
      break;
    case 'Z':
    case 'z':
      Build([&] { FPath.ClosePath(); });
      return; // Ctrl unchanged
    default:
      return;
    }
    Ctrl = FPath.LastPoint();
  }

  // Q, q, T and t: quadratic segments stored as cubics, each starting at the
  // end of the one before. T and t reflect the last control point (Ctrl)
  // about the current point; in the SVG grammar only when the command before
  // was a quadratic, else the control point is the current point.
  void Quadratics(char Letter) {
    const bool Rel = Letter == 'q' || Letter == 't';
    const bool Smooth = Letter == 'T' || Letter == 't';
    if (Strict && Smooth && Prev != 'Q' && Prev != 'q' && Prev != 'T' && Prev != 't') Ctrl = FPath.LastPoint();
    do {
      const TPointF Cur = FPath.LastPoint();
      if (Smooth) {
        Ctrl = Sum(Cur, Cur.X - static_cast<long double>(Ctrl.X), Cur.Y - static_cast<long double>(Ctrl.Y));
      } else {
        const TPointF P = Pair();
        Ctrl = Rel ? Sum(Cur, P) : P;
      }
      const TPointF P = Pair();
      const TPointF End = Rel ? Sum(Cur, P) : P;
      // Degree elevation: Q1 = Cur + 2/3 (Ctrl - Cur), Q2 = End + 2/3 (Ctrl - End),
      // in extended precision, each coordinate stored as a Single.
      constexpr long double TwoThirds = 2.0L / 3.0L;
      const auto Toward = [&](const TPointF& From) {
        return TPointF{static_cast<float>(From.X + (static_cast<long double>(Ctrl.X) - From.X) * TwoThirds),
                       static_cast<float>(From.Y + (static_cast<long double>(Ctrl.Y) - From.Y) * TwoThirds)};
      };
      const TPointF Q1 = Toward(Cur), Q2 = Toward(End);
      Build([&] { FPath.CurveTo(Q1, Q2, End); });
    } while (Repeats());
  }

  // A and a: one elliptical arc (more arcs come by repetition). In the SVG
  // grammar an arc to its own start is left out and a zero radius makes a
  // line; the compatible reading makes the first a standing ellipse and
  // drops the second.
  void Arc(bool Rel) {
    do {
      const TPointF Start = FPath.LastPoint();
      const TPointF Radii = Pair();
      const float Rotation = Number();
      const bool LargeArc = Flag();
      const bool Sweep = Flag();
      const TPointF P = Pair();
      const TPointF End = Rel ? Sum(Start, P) : P;
      if (Strict && Start == End) continue;
      if (Strict && (Radii.X == 0 || Radii.Y == 0))
        Build([&] { FPath.LineTo(End); });
      else // raises before it appends a point that is not finite: no check after it
        FPath.AddArcSvg(Start, Radii, Rotation, LargeArc, Sweep, End);
    } while (Strict && Repeats());
  }

  TPointF Pair() {
    if constexpr (Strict) {
      const float X = PathScan::ToSvgSingleValue(PathScan::ScanSvgNumber(S, Pos));
      return {X, PathScan::ToSvgSingleValue(PathScan::ScanSvgNumber(S, Pos))};
    } else {
      return PathScan::ScanPoint(S, Pos);
    }
  }
  float Number() {
    if constexpr (Strict) return PathScan::ToSvgSingleValue(PathScan::ScanSvgNumber(S, Pos));
    else return PathScan::ToSingleValue(PathScan::ScanShortDecimal(S, Pos));
  }
  // A flag is true exactly when it reads as 1 (in the process's own number
  // format, as the host reads it); in the SVG grammar it is one character,
  // "0" or "1".
  bool Flag() {
    if constexpr (Strict) {
      if (Pos >= S.size() || (S[Pos] != '0' && S[Pos] != '1')) throw EConvertError("an arc flag must be 0 or 1");
      const bool Set = S[Pos++] == '1';
      PathScan::SkipSeparators<true>(S, Pos);
      return Set;
    } else {
      const std::string_view Text = PathScan::ScanDigit(S, Pos);
      if (Text.size() == 1 && ZKIsDigit(static_cast<unsigned char>(Text[0]))) return Text[0] == '1';
      return StrToFloat(Text, ProcessFormatSettings()) == 1.0;
    }
  }

  bool StartsNumber() const {
    if (Pos >= S.size()) return false;
    const char C = S[Pos];
    return ZKIsDigit(static_cast<unsigned char>(C)) || C == '-' || C == '.' || (Strict && C == '+');
  }

  // Another argument group follows: a number starts at the cursor.
  bool Repeats() {
    if (!StartsNumber()) return false;
    GroupStart = Pos;
    return true;
  }

  void SkipBlanks() noexcept {
    while (Pos < S.size() && PathScan::IsBlank<true>(S[Pos])) ++Pos;
  }

  // C + (DX, DY) in extended precision, stored as a Single; beyond its range
  // raises, as the host does when it stores the sum.
  static TPointF Sum(const TPointF& C, long double DX, long double DY) {
    return Finite({static_cast<float>(C.X + DX), static_cast<float>(C.Y + DY)});
  }
  // C + D for Single offsets. Their sum rounded to a Single through double
  // is the one extended precision gives: double carries more than twice a
  // Single's 24 bits plus two, so the double rounding is innocuous.
  static TPointF Sum(const TPointF& C, const TPointF& D) {
    return Finite({static_cast<float>(double(C.X) + D.X), static_cast<float>(double(C.Y) + D.Y)});
  }
  static TPointF Finite(const TPointF& R) {
    if (!std::isfinite(R.X) || !std::isfinite(R.Y)) throw EOverflow();
    return R;
  }

  template <class Call>
  void Build(Call&& Append) {
    const std::size_t Before = FPath.FPathData.size();
    const TPointF StartPoint = FPath.FStartPoint;
    Append();
    for (std::size_t I = Before; I < FPath.FPathData.size(); ++I) {
      const TZKPathPoint& E = FPath.FPathData[I];
      if (!std::isfinite(E.Point.X) || !std::isfinite(E.Point.Y)) {
        FPath.FPathData.resize(Before);
        FPath.FStartPoint = StartPoint;
        throw EOverflow();
      }
    }
  }

  TZKPathData& FPath;
  const std::string_view S;
  std::size_t Pos = 0;
  std::size_t GroupStart = 0; // where the argument group being read begins
  char Prev = '\0';           // the command executed before the current one
  TPointF Ctrl;               // last quadratic control point, for T and t
};

TZKPathTextRead TZKPathData::SetPathString(std::string_view Value, TZKPathSyntax Syntax) {
  TZKPathUpdate Update(*this);
  Clear();
  // Compact path data holds about one entry per five characters (arcs
  // included); growing from nothing would copy the entries several times.
  FPathData.reserve(Value.size() / 4);
  if (Syntax == TZKPathSyntax::Svg) return TZKPathTextParser<true>(*this, Value).Run();
  return TZKPathTextParser<false>(*this, Value).Run();
}

void TZKPathData::SetPathString(std::string_view Value) { SetPathString(Value, TZKPathSyntax::Compatible); }

TZKPathTextRead TZKPathData::Append(std::string_view PathString, TZKPathSyntax Syntax) {
  TZKPathData Parsed;
  const TZKPathTextRead Read = Parsed.SetPathString(PathString, Syntax);
  Append(static_cast<const TZKPathData&>(Parsed));
  return Read;
}

void TZKPathData::Append(std::string_view PathString) { Append(PathString, TZKPathSyntax::Compatible); }

// ---- Writer -------------------------------------------------------------------

namespace {

// FormatFloat's longest text for a Single in the default picture: general
// format of a large value, "-3.40282346638529E38" (20), or "-INF"; the
// shortest form's longest is a little longer.
constexpr std::size_t MaxDefaultNumber = 24;
static_assert(PathScan::MaxDefaultNumberText <= MaxDefaultNumber);
static_assert(PathScan::MaxShortestNumberText <= MaxDefaultNumber);
// Command letter, two numbers, comma and blank.
constexpr std::size_t MaxDefaultEntry = 1 + 2 * MaxDefaultNumber + 2;
// The most one segment writes: a cubic's letter and three points.
constexpr std::size_t MaxDefaultSegment = 3 * MaxDefaultEntry;

// Writes through a raw pointer into Out, keeping room for the longest
// segment ahead of it. The room grows by half of what was written, so the
// buffer holds at most about one and a half times the text (plus one
// segment), never the worst case of every entry.
struct DefaultPictureSink {
  std::string& Out;
  char* P;
  char* Limit;
  explicit DefaultPictureSink(std::string& Text, std::size_t Estimate) : Out(Text) {
    Out.resize(Estimate + MaxDefaultSegment);
    P = Out.data();
    Limit = P + Out.size();
  }
  void Put(char C) noexcept { *P++ = C; }
  void EndEntry() {
    if (static_cast<std::size_t>(Limit - P) >= MaxDefaultSegment) return;
    const std::size_t Written = static_cast<std::size_t>(P - Out.data());
    Out.resize(Written + Written / 2 + MaxDefaultSegment);
    P = Out.data() + Written;
    Limit = Out.data() + Out.size();
  }
  // The default picture's fast writer, or (Shortest) the shortest form;
  // NaN and infinities, which no reading makes, as FormatFloat writes them.
  bool Shortest = false;
  void Number(float V) {
    if (char* End = Shortest ? PathScan::WriteShortestNumber(V, P) : PathScan::WriteDefaultNumber(V, P)) {
      P = End;
    } else {
      const std::string Text = FormatFloat(DefaultPathFormat, V, USFormatSettings);
      std::memcpy(P, Text.data(), Text.size());
      P += Text.size();
    }
  }
  void Finish() { Out.resize(static_cast<std::size_t>(P - Out.data())); }
};

struct PictureSink {
  std::string& Out;
  std::string_view Picture;
  bool Shortest = false;  // the shortest form instead of Picture
  void Put(char C) { Out.push_back(C); }
  void Number(float V) {
    char Text[PathScan::MaxShortestNumberText];
    if (const char* End = Shortest ? PathScan::WriteShortestNumber(V, Text) : nullptr)
      Out.append(Text, static_cast<std::size_t>(End - Text));
    else
      Out += FormatFloat(Shortest ? std::string_view(DefaultPathFormat) : Picture, V, USFormatSettings);
  }
  void EndEntry() noexcept {}
};

// Characters, not bytes: a format picture may quote non-ASCII text.
std::size_t CharacterCount(std::string_view Text) noexcept {
  std::size_t N = 0;
  for (const char C : Text)
    if ((static_cast<unsigned char>(C) & 0xC0) != 0x80) ++N;
  return N;
}

// Puts the delimiter after each entry that brings the current line past Len
// characters (the delimiter itself is not counted).
struct SplittingSink : PictureSink {
  std::int64_t Len;
  std::string_view Delimiter;
  std::int64_t LineLength = 0;
  std::size_t EntryStart = 0;
  void EndEntry() {
    LineLength += static_cast<std::int64_t>(CharacterCount(std::string_view(Out).substr(EntryStart)));
    if (LineLength > Len) {
      Out += Delimiter;
      LineLength = 0;
    }
    EntryStart = Out.size();
  }
};

// Writes the entries as path text into Out (a sink with Put, Number and
// EndEntry, which is called after each entry that wrote text).
template <class Sink>
void WriteEntries(std::span<const TZKPathPoint> Entries, Sink& Out) {
  const auto Point = [&](const TPointF& P) {
    Out.Number(P.X);
    Out.Put(',');
    Out.Number(P.Y);
    Out.Put(' ');
  };
  ForEachPathSegment(Entries, [&](const TZKPathSegment& S) {
    switch (S.Kind) {
    case ppMoveTo:
      Out.Put('M');
      Point(S.Points[0]);
      break;
    case ppLineTo:
      Out.Put('L');
      Point(S.Points[0]);
      break;
    case ppCurveTo:
      Out.Put('C');
      Point(S.Points[0]);
      Point(S.Points[1]);
      Point(S.Points[2]);
      break;
    case ppClose:
      Out.Put('Z');
      Out.Put(' ');
      break;
    default: // a kind byte from a stream that names nothing: no text, but an entry
      break;
    }
    Out.EndEntry();
  });
}

} // namespace

std::string TZKPathData::SplitDataByLength(int Len, const std::string& Delimiter) const {
  return SplitDataByLength(Len, Delimiter, TZKPathNumbers::Format);
}

std::string TZKPathData::SplitDataByLength(int Len, const std::string& Delimiter, TZKPathNumbers Numbers) const {
  std::string Text;
  SplittingSink Out{{Text, FFormatStr, Numbers == TZKPathNumbers::Shortest}, Len, Delimiter};
  WriteEntries(Entries(), Out);
  return Text;
}

std::string TZKPathData::GetPathString() const { return GetPathString(TZKPathNumbers::Format); }

std::string TZKPathData::GetPathString(TZKPathNumbers Numbers) const {
  std::string Text;
  const bool Shortest = Numbers == TZKPathNumbers::Shortest;
  if (Shortest || FFormatStr == DefaultPathFormat) {
    // Every entry but one of unknown kind writes at least "Z ": the first
    // estimate never exceeds the text, and the sink grows from there.
    DefaultPictureSink Out(Text, FPathData.size() * 2);
    Out.Shortest = Shortest;
    WriteEntries(Entries(), Out);
    Out.Finish();
  } else {
    Text.reserve(FPathData.size() * 16);
    PictureSink Out{Text, FFormatStr};
    WriteEntries(Entries(), Out);
  }
  return Text;
}

} // namespace zk
