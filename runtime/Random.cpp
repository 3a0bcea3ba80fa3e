#include "runtime/Random.h"

#include <chrono>

namespace zk {

std::uint32_t RandSeed = 0;

namespace {
std::uint32_t Step() noexcept { return RandSeed = RandSeed * 134775813u + 1u; }
} // namespace

int Random(int Range) noexcept {
  const std::uint64_t Seed = Step();
  if (Range <= 0) return 0;
  return static_cast<int>((Seed * static_cast<std::uint64_t>(Range)) >> 32);
}

double Random() noexcept { return Step() / 4294967296.0; }

void Randomize() noexcept {
  const auto Ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  RandSeed = static_cast<std::uint32_t>(Ticks ^ (Ticks >> 32));
}

} // namespace zk
