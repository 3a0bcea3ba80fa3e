#pragma once
/// Byte streams: the abstract `TStream` that binary properties are read from
/// and written to, and `TMemoryStream`, a growable stream in memory.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zk {

/// Where a `TStream::Seek` offset counts from: the start, the current
/// position or the end.
enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

/// A stream of bytes with a position: the abstract base of memory and file
/// streams, read and written by the form reader and writer and path streaming.
class TStream {
public:
  virtual ~TStream() = default;

  /// Copies up to Count bytes from the current position into Buffer and
  /// advances; returns how many were copied (fewer at the end, 0 for Count <= 0).
  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
  /// Writes Count bytes at the current position and advances; returns how many
  /// were written (0 for Count <= 0).
  virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
  /// Moves the position and returns the new one. A position before the start
  /// is clamped to 0; one past the end is allowed (a write there fills the
  /// gap with zeros).
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
  ///@{
  /// The length in bytes, and the position (0 is the first byte). Setting the
  /// position is `Seek` from the beginning.
  virtual std::int64_t Size() const = 0;
  virtual std::int64_t Position() const = 0;
  void SetPosition(std::int64_t Value) { Seek(Value, TSeekOrigin::soBeginning); }
  ///@}
  /// The bytes between the position and the end; 0 when positioned past it.
  std::int64_t Remaining() const;

  /// Reads exactly Count bytes, or raises `EReadError` "Stream read error"
  /// when the stream holds fewer (the position then stays where it was).
  void ReadBuffer(void* Buffer, std::int64_t Count);
  /// Writes exactly Count bytes, or raises `EWriteError` "Stream write error".
  void WriteBuffer(const void* Buffer, std::int64_t Count);
};

/// A stream over a byte vector it owns.
class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;
  /// A stream holding a copy of Bytes, positioned at the start.
  explicit TMemoryStream(std::span<const std::byte> Bytes);

  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(FData.size()); }
  std::int64_t Position() const override { return FPosition; }

  /// All bytes of the stream, whatever the position.
  std::span<const std::byte> Bytes() const noexcept { return FData; }
  /// Empties the stream and moves to the start.
  void Clear() noexcept;

private:
  std::vector<std::byte> FData;
  std::int64_t FPosition = 0;
};

} // namespace zk
