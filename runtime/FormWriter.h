#pragma once
/// The form writer: stores a persistent object in the text form of component
/// form files.
///
///     object Shape1: TZKTransform
///       Position.X = 10
///       RotationAngle = 22.5
///       Path = {
///         03000000...}
///     end
///
/// One `Name = value` per line, indented two spaces per level. Published
/// properties come first, in table order, each only when it is stored (its
/// stored condition holds and it differs from its default); a nested object
/// writes its own properties under dotted names. Then come the properties
/// the object declares in `DefineProperties`, those with data. Values:
/// integers in decimal; Singles as 15-digit general text with "." (enough
/// for every Single to read back bit for bit; "NAN", "INF", "-INF" too);
/// enumerations by identifier; sets as `[a, b]`; booleans as True/False;
/// strings quoted with '' for a quote and control characters as `#n` (UTF-8
/// text passes through); binary data as upper-case hexadecimal in braces,
/// 64 digits a line.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "runtime/Filer.h"

namespace zk {

class TPersistent;

/// Writes persistent objects as form-file text (the syntax above) to a stream.
class TWriter : public TFiler {
public:
  /// Writes UTF-8 text to Stream at its position.
  explicit TWriter(TStream& Stream) : FStream(Stream) {}

  /// Writes Instance as one object block named Name (`object Name: TClass`,
  /// or `object TClass` for an empty name), ending with `end` and a newline.
  /// An enumeration ordinal without an identifier, or set bits without
  /// names, raise `EWriteError` naming the property.
  void WriteRootObject(TPersistent& Instance, std::string_view Name);

  ///@{
  /// The value of the defined property being written; its writer procedure
  /// calls exactly one of these.
  void WriteInteger(std::int32_t Value);
  void WriteFloat(float Value);
  void WriteString(std::string_view Value);
  void WriteBoolean(bool Value);
  void WriteIdent(std::string_view Value);
  ///@}

  void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

private:
  void WriteProperties(TPersistent& Instance, const std::string& Prefix);
  void WriteValueLine(const std::string& Name, const std::string& Value);
  void SetValue(std::string Text);
  void Put(std::string_view Text);

  TStream& FStream;
  std::string FPrefix;                // dotted path of the object being written
  std::optional<std::string> FValue;  // the value a defined property wrote
};

/// The form text of Instance named Name, as `TWriter` writes it.
std::string ObjectToText(TPersistent& Instance, std::string_view Name);

/// The form text of a Single: general format with 15 significant digits
/// (negative zero as "-0"), which reads back as the same Single.
std::string FormFloatText(float Value);
/// Text quoted for a form: 'it''s' for it's, 'a'#10'b' for a line break.
std::string FormQuotedString(std::string_view Value);

} // namespace zk
