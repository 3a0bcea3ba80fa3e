#include "runtime/FormReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "runtime/ClassRegistry.h"
#include "runtime/Exceptions.h"
#include "runtime/NumberText.h"
#include "runtime/Persistent.h"
#include "runtime/PublishedProperties.h"
#include "runtime/Streams.h"

namespace zk {

namespace {

// ---- The parsed form ---------------------------------------------------------

enum class TValueType { Number, Ident, String, Set, Binary };

struct TFormValue {
  TFormValue() = default;
  explicit TFormValue(TValueType AType, std::string AText = {}) : Type(AType), Text(std::move(AText)) {}

  TValueType Type = TValueType::Number;
  std::string Text;                // number, identifier or decoded string
  std::vector<std::string> Items;  // set members
  std::vector<std::byte> Bytes;    // binary data
};

struct TFormProperty {
  std::vector<std::string> Path;  // "Position.X" is {"Position", "X"}
  std::string Name;               // the dotted name as written
  TFormValue Value;
  int Line = 0;
};

struct TForm {
  std::string Name;
  std::string ClassName;
  int ClassLine = 0;
  std::vector<TFormProperty> Properties;
};

/// A read error that already names its line.
class EFormError : public EReadError {
  using EReadError::EReadError;
};

[[noreturn]] void Fail(int Line, const std::string& What) {
  throw EFormError("Line " + std::to_string(Line) + ": " + What);
}

bool IsIdentStart(char C) noexcept { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_'; }
bool IsDigit(char C) noexcept { return C >= '0' && C <= '9'; }
bool IsIdentChar(char C) noexcept { return IsIdentStart(C) || IsDigit(C); }
int HexValue(char C) noexcept {
  if (IsDigit(C)) return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

std::string Describe(char C) {
  const auto B = static_cast<unsigned char>(C);
  if (B > 32 && B < 127) return std::string{'\'', C, '\''};
  std::string Text = "#";
  Text += std::to_string(B);
  return Text;
}

void AppendUtf8(std::string& Out, std::uint32_t Code) {
  if (Code < 0x80) {
    Out += static_cast<char>(Code);
  } else if (Code < 0x800) {
    Out += static_cast<char>(0xC0 | Code >> 6);
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else if (Code < 0x10000) {
    Out += static_cast<char>(0xE0 | Code >> 12);
    Out += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | Code >> 18);
    Out += static_cast<char>(0x80 | (Code >> 12 & 0x3F));
    Out += static_cast<char>(0x80 | (Code >> 6 & 0x3F));
    Out += static_cast<char>(0x80 | (Code & 0x3F));
  }
}

// ---- Pass 1: syntax ------------------------------------------------------------

/// A scanner over the form text that keeps the current line number.
class TFormParser {
public:
  explicit TFormParser(std::string_view Text) : S(Text) {}

  TForm Parse() {
    TForm Form;
    SkipBlanks();
    if (!SameIdent(Ident("'object'"), "object")) Fail(Line, "expected 'object'");
    SkipSpaces();
    Form.ClassLine = Line;
    Form.ClassName = Ident("a class name");
    SkipSpaces();
    if (Peek() == ':') {
      ++Pos;
      SkipSpaces();
      Form.Name = std::move(Form.ClassName);
      Form.ClassName = Ident("a class name");
    }
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail(Line, "'end' expected before the end of the text");
      const int NameLine = Line;
      std::string First = Ident("a property name or 'end'");
      if (SameIdent(First, "end")) break;
      if (SameIdent(First, "object") || SameIdent(First, "inherited") || SameIdent(First, "inline"))
        Fail(NameLine, "nested objects are not supported");
      TFormProperty P;
      P.Line = NameLine;
      P.Name = First;
      P.Path.push_back(std::move(First));
      while (Peek() == '.') {
        ++Pos;
        P.Path.push_back(Ident("a property name after '.'"));
        P.Name += "." + P.Path.back();
      }
      SkipSpaces();
      if (Peek() != '=') Fail(Line, "'=' expected after " + P.Name);
      ++Pos;
      SkipSpaces();
      P.Value = Value();
      Form.Properties.push_back(std::move(P));
    }
    SkipBlanks();
    if (!AtEnd()) Fail(Line, "unexpected text after 'end'");
    return Form;
  }

private:
  bool AtEnd() const noexcept { return Pos >= S.size(); }
  char Peek(std::size_t Ahead = 0) const noexcept { return Pos + Ahead < S.size() ? S[Pos + Ahead] : '\0'; }

  void SkipSpaces() noexcept {
    while (Peek() == ' ' || Peek() == '\t' || Peek() == '\r') ++Pos;
  }
  void SkipBlanks() noexcept {
    for (SkipSpaces(); Peek() == '\n'; SkipSpaces()) {
      ++Pos;
      ++Line;
    }
  }

  std::string Ident(const char* Expected) {
    if (!IsIdentStart(Peek()))
      Fail(Line, std::string(Expected) + " expected" + (AtEnd() ? " before the end of the text" : ", found " + Describe(Peek())));
    const std::size_t Start = Pos;
    while (IsIdentChar(Peek())) ++Pos;
    return std::string(S.substr(Start, Pos - Start));
  }

  TFormValue Value() {
    const char C = Peek();
    const bool Signed = C == '-' || C == '+';
    if (C == '\'' || C == '#') return StringValue();
    if (C == '{') return BinaryValue();
    if (C == '[') return SetValue();
    if (IsDigit(C) || C == '.' || (Signed && (IsDigit(Peek(1)) || Peek(1) == '.'))) return NumberValue();
    if (IsIdentStart(C) || (C == '-' && IsIdentStart(Peek(1)))) {
      TFormValue V{TValueType::Ident};
      if (C == '-') V.Text = std::string(1, S[Pos++]);
      V.Text += Ident("an identifier");
      return V;
    }
    if (C == '(' || C == '<') Fail(Line, "lists and collections are not supported");
    if (AtEnd() || C == '\n') Fail(Line, "a value expected");
    Fail(Line, "unexpected character " + Describe(C));
  }

  TFormValue NumberValue() {
    const std::size_t Start = Pos;
    if (Peek() == '-' || Peek() == '+') ++Pos;
    while (IsDigit(Peek())) ++Pos;
    if (Peek() == '.') ++Pos;
    while (IsDigit(Peek())) ++Pos;
    if (Peek() == 'e' || Peek() == 'E') {
      ++Pos;
      if (Peek() == '-' || Peek() == '+') ++Pos;
      while (IsDigit(Peek())) ++Pos;
    }
    if (IsIdentChar(Peek()) || Peek() == '.') Fail(Line, "malformed number");
    return TFormValue{TValueType::Number, std::string(S.substr(Start, Pos - Start))};
  }

  // 'it''s'#13#10'next line', optionally continued with '+' across lines.
  TFormValue StringValue() {
    TFormValue V{TValueType::String};
    for (;;) {
      if (Peek() == '\'') {
        const int StartLine = Line;
        ++Pos;
        for (;;) {
          if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail(StartLine, "unterminated string");
          const char C = S[Pos++];
          if (C != '\'') {
            V.Text += C;
          } else if (Peek() == '\'') {
            V.Text += '\'';
            ++Pos;
          } else {
            break;
          }
        }
      } else if (Peek() == '#') {
        ++Pos;
        AppendUtf8(V.Text, CharCode());
      } else {
        break;
      }
      if (Peek() == '\'' || Peek() == '#') continue;
      const std::size_t Save = Pos;
      SkipSpaces();
      if (Peek() != '+') {
        Pos = Save;
        break;
      }
      ++Pos;
      SkipBlanks();
      if (Peek() != '\'' && Peek() != '#') Fail(Line, "a string expected after '+'");
    }
    return V;
  }

  // The code point after '#': decimal, or hexadecimal after '$'.
  std::uint32_t CharCode() {
    const bool Hex = Peek() == '$';
    if (Hex) ++Pos;
    std::uint32_t Code = 0;
    std::size_t Digits = 0;
    for (;; ++Digits, ++Pos) {
      const int D = Hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
      if (D < 0) break;
      Code = Code * (Hex ? 16 : 10) + static_cast<std::uint32_t>(D);
      if (Code > 0x10FFFF) Fail(Line, "character code out of range");
    }
    if (Digits == 0) Fail(Line, "character code expected after '#'");
    if (Code >= 0xD800 && Code <= 0xDFFF) Fail(Line, "character code is a lone surrogate");
    return Code;
  }

  TFormValue BinaryValue() {
    TFormValue V{TValueType::Binary};
    const int StartLine = Line;
    ++Pos;
    int High = -1;
    for (;;) {
      SkipBlanks();
      if (AtEnd()) Fail(StartLine, "unterminated binary value");
      const char C = S[Pos];
      if (C == '}') break;
      const int D = HexValue(C);
      if (D < 0) Fail(Line, "invalid character " + Describe(C) + " in binary value");
      ++Pos;
      if (High < 0) {
        High = D;
      } else {
        V.Bytes.push_back(static_cast<std::byte>(High << 4 | D));
        High = -1;
      }
    }
    ++Pos;
    if (High >= 0) Fail(StartLine, "binary value has an odd number of hexadecimal digits");
    return V;
  }

  TFormValue SetValue() {
    TFormValue V{TValueType::Set};
    ++Pos;
    SkipBlanks();
    if (Peek() == ']') {
      ++Pos;
      return V;
    }
    for (;;) {
      V.Items.push_back(Ident("a set member"));
      SkipBlanks();
      if (Peek() == ']') break;
      if (Peek() != ',') Fail(Line, "',' or ']' expected in set");
      ++Pos;
      SkipBlanks();
    }
    ++Pos;
    return V;
  }

  std::string_view S;
  std::size_t Pos = 0;
  int Line = 1;
};

// ---- Values by kind ------------------------------------------------------------

[[noreturn]] void BadValue(int Line, const TFormValue& V, const std::string& Property) {
  std::string Shown;
  switch (V.Type) {
  case TValueType::Number:
  case TValueType::Ident: Shown = "'" + V.Text + "'"; break;
  case TValueType::String: Shown = "a string"; break;
  case TValueType::Set: Shown = "a set"; break;
  case TValueType::Binary: Shown = "binary data"; break;
  }
  Fail(Line, Shown + " is not a valid value for " + Property);
}

std::int64_t IndexOfName(const std::vector<std::string>& Names, std::string_view Name) {
  for (std::size_t i = 0; i < Names.size(); ++i)
    if (SameIdent(Names[i], Name)) return static_cast<std::int64_t>(i);
  return -1;
}

/// V converted to P's kind, or a read error naming Line and the property.
TPropertyValue Convert(const TPropertyInfo& P, const TFormValue& V, int Line, const std::string& Name) {
  switch (P.Kind) {
  case TPropertyKind::Integer:
    if (V.Type == TValueType::Number) {
      std::string_view T = V.Text;
      if (!T.empty() && T.front() == '+') T.remove_prefix(1);
      std::int32_t N = 0;
      const auto [End, Ec] = std::from_chars(T.data(), T.data() + T.size(), N);
      if (Ec == std::errc{} && End == T.data() + T.size()) return std::int64_t{N};
    }
    break;
  case TPropertyKind::Float: {
    double D = 0;
    if (V.Type == TValueType::Number && TryStrToFloat(V.Text, D, USFormatSettings)) {
      // Text up to half an ulp above the largest Single still rounds to it.
      constexpr double Largest = std::numeric_limits<float>::max();
      if (std::fabs(D) >= 0x1.ffffffp127) Fail(Line, V.Text + " is out of the Single range for " + Name);
      return static_cast<float>(std::clamp(D, -Largest, Largest));
    }
    if (V.Type == TValueType::Ident) {
      if (SameIdent(V.Text, "NAN")) return std::numeric_limits<float>::quiet_NaN();
      if (SameIdent(V.Text, "INF")) return std::numeric_limits<float>::infinity();
      if (SameIdent(V.Text, "-INF")) return -std::numeric_limits<float>::infinity();
    }
    break;
  }
  case TPropertyKind::Enumeration:
    if (V.Type == TValueType::Ident) {
      const std::int64_t Ordinal = IndexOfName(P.Names, V.Text);
      if (Ordinal >= 0) return Ordinal;
    }
    break;
  case TPropertyKind::Set:
    if (V.Type == TValueType::Set) {
      std::uint64_t Bits = 0;
      for (const std::string& Item : V.Items) {
        const std::int64_t Bit = IndexOfName(P.Names, Item);
        if (Bit < 0 || Bit >= 64) Fail(Line, "'" + Item + "' is not a member of " + Name);
        Bits |= std::uint64_t{1} << Bit;
      }
      return static_cast<std::int64_t>(Bits);
    }
    break;
  case TPropertyKind::String:
    if (V.Type == TValueType::String) return V.Text;
    break;
  case TPropertyKind::Boolean:
    if (V.Type == TValueType::Ident && SameIdent(V.Text, "True")) return true;
    if (V.Type == TValueType::Ident && SameIdent(V.Text, "False")) return false;
    break;
  case TPropertyKind::Object:
    Fail(Line, Name + " is an object: set its properties as " + Name + ".<property>");
  }
  BadValue(Line, V, Name);
}

} // namespace

// ---- Passes 2 and 3: lookup and apply -------------------------------------------

struct TReader::TState {
  struct TDefined {
    std::string Name;
    TReaderProc Read;         // ordinary value
    TStreamProc ReadBinary;   // binary value
    TStreamProc WriteBinary;  // its current value, for undoing a failed read
  };
  struct TAction {
    int Line;
    std::function<void()> Apply;
  };

