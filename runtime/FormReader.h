#pragma once
/// The form reader: restores a persistent object from the text form that
/// `TWriter` writes (see runtime/FormWriter.h for the syntax).
///
/// Reading happens in three passes, so that a bad form changes as little as
/// possible:
/// 1. the whole text is parsed; a syntax error (bad token, unterminated
///    string or binary value, missing `end`) changes nothing at all;
/// 2. every property is looked up (published, or declared in
///    `DefineProperties`, also inside nested objects) and its value checked
///    against the property's kind; an unknown property or a value of the
///    wrong type changes nothing at all;
/// 3. the values are applied through their setters in stream order. A setter
///    or defined-property reader that refuses its value stops the reading:
///    the properties before it stay applied, nothing of that one is.
/// Every error is an `EReadError` whose message starts with "Line n: ".
/// Property names and identifiers compare ignoring ASCII case.
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/Filer.h"

namespace zk {

class TPersistent;

/// Reads one object block of a form file into an existing object (the three
/// passes above); see `ReadRootObject`.
class TReader : public TFiler {
public:
  ///@{
  /// Reads the text from the position of Stream to its end.
  explicit TReader(TStream& Stream);
  explicit TReader(std::string_view Text) : FText(Text) {}
  ~TReader() override;
  ///@}

  /// Reads one object block into Instance and returns the name in its
  /// header. The header's class must be Instance's class. All or nothing:
  /// every value is read and converted before the first is applied, and a
  /// value that fails while being applied (a setter that refuses it, a
  /// binary value that is malformed or has bytes after its end) raises
  /// `EReadError` naming its line after every object of the form has been
  /// given back what it held (published values through their setters,
  /// binary values through their own writer and reader).
  std::string ReadRootObject(TPersistent& Instance);

  ///@{
  /// The value of the defined property being read, converted to the type
  /// asked for; a value of another type raises `EReadError`.
  std::int32_t ReadInteger();
  float ReadFloat();
  std::string ReadString();
  bool ReadBoolean();
  std::string ReadIdent();
  ///@}

  void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

private:
  struct TState;
  /// The read in progress; reading a value outside one raises `EReadError`.
  TState& State() const;

  std::string FText;
  TState* FState = nullptr; // the read in progress, for the callbacks above
};

/// Reads the form Text into Instance through `TReader`; returns the name.
std::string ObjectFromText(std::string_view Text, TPersistent& Instance);

} // namespace zk
