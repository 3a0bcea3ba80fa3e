#include "runtime/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

#include "runtime/Exceptions.h"

namespace zk {

// ---------------------------------------------------------------------------
// Format settings
// ---------------------------------------------------------------------------
namespace {

struct LocaleRow {
  std::string_view Name; // lower case, '-' between language and region
  char Decimal;
  char Thousand;
};

// Separators of the named locales the library knows. Names are compared
// ignoring ASCII case, with '_' read as '-'. Anything else is "en-us".
constexpr std::array<LocaleRow, 25> kLocales{{
    {"", '.', ','},      {"en", '.', ','},    {"en-us", '.', ','}, {"en-gb", '.', ','},
    {"en-au", '.', ','}, {"en-ca", '.', ','}, {"ja-jp", '.', ','}, {"zh-cn", '.', ','},
    {"de", ',', '.'},    {"de-de", ',', '.'}, {"de-at", ',', '.'}, {"fr", ',', ' '},
    {"fr-fr", ',', ' '}, {"nl", ',', '.'},    {"nl-nl", ',', '.'}, {"ru", ',', ' '},
    {"ru-ru", ',', ' '}, {"es", ',', '.'},    {"es-es", ',', '.'}, {"it", ',', '.'},
    {"it-it", ',', '.'}, {"pt", ',', '.'},    {"pt-br", ',', '.'}, {"pl-pl", ',', ' '},
    {"sv-se", ',', ' '},
}};

constexpr char FoldName(char C) {
  if (C >= 'A' && C <= 'Z') return static_cast<char>(C - 'A' + 'a');
  return C == '_' ? '-' : C;
}

constexpr TFormatSettings LookupLocale(std::string_view Name) {
  for (const LocaleRow& Row : kLocales) {
    if (Row.Name.size() != Name.size()) continue;
    bool Same = true;
    for (std::size_t I = 0; I < Name.size() && Same; ++I) Same = FoldName(Name[I]) == Row.Name[I];
    if (Same) return TFormatSettings{Row.Decimal, Row.Thousand};
  }
  return TFormatSettings{'.', ','};
}

// Constant-initialised (no static-initialisation-order hazard for other units
// that format numbers during their own initialisation), built once from the
// same table as TFormatSettings::Create("en-us").
constinit const TFormatSettings kUSFormatSettings = LookupLocale("en-us");

char AsciiSeparator(const char* Text, char Fallback) {
  if (Text == nullptr) return Fallback;
  const auto C = static_cast<unsigned char>(Text[0]);
  return (C >= 0x20 && C < 0x7F) ? static_cast<char>(C) : Fallback;
}

} // namespace

TFormatSettings TFormatSettings::Create(std::string_view LocaleName) { return LookupLocale(LocaleName); }

const TFormatSettings& USFormatSettings = kUSFormatSettings;

const TFormatSettings& ProcessFormatSettings() {
  static const TFormatSettings Settings = [] {
    TFormatSettings S;
    const std::lconv* Conv = std::localeconv();
    S.DecimalSeparator = AsciiSeparator(Conv ? Conv->decimal_point : nullptr, '.');
    const char Fallback = S.DecimalSeparator == ',' ? '.' : ',';
    S.ThousandSeparator = AsciiSeparator(Conv ? Conv->thousands_sep : nullptr, Fallback);
    if (S.ThousandSeparator == S.DecimalSeparator) S.ThousandSeparator = Fallback;
    return S;
  }();
  return Settings;
}

// ---------------------------------------------------------------------------
// Decimal digits of a value
// ---------------------------------------------------------------------------
namespace {

constexpr int kPrecision = 18;     // significant digits of the host's Extended conversion
constexpr int kGeneralDigits = 15; // FloatToStr

// A finite value as decimal digits: Value = 0.Digits * 10^Exponent (the
// host's own convention, so the first digit sits at 10^(Exponent-1)).
// Count = 0 means zero; trailing zeros are stripped.
struct Decimal {
  char Digits[kPrecision + 1];
  int Count;
  int Exponent;
  bool Negative;
};

// The 18 significant digits of the exact value. A value that is exactly a
// double (every Single or Double the library widens) gives the same digits
// from the much faster double conversion; only true extended values take the
// long double one.
Decimal ToDecimal(long double Value) {
  Decimal D{};
  D.Negative = std::signbit(Value);
  if (Value == 0) return D;
  char Buf[48];
  const double AsDouble = static_cast<double>(Value);
  std::to_chars_result R;
  if (static_cast<long double>(AsDouble) == Value)
    R = std::to_chars(Buf, Buf + sizeof Buf, AsDouble, std::chars_format::scientific, kPrecision - 1);
  else
    R = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::scientific, kPrecision - 1);
  // "[-]d.ddddddddddddddddde[+-]x..." (17 digits after the point)
  const char* P = Buf + (Buf[0] == '-');
  D.Digits[0] = P[0];
  std::memcpy(D.Digits + 1, P + 2, kPrecision - 1);
  P += kPrecision + 1; // at the 'e'
  int Exp = 0;
  std::from_chars(P[1] == '+' ? P + 2 : P + 1, R.ptr, Exp);
  int N = kPrecision;
  while (N > 0 && D.Digits[N - 1] == '0') --N;
  D.Count = N;
  D.Exponent = Exp + 1;
  return D;
}

// Keeps the first Keep digits, rounding half away from zero on the next one.
// Keep <= 0 keeps nothing but may round up to a single "1" a place higher.
void RoundDigits(Decimal& D, int Keep) {
  if (Keep >= D.Count) return;
  if (Keep < 0) {
    D.Count = 0;
    return;
  }
  const bool Up = D.Digits[Keep] >= '5';
  D.Count = Keep;
  if (Up) {
    int I = Keep - 1;
    while (I >= 0 && D.Digits[I] == '9') --I;
    if (I < 0) { // all nines (or nothing kept): carry out of the top
      D.Digits[0] = '1';
      D.Count = 1;
      ++D.Exponent;
      return;
    }
    ++D.Digits[I];
    D.Count = I + 1;
  }
  while (D.Count > 0 && D.Digits[D.Count - 1] == '0') --D.Count;
}

// Appends to a fixed stack buffer; the caller sizes it for the worst case.
struct Out {
  char* Buf;
  std::size_t Len = 0;
  void Put(char C) { Buf[Len++] = C; }
  void Put(std::string_view S) {
    std::memcpy(Buf + Len, S.data(), S.size());
    Len += S.size();
  }
};

bool NonFinite(long double Value, std::string& Text) {
  if (std::isnan(Value)) {
    Text = "NAN";
    return true;
  }
  if (std::isinf(Value)) {
    Text = Value < 0 ? "-INF" : "INF";
    return true;
  }
  return false;
}

} // namespace