  explicit TState(TReader& R) : Reader(R) {}

  const std::vector<TDefined>& DefinedOf(TPersistent& Object) {
    auto [It, Added] = Defined.try_emplace(&Object);
    if (Added) {
      Collecting = &It->second;
      Object.DefineProperties(Reader);
      Collecting = nullptr;
    }
    return It->second;
  }

  TAction Resolve(TPersistent& Root, const TFormProperty& F) {
    TPersistent* Object = &Root;
    for (std::size_t i = 0; i + 1 < F.Path.size(); ++i) {
      const TPropertyInfo* P = Object->PublishedProperties().Find(F.Path[i]);
      if (P == nullptr || P->Kind != TPropertyKind::Object || (Object = P->Nested(*Object)) == nullptr)
        Fail(F.Line, "property " + F.Name + " does not exist in " + Root.ClassName());
    }
    const std::string& Last = F.Path.back();
    if (const TPropertyInfo* P = Object->PublishedProperties().Find(Last)) {
      TPropertyValue V = Convert(*P, F.Value, F.Line, F.Name);
      RememberObject(*Object);
      return {F.Line, [P, Object, V = std::move(V)] { P->Set(*Object, V); }};
    }
    for (const TDefined& D : DefinedOf(*Object)) {
      if (!SameIdent(D.Name, Last)) continue;
      RememberObject(*Object);
      if (D.ReadBinary) {
        if (F.Value.Type != TValueType::Binary) BadValue(F.Line, F.Value, F.Name);
        return {F.Line, [&D, &F] {
                  TMemoryStream Data(F.Value.Bytes);
                  D.ReadBinary(Data);
                  if (Data.Remaining() > 0)
                    throw EReadError(std::to_string(Data.Remaining()) + " bytes after the value of " + F.Name);
                }};
      }
      return {F.Line, [this, &D, &F] {
                Current = &F;
                D.Read(Reader);
                Current = nullptr;
              }};
    }
    Fail(F.Line, "property " + F.Name + " does not exist in " + Root.ClassName());
  }

