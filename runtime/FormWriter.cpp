#include "runtime/FormWriter.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "runtime/Exceptions.h"
#include "runtime/NumberText.h"
#include "runtime/Persistent.h"
#include "runtime/PublishedProperties.h"
#include "runtime/Streams.h"

namespace zk {

namespace {

constexpr std::size_t kHexDigitsPerLine = 64;
constexpr std::string_view kIndentStep = "  ";

std::string FormatSet(const TPropertyInfo& P, std::int64_t Bits) {
  const auto Known = P.Names.size() >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << P.Names.size()) - 1;
  const auto U = static_cast<std::uint64_t>(Bits);
  if ((U & ~Known) != 0) throw EWriteError("Property " + P.Name + " holds set members without names");
  std::string Text = "[";
  for (std::size_t i = 0; i < P.Names.size(); ++i) {
    if ((U >> i & 1) == 0) continue;
    if (Text.size() > 1) Text += ", ";
    Text += P.Names[i];
  }
  return Text + "]";
}

std::string FormatValue(const TPropertyInfo& P, const TPropertyValue& V) {
  switch (P.Kind) {
  case TPropertyKind::Integer: return std::to_string(std::get<std::int64_t>(V));
  case TPropertyKind::Float: return FormFloatText(std::get<float>(V));
  case TPropertyKind::Enumeration: {
    const std::int64_t Ordinal = std::get<std::int64_t>(V);
    if (Ordinal < 0 || static_cast<std::uint64_t>(Ordinal) >= P.Names.size())
      throw EWriteError("Property " + P.Name + " holds the ordinal " + std::to_string(Ordinal) +
                        ", which has no identifier");
    return P.Names[static_cast<std::size_t>(Ordinal)];
  }
  case TPropertyKind::Set: return FormatSet(P, std::get<std::int64_t>(V));
  case TPropertyKind::String: return FormQuotedString(std::get<std::string>(V));
  case TPropertyKind::Boolean: return std::get<bool>(V) ? "True" : "False";
  case TPropertyKind::Object: break;
  }
  throw EWriteError("Property " + P.Name + " has no value text");
}

std::string Indent(std::size_t Level) {
  std::string S;
  for (std::size_t i = 0; i < Level; ++i) S += kIndentStep;
  return S;
}

} // namespace

std::string FormFloatText(float Value) {
  // FloatToStr prints -0 as "0"; the sign is kept so the value reads back bit for bit.
  if (Value == 0 && std::signbit(Value)) return "-0";
  return FloatToStr(Value, USFormatSettings);
}

std::string FormQuotedString(std::string_view Value) {
  std::string Text;
  bool Quoted = false;
  for (char C : Value) {
    const auto B = static_cast<unsigned char>(C);
    if (B < 32 || B == 127) {
      if (Quoted) Text += '\'';
      Quoted = false;
      Text += '#' + std::to_string(B);
      continue;
    }
    if (!Quoted) Text += '\'';
    Quoted = true;
    Text += C;
    if (C == '\'') Text += '\'';
  }
  if (Quoted) Text += '\'';
  return Text.empty() ? "''" : Text;
}

void TWriter::WriteRootObject(TPersistent& Instance, std::string_view Name) {
  Put("object ");
  if (!Name.empty()) {
    Put(Name);
    Put(": ");
  }
  Put(Instance.ClassName());
  Put("\n");
  WriteProperties(Instance, std::string());
  Put("end\n");
}

void TWriter::WriteProperties(TPersistent& Instance, const std::string& Prefix) {
  for (const TPropertyInfo& P : Instance.PublishedProperties()) {
    if (P.Kind == TPropertyKind::Object) {
      if (TPersistent* Nested = P.Nested(Instance)) WriteProperties(*Nested, Prefix + P.Name + ".");
      continue;
    }
    if (P.IsStored(Instance)) WriteValueLine(Prefix + P.Name, FormatValue(P, P.Get(Instance)));
  }
  const std::string Outer = std::exchange(FPrefix, Prefix);
  Instance.DefineProperties(*this);
  FPrefix = Outer;
}

void TWriter::DefineProperty(const std::string& Name, TReaderProc, TWriterProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  FValue.reset();
  WriteData(*this);
  if (!FValue) throw EWriteError("Property " + FPrefix + Name + " wrote no value");
  WriteValueLine(FPrefix + Name, *std::exchange(FValue, std::nullopt));
}

void TWriter::DefineBinaryProperty(const std::string& Name, TStreamProc, TStreamProc WriteData,
                                   bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream Data;
  WriteData(Data);
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string Pad = Indent(2);
  std::string Text = "{";
  std::size_t Digits = 0;
  for (std::byte B : Data.Bytes()) {
    if (Digits % kHexDigitsPerLine == 0) Text += "\n" + Pad;
    const auto U = std::to_integer<unsigned>(B);
    Text += kHex[U >> 4];
    Text += kHex[U & 15];
    Digits += 2;
  }
  WriteValueLine(FPrefix + Name, Text + "}");
}

void TWriter::WriteInteger(std::int32_t Value) { SetValue(std::to_string(Value)); }
void TWriter::WriteFloat(float Value) { SetValue(FormFloatText(Value)); }
void TWriter::WriteString(std::string_view Value) { SetValue(FormQuotedString(Value)); }
void TWriter::WriteBoolean(bool Value) { SetValue(Value ? "True" : "False"); }
void TWriter::WriteIdent(std::string_view Value) { SetValue(std::string(Value)); }

void TWriter::SetValue(std::string Text) {
  if (FValue) throw EWriteError("A defined property wrote more than one value");
  FValue = std::move(Text);
}

void TWriter::WriteValueLine(const std::string& Name, const std::string& Value) {
  Put(kIndentStep);
  Put(Name);
  Put(" = ");
  Put(Value);
  Put("\n");
}

void TWriter::Put(std::string_view Text) {
  FStream.WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
}

std::string ObjectToText(TPersistent& Instance, std::string_view Name) {
  TMemoryStream Stream;
  TWriter(Stream).WriteRootObject(Instance, Name);
  const auto Bytes = Stream.Bytes();
  return std::string(reinterpret_cast<const char*>(Bytes.data()), Bytes.size());
}

} // namespace zk