// ---------------------------------------------------------------------------
// FloatToStr
// ---------------------------------------------------------------------------
std::string FloatToStr(long double Value, const TFormatSettings& Settings) {
  std::string Text;
  if (NonFinite(Value, Text)) return Text;
  Decimal D = ToDecimal(Value);
  RoundDigits(D, kGeneralDigits);
  if (D.Count == 0) return "0";
  char Buf[64];
  Out O{Buf};
  if (D.Negative) O.Put('-');
  const int X = D.Exponent - 1; // value = d.ddd * 10^X
  if (X >= -4 && X < kGeneralDigits) {
    if (X < 0) {
      O.Put('0');
      O.Put(Settings.DecimalSeparator);
      for (int I = 0; I < -X - 1; ++I) O.Put('0');
      O.Put(std::string_view(D.Digits, D.Count));
    } else {
      for (int I = 0; I <= X; ++I) O.Put(I < D.Count ? D.Digits[I] : '0');
      if (D.Count > X + 1) {
        O.Put(Settings.DecimalSeparator);
        O.Put(std::string_view(D.Digits + X + 1, D.Count - X - 1));
      }
    }
  } else {
    O.Put(D.Digits[0]);
    if (D.Count > 1) {
      O.Put(Settings.DecimalSeparator);
      O.Put(std::string_view(D.Digits + 1, D.Count - 1));
    }
    O.Put('E');
    auto R = std::to_chars(O.Buf + O.Len, O.Buf + sizeof Buf, X);
    O.Len = static_cast<std::size_t>(R.ptr - O.Buf);
  }
  return std::string(O.Buf, O.Len);
}