  // ---- Undo: a failed read leaves every object as it was ----

  // The value a published property had before the form set it.
  void RememberPublished(TPersistent& Object, const TPropertyInfo& P) {
    if (!P.Get || !P.Set) return;
    UndoPublished.push_back([&Object, &P, Old = P.Get(Object)] { P.Set(Object, Old); });
  }

  // Everything a form may change in Object, once, before anything is
  // applied: its published values (a legacy defined property sets them too)
  // and its binary values, saved through their own writers.
  void RememberObject(TPersistent& Object) {
    if (!Remembered.insert(&Object).second) return;
    for (const TPropertyInfo& P : Object.PublishedProperties())
      if (P.Kind != TPropertyKind::Object) RememberPublished(Object, P);
    for (const TDefined& D : DefinedOf(Object)) {
      if (!D.ReadBinary || !D.WriteBinary) continue;
      auto Saved = std::make_shared<TMemoryStream>();
      D.WriteBinary(*Saved);
      UndoBinary.push_back([&D, Saved] {
        Saved->SetPosition(0);
        D.ReadBinary(*Saved);
      });
    }
  }

  // Published values go back first, newest first, then the binary values,
  // which restore entries exactly where a text property (a path's Data)
  // could not. A step that fails is skipped: the first error travels on.
  void Undo() noexcept {
    for (auto It = UndoPublished.rbegin(); It != UndoPublished.rend(); ++It) try { (*It)(); } catch (...) {}
    for (auto& Step : UndoBinary) try { Step(); } catch (...) {}
  }

