#include "runtime/Streams.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "runtime/Exceptions.h"

namespace zk {

std::int64_t TStream::Remaining() const { return std::max<std::int64_t>(0, Size() - Position()); }

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
  if (Count <= 0) return;
  if (Remaining() < Count) throw EReadError("Stream read error");
  if (Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return;
  if (Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

TMemoryStream::TMemoryStream(std::span<const std::byte> Bytes) : FData(Bytes.begin(), Bytes.end()) {}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  const std::int64_t N = std::min(Count, Remaining());
  if (N <= 0) return 0;
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(N));
  FPosition += N;
  return N;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return 0;
  if (Count > std::numeric_limits<std::int64_t>::max() - FPosition) return 0;
  if (static_cast<std::uint64_t>(FPosition + Count) > FData.max_size()) return 0;
  const auto End = static_cast<std::size_t>(FPosition + Count);
  if (End > FData.size()) FData.resize(End);
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
  FPosition += Count;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t Base = 0;
  if (Origin == TSeekOrigin::soCurrent) Base = FPosition;
  if (Origin == TSeekOrigin::soEnd) Base = Size();
  // Saturate rather than overflow: any position past the end reads nothing.
  if (Offset > 0 && Base > std::numeric_limits<std::int64_t>::max() - Offset)
    FPosition = std::numeric_limits<std::int64_t>::max();
  else
    FPosition = std::max<std::int64_t>(0, Base + Offset);
  return FPosition;
}

void TMemoryStream::Clear() noexcept {
  FData.clear();
  FPosition = 0;
}

} // namespace zk