// ---------------------------------------------------------------------------
// FormatFloat
// ---------------------------------------------------------------------------
namespace {

// One section of a picture, scanned once into counts (the host's ScanSection).
struct Section {
  std::string_view Text;
  int DigitCount = 0;     // '0' and '#' placeholders (exponent digits excluded)
  int DecimalIndex = -1;  // placeholders before the first '.'
  int FirstZero = 32767;  // index of the first '0' placeholder
  int LastZero = 0;       // index after the last '0' placeholder
  bool HasPoint = false;
  bool Thousands = false;
  bool Scientific = false;
};

// Length of the quoted literal starting at Text[I] (a quote), both quotes
// included; an unterminated literal runs to the end.
std::size_t QuotedLength(std::string_view Text, std::size_t I) {
  const char Q = Text[I];
  std::size_t J = I + 1;
  while (J < Text.size() && Text[J] != Q) ++J;
  return (J < Text.size() ? J + 1 : J) - I;
}

bool IsExponentAt(std::string_view Text, std::size_t I) {
  return (Text[I] == 'E' || Text[I] == 'e') && I + 1 < Text.size() &&
         (Text[I + 1] == '+' || Text[I + 1] == '-');
}

// Splits the picture at ';' outside quotes; returns the number of sections.
int SplitSections(std::string_view Picture, std::string_view (&Parts)[3]) {
  int N = 0;
  std::size_t Start = 0;
  for (std::size_t I = 0; I < Picture.size();) {
    const char C = Picture[I];
    if (C == '"' || C == '\'') {
      I += QuotedLength(Picture, I);
    } else if (C == ';') {
      Parts[N++] = Picture.substr(Start, I - Start);
      Start = ++I;
      if (N == 2) break; // the third section runs to the end
    } else {
      ++I;
    }
  }
  Parts[N++] = Picture.substr(Start);
  return N;
}

Section ScanSection(std::string_view Text) {
  Section S;
  S.Text = Text;
  for (std::size_t I = 0; I < Text.size();) {
    const char C = Text[I];
    switch (C) {
    case '#':
      ++S.DigitCount;
      ++I;
      break;
    case '0':
      if (S.DigitCount < S.FirstZero) S.FirstZero = S.DigitCount;
      ++S.DigitCount;
      S.LastZero = S.DigitCount;
      ++I;
      break;
    case '.':
      if (S.DecimalIndex < 0) S.DecimalIndex = S.DigitCount;
      S.HasPoint = true;
      ++I;
      break;
    case ',':
      S.Thousands = true;
      ++I;
      break;
    case '"':
    case '\'':
      I += QuotedLength(Text, I);
      break;
    case 'E':
    case 'e':
      if (IsExponentAt(Text, I)) {
        S.Scientific = true;
        I += 2;
        while (I < Text.size() && Text[I] == '0') ++I;
      } else {
        ++I;
      }
      break;
    default:
      ++I;
    }
  }
  if (S.DecimalIndex < 0) S.DecimalIndex = S.DigitCount;
  return S;
}

// Writes D through section S (the host's ApplyFormat). In fixed notation D
// is already rounded at the section's decimals; in scientific notation at its
// significant digits, and Exponent is the printed exponent.
void ApplyFormat(const Section& S, const Decimal& D, bool Minus, int PrintedExponent, char Sep,
                 char ThouSep, Out& O) {
  if (Minus) O.Put('-');
  // Integer digits: positions IntCount-1 .. 0 (10^p). IntCount may exceed the
  // integer placeholders; the surplus is written at the first placeholder.
  const int IntPlaces = S.DecimalIndex;
  const int IntCount = D.Count == 0 ? 0 : (S.Scientific ? IntPlaces : std::max(D.Exponent, 0));
  // Digit at integer position p (p >= 0), and at fraction index j (j >= 0).
  const int Lead = S.Scientific ? 0 : D.Exponent; // digit index = Lead - 1 - p
  auto IntDigit = [&](int P) -> char {
    const int K = (S.Scientific ? IntPlaces : Lead) - 1 - P;
    return (K >= 0 && K < D.Count) ? D.Digits[K] : '0';
  };
  auto FracDigit = [&](int J) -> char {
    const int K = (S.Scientific ? IntPlaces : Lead) + J;
    return (K >= 0 && K < D.Count) ? D.Digits[K] : '0';
  };
  // Fraction digits that carry information (trailing zeros already stripped).
  const int Significant = D.Count == 0 ? 0 : D.Count - (S.Scientific ? IntPlaces : Lead);
  const int FracCount = std::max(Significant, S.LastZero - S.DecimalIndex);
  const bool Grouping = S.Thousands && ThouSep != '\0';
  auto PutInt = [&](int P) {
    O.Put(IntDigit(P));
    if (Grouping && P > 0 && P % 3 == 0) O.Put(ThouSep);
  };

  bool IntWritten = false; // the surplus integer digits
  auto WriteSurplus = [&]() {
    if (IntWritten) return;
    IntWritten = true;
    for (int P = IntCount - 1; P >= IntPlaces; --P) PutInt(P);
  };
  bool PointWritten = false;
  int Placeholder = 0;
  const std::string_view T = S.Text;
  for (std::size_t I = 0; I < T.size();) {
    const char C = T[I];
    switch (C) {
    case '#':
    case '0': {
      if (Placeholder < IntPlaces) {
        WriteSurplus();
        const int P = IntPlaces - 1 - Placeholder;
        if (P < IntCount || Placeholder >= S.FirstZero) PutInt(P);
      } else {
        WriteSurplus();
        const int J = Placeholder - IntPlaces;
        if (J < FracCount) O.Put(FracDigit(J));
      }
      ++Placeholder;
      ++I;
      break;
    }
    case '.':
      WriteSurplus();
      if (!PointWritten && FracCount > 0) O.Put(Sep);
      PointWritten = true;
      ++I;
      break;
    case ',':
      ++I;
      break;
    case '"':
    case '\'': {
      const std::size_t L = QuotedLength(T, I);
      const std::size_t Inner = L >= 2 && I + L <= T.size() && T[I + L - 1] == C ? L - 2 : L - 1;
      O.Put(T.substr(I + 1, Inner));
      I += L;
      break;
    }
    case 'E':
    case 'e':
      if (IsExponentAt(T, I)) {
        WriteSurplus();
        O.Put(C);
        const bool Plus = T[I + 1] == '+';
        I += 2;
        int Zeros = 0;
        while (I < T.size() && T[I] == '0') {
          ++Zeros;
          ++I;
        }
        if (PrintedExponent < 0) O.Put('-');
        else if (Plus) O.Put('+');
        char Num[16];
        const auto R = std::to_chars(Num, Num + sizeof Num,
                                     PrintedExponent < 0 ? -PrintedExponent : PrintedExponent);
        const int Len = static_cast<int>(R.ptr - Num);
        for (int Z = Len; Z < std::min(Zeros, 4); ++Z) O.Put('0');
        O.Put(std::string_view(Num, Len));
        break;
      }
      O.Put(C);
      ++I;
      break;
    default:
      O.Put(C);
      ++I;
    }
  }
  WriteSurplus(); // a picture without placeholders still shows the number
}

} // namespace

