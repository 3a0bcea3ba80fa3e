#pragma once
// What the fuzz targets share: numbers taken from the front of the input,
// and a check that stops the run as a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace zkfuzz {

// A float from the input, or Default when it is used up or not finite.
inline float TakeFloat(const std::uint8_t*& Data, std::size_t& Size, float Default) {
  if (Size < 4) return Default;
  float V;
  std::memcpy(&V, Data, 4);
  Data += 4;
  Size -= 4;
  return std::isfinite(V) ? V : Default;
}

inline void Check(bool Condition) {
  if (!Condition) std::abort();
}

} // namespace zkfuzz