  /// The value of the defined property being read, as a value of Kind.
  TPropertyValue CurrentAs(TPropertyKind Kind) const {
    if (Current == nullptr) throw EReadError("no property value is being read");
    TPropertyInfo P{Current->Name, Kind};
    return Convert(P, Current->Value, Current->Line, Current->Name);
  }

  TReader& Reader;
  std::map<TPersistent*, std::vector<TDefined>> Defined;
  std::vector<TDefined>* Collecting = nullptr;
  const TFormProperty* Current = nullptr;
  std::vector<std::function<void()>> UndoPublished, UndoBinary;
  std::set<TPersistent*> Remembered;
};

TReader::TReader(TStream& Stream) {
  FText.resize(static_cast<std::size_t>(Stream.Remaining()));
  Stream.ReadBuffer(FText.data(), static_cast<std::int64_t>(FText.size()));
}

TReader::~TReader() = default;

std::string TReader::ReadRootObject(TPersistent& Instance) {
  const TForm Form = TFormParser(FText).Parse();
  // A form of the instance's class, or of a registered ancestor of it.
  if (!InheritsFrom(Instance.ClassName(), Form.ClassName))
    Fail(Form.ClassLine, "the form holds a " + Form.ClassName + ", not a " + Instance.ClassName());

  TState State(*this);
  FState = &State;
  struct TClear {
    TState*& S;
    ~TClear() { S = nullptr; }
  } Clear{FState};

  std::vector<TState::TAction> Actions;
  Actions.reserve(Form.Properties.size());
  for (const TFormProperty& F : Form.Properties) Actions.push_back(State.Resolve(Instance, F));
  for (const TState::TAction& A : Actions) {
    try {
      A.Apply();
    } catch (const EFormError&) {
      State.Current = nullptr;
      State.Undo();
      throw;
    } catch (const Exception& E) {
      State.Current = nullptr;
      State.Undo();
      Fail(A.Line, E.Message());
    }
  }
  return Form.Name;
}

TReader::TState& TReader::State() const {
  if (FState == nullptr) throw EReadError("no property value is being read");
  return *FState;
}

std::int32_t TReader::ReadInteger() {
  return static_cast<std::int32_t>(std::get<std::int64_t>(State().CurrentAs(TPropertyKind::Integer)));
}
float TReader::ReadFloat() { return std::get<float>(State().CurrentAs(TPropertyKind::Float)); }
std::string TReader::ReadString() { return std::get<std::string>(State().CurrentAs(TPropertyKind::String)); }
bool TReader::ReadBoolean() { return std::get<bool>(State().CurrentAs(TPropertyKind::Boolean)); }
std::string TReader::ReadIdent() {
  const TState& S = State();
  if (S.Current == nullptr || S.Current->Value.Type != TValueType::Ident)
    throw EReadError("an identifier expected");
  return S.Current->Value.Text;
}

void TReader::DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc, bool) {
  if (FState != nullptr && FState->Collecting != nullptr && ReadData)
    FState->Collecting->push_back({Name, std::move(ReadData), nullptr, nullptr});
}

void TReader::DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                                   bool) {
  if (FState != nullptr && FState->Collecting != nullptr && ReadData)
    FState->Collecting->push_back({Name, nullptr, std::move(ReadData), std::move(WriteData)});
}

std::string ObjectFromText(std::string_view Text, TPersistent& Instance) {
  return TReader(Text).ReadRootObject(Instance);
}

} // namespace zk