std::string FormatFloat(std::string_view Picture, long double Value, const TFormatSettings& Settings) {
  if (Picture.size() > MaxFormatPictureLength) throw EConvertError("Format string too long");
  std::string Text;
  if (NonFinite(Value, Text)) return Text;

  // Fast path for the path writer's "0.#########" family ("0", "0.", "0.#"
  // up to 17 '#'): every significant digit is printed, so the rounded digit
  // string is the text.
  if (!Picture.empty() && Picture[0] == '0' && Picture.size() <= 19 &&
      (Picture.size() == 1 || (Picture[1] == '.' && Picture.find_first_not_of('#', 2) == Picture.npos))) {
    const int Decimals = Picture.size() > 2 ? static_cast<int>(Picture.size()) - 2 : 0;
    Decimal D = ToDecimal(Value);
    if (D.Exponent > kPrecision && D.Count > 0) return FloatToStr(Value, Settings);
    RoundDigits(D, D.Exponent + Decimals);
    if (D.Count == 0) return "0";
    char Buf[64];
    Out O{Buf};
    if (D.Negative) O.Put('-');
    const int IntCount = std::max(D.Exponent, 0);
    if (IntCount == 0) O.Put('0');
    for (int I = 0; I < IntCount; ++I) O.Put(I < D.Count ? D.Digits[I] : '0');
    if (D.Count > IntCount) {
      O.Put(Settings.DecimalSeparator);
      for (int I = D.Exponent; I < 0; ++I) O.Put('0');
      O.Put(std::string_view(D.Digits + IntCount, D.Count - IntCount));
    }
    return std::string(O.Buf, O.Len);
  }

  std::string_view Parts[3];
  const int PartCount = SplitSections(Picture, Parts);
  if (Parts[0].empty()) return FloatToStr(Value, Settings);

  // Section by sign; empty neg/zero sections fall back to the pos section.
  int Index = 0;
  if (Value < 0 && PartCount >= 2 && !Parts[1].empty()) Index = 1;
  const bool Negative = Value < 0;
  Section S = ScanSection(Parts[Index]);

  Decimal D = ToDecimal(Value);
  int PrintedExponent = 0;
  if (D.Count > 0) {
    if (S.Scientific) {
      RoundDigits(D, std::max(S.DigitCount, 1));
      if (D.Count > 0) PrintedExponent = D.Exponent - S.DecimalIndex;
    } else {
      if (D.Exponent > kPrecision) return FloatToStr(Value, Settings); // |v| >= 1E18
      RoundDigits(D, D.Exponent + (S.DigitCount - S.DecimalIndex));
    }
  }
  // A value that rounds to zero is zero: zero section if any, never "-0".
  if (D.Count == 0) {
    if (PartCount >= 3 && !Parts[2].empty()) S = ScanSection(Parts[2]);
    else if (Index != 0) S = ScanSection(Parts[0]);
    PrintedExponent = 0;
  }
  const bool Minus = Negative && D.Count > 0 && Index == 0;

  // Worst case: every picture character, 18 digits with their separators, a
  // zero padding of at most the placeholders, an exponent and a sign.
  // An "E-" pair can print seven characters ("E-4951" and a sign); a
  // placeholder at most two (digit and thousand separator).
  char Buf[4 * MaxFormatPictureLength + 64];
  Out O{Buf};
  ApplyFormat(S, D, Minus, PrintedExponent, Settings.DecimalSeparator, Settings.ThousandSeparator, O);
  return std::string(O.Buf, O.Len);
}

