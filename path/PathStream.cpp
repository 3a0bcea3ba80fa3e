// The streamed form of a path: its published properties and the binary
// "Path" property holding the entries.
#include <array>
#include <bit>
#include <cmath>
#include <string>

#include "path/PathData.h"
#include "runtime/Exceptions.h"
#include "runtime/Filer.h"
#include "runtime/PublishedProperties.h"

namespace zk {

namespace {

constexpr std::int64_t kEntryBytes = 9; // kind byte, X, Y

void PutUInt32(std::byte* Out, std::uint32_t V) noexcept {
  for (int i = 0; i < 4; ++i) Out[i] = static_cast<std::byte>(V >> (8 * i));
}

std::uint32_t GetUInt32(const std::byte* In) noexcept {
  std::uint32_t V = 0;
  for (int i = 0; i < 4; ++i) V |= std::to_integer<std::uint32_t>(In[i]) << (8 * i);
  return V;
}

[[noreturn]] void PathReadError(TStream& Stream, std::int64_t Start, const std::string& What) {
  Stream.SetPosition(Start);
  throw EReadError("Invalid path data: " + What);
}

} // namespace

const TPropertyTable& TZKPathData::PublishedProperties() const {
  static const TPropertyTable Table(TPersistent::PublishedProperties(), {
    EnumProperty<TZKPathData>("FillMode", {"fmEvenOdd", "fmNonZero"}, &TZKPathData::FillMode,
                              &TZKPathData::SetFillMode),
    StoredWhen<TZKPathData>(StringProperty<TZKPathData>("FormatStr", &TZKPathData::FormatStr,
                                                        &TZKPathData::SetFormatStr),
                            &TZKPathData::IsFormatStrStored),
    // Readable from a form but never written: the Path property carries the entries.
    StoredWhen<TZKPathData>(StringProperty<TZKPathData>("Data",
                                                        static_cast<std::string (TZKPathData::*)() const>(
                                                            &TZKPathData::GetPathString),
                                                        static_cast<void (TZKPathData::*)(std::string_view)>(
                                                            &TZKPathData::SetPathString)),
                            [](const TZKPathData&) { return false; }),
  });
  return Table;
}

void TZKPathData::DefineProperties(TFiler& Filer) {
  TPersistent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Path", [this](TStream& S) { ReadPath(S); }, [this](TStream& S) { WritePath(S); }, Count() > 0);
}

void TZKPathData::WritePath(TStream& Stream) const {
  if constexpr (std::endian::native == std::endian::little) {
    // The packed entries already are the streamed form here.
    std::array<std::byte, 4> Head;
    PutUInt32(Head.data(), static_cast<std::uint32_t>(Count()));
    Stream.WriteBuffer(Head.data(), 4);
    Stream.WriteBuffer(FPathData.data(), static_cast<std::int64_t>(FPathData.size()) * kEntryBytes);
    return;
  }
  // Encoded byte by byte so the form is little-endian on any machine.
  std::vector<std::byte> Bytes(4 + FPathData.size() * kEntryBytes);
  PutUInt32(Bytes.data(), static_cast<std::uint32_t>(Count()));
  std::byte* Out = Bytes.data() + 4;
  for (const TZKPathPoint& E : FPathData) {
    const TPointF P = E.Point; // an aligned copy: the packed member is not
    Out[0] = static_cast<std::byte>(E.Kind);
    PutUInt32(Out + 1, std::bit_cast<std::uint32_t>(P.X));
    PutUInt32(Out + 5, std::bit_cast<std::uint32_t>(P.Y));
    Out += kEntryBytes;
  }
  Stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
}

void TZKPathData::ReadPath(TStream& Stream) {
  const std::int64_t Start = Stream.Position();
  if (Stream.Remaining() < 4) PathReadError(Stream, Start, "the entry count is missing");
  std::array<std::byte, 4> Head;
  Stream.ReadBuffer(Head.data(), 4);
  const auto N = static_cast<std::int32_t>(GetUInt32(Head.data()));
  if (N < 0) PathReadError(Stream, Start, "negative entry count " + std::to_string(N));
  // Checked before allocating, so a forged count cannot claim more memory
  // than the stream itself holds.
  const std::int64_t Need = std::int64_t{N} * kEntryBytes;
  if (Stream.Remaining() < Need)
    PathReadError(Stream, Start,
                  std::to_string(N) + " entries need " + std::to_string(Need) + " bytes, but only " +
                      std::to_string(Stream.Remaining()) + " follow the count");

  std::vector<std::byte> Bytes(static_cast<std::size_t>(Need));
  Stream.ReadBuffer(Bytes.data(), Need);
  std::vector<TZKPathPoint> Entries;
  Entries.reserve(static_cast<std::size_t>(N));
  for (const std::byte* In = Bytes.data(); In != Bytes.data() + Need; In += kEntryBytes) {
    // Any kind byte is kept as it is: readers of a path skip unknown kinds.
    const auto Kind = static_cast<TZKPathPointKind>(std::to_integer<std::uint8_t>(In[0]));
    const TPointF P{std::bit_cast<float>(GetUInt32(In + 1)), std::bit_cast<float>(GetUInt32(In + 5))};
    // A stored path must draw and measure: a non-finite point would raise later.
    if (!std::isfinite(P.X) || !std::isfinite(P.Y))
      PathReadError(Stream, Start,
                    "entry " + std::to_string((In - Bytes.data()) / kEntryBytes) + " has a non-finite coordinate");
    Entries.push_back(TZKPathPoint{Kind, P});
  }
  FPathData = std::move(Entries);
  Change();
}

} // namespace zk
