#pragma once
/// The filer: what `TPersistent::DefineProperties` talks to. A class declares
/// its extra streamed properties (those that are not published properties)
/// on it; the form writer asks them for their data and the form reader hands
/// them the data it found.
#include <functional>
#include <string>

namespace zk {

class TReader;
class TWriter;
class TStream;

/// The base of `TReader` and `TWriter`: where a class declares the extra
/// properties it streams (`DefineProperty`, `DefineBinaryProperty`).
class TFiler {
public:
  /// Reads the value of a defined property from the reader (`ReadString`,
  /// `ReadFloat`, ...).
  using TReaderProc = std::function<void(TReader& Reader)>;
  /// Writes exactly one value of a defined property (`WriteString`, ...).
  using TWriterProc = std::function<void(TWriter& Writer)>;
  /// Reads or writes the bytes of a binary property. A reader gets a stream
  /// holding exactly the property's bytes, positioned at the start.
  using TStreamProc = std::function<void(TStream& Stream)>;

  virtual ~TFiler() = default;

  /// Declares a property Name whose value is one ordinary value (a string, a
  /// number, ...). The writer writes it only when HasData is true and
  /// WriteData is set; the reader calls ReadData when the form holds Name (a
  /// property without ReadData cannot be read back and is reported unknown).
  virtual void DefineProperty(const std::string& Name, TReaderProc ReadData,
                              TWriterProc WriteData, bool HasData) = 0;
  /// Declares a binary property Name, written as hexadecimal bytes in braces,
  /// under the same rules.
  virtual void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData,
                                    TStreamProc WriteData, bool HasData) = 0;
};

} // namespace zk