// ---------------------------------------------------------------------------
// TryStrToFloat / StrToFloat
// ---------------------------------------------------------------------------
namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

} // namespace

bool TryStrToFloat(std::string_view Text, double& Value, const TFormatSettings& Settings) noexcept {
  std::size_t B = 0, E = Text.size();
  while (B < E && Text[B] == ' ') ++B;
  while (E > B && Text[E - 1] == ' ') --E;
  const char Sep = Settings.DecimalSeparator;

  // Grammar: [sign] digits [sep digits] | [sign] sep digits, then [e[sign][digits]].
  std::size_t I = B;
  bool Minus = false;
  if (I < E && (Text[I] == '+' || Text[I] == '-')) Minus = Text[I++] == '-';
  const std::size_t MantissaBegin = I;
  int IntDigits = 0, LeadingFracZeros = 0, Digits = 0;
  bool SeenSep = false, SeenNonZero = false;
  for (; I < E; ++I) {
    const char C = Text[I];
    if (IsDigit(C)) {
      ++Digits;
      if (C != '0') SeenNonZero = true;
      if (!SeenSep && SeenNonZero) ++IntDigits;
      else if (SeenSep && !SeenNonZero) ++LeadingFracZeros;
    } else if (C == Sep && !SeenSep) {
      SeenSep = true;
    } else {
      break;
    }
  }
  if (Digits == 0) return false;
  const std::size_t MantissaEnd = I;
  std::size_t NumberEnd = I; // drops a dangling "e", "e+" or "e-"
  long Exponent = 0;
  if (I < E && (Text[I] == 'e' || Text[I] == 'E')) {
    ++I;
    bool ExpMinus = false;
    if (I < E && (Text[I] == '+' || Text[I] == '-')) ExpMinus = Text[I++] == '-';
    const std::size_t ExpDigits = I;
    for (; I < E && IsDigit(Text[I]); ++I)
      if (Exponent < 100000) Exponent = Exponent * 10 + (Text[I] - '0');
    if (I > ExpDigits) NumberEnd = I;
    if (ExpMinus) Exponent = -Exponent;
  }
  if (I != E) return false;

  // The separator-mapped copy for from_chars: none when the separator is
  // already '.', else a stack buffer (a heap one for very long text). A '+'
  // is skipped: from_chars accepts only '-'.
  const char* First = Text.data() + (Minus ? MantissaBegin - 1 : MantissaBegin);
  const char* Last = Text.data() + NumberEnd;
  char Stack[256];
  std::string Heap;
  if (Sep != '.') {
    const std::size_t Len = NumberEnd - MantissaBegin + 1;
    char* Dst = Stack;
    if (Len > sizeof Stack) {
      try {
        Heap.resize(Len);
      } catch (...) {
        return false;
      }
      Dst = Heap.data();
    }
    std::size_t N = 0;
    if (Minus) Dst[N++] = '-';
    for (std::size_t K = MantissaBegin; K < NumberEnd; ++K) {
      const char C = Text[K];
      Dst[N++] = (K < MantissaEnd && C == Sep) ? '.' : C;
    }
    First = Dst;
    Last = Dst + N;
  }
  double Result = 0;
  const auto R = std::from_chars(First, Last, Result, std::chars_format::general);
  if (R.ptr != Last) return false;
  if (R.ec == std::errc::result_out_of_range) {
    // Underflow reads as a signed zero; overflow fails. The decimal magnitude
    // of the first significant digit tells them apart.
    if (!SeenNonZero) return false; // cannot happen: zero never overflows
    const long Magnitude = (IntDigits > 0 ? IntDigits - 1 : -LeadingFracZeros - 1) + Exponent;
    if (Magnitude >= 0) return false;
    Result = Minus ? -0.0 : 0.0;
  } else if (R.ec != std::errc{}) {
    return false;
  }
  Value = Result;
  return true;
}

double StrToFloat(std::string_view Text, const TFormatSettings& Settings) {
  double Value = 0;
  if (!TryStrToFloat(Text, Value, Settings))
    throw EConvertError("'" + std::string(Text) + "' is not a valid floating point value");
  return Value;
}

} // namespace zk
