#pragma once
/// The application's one pseudo-random sequence: a 32-bit linear congruential
/// generator (seed' = seed * 134775813 + 1) whose state is `RandSeed`. Every
/// caller draws from the same sequence, so setting `RandSeed` replays it.
/// Not for cryptography; not thread-safe (called on the UI thread).
#include <cstdint>

namespace zk {

/// The generator's state; a program may set it to repeat a sequence.
extern std::uint32_t RandSeed;

/// An integer in [0, Range): the high 32 bits of seed * Range after one step.
/// A Range of 0 or less gives 0 and still advances the sequence.
int Random(int Range) noexcept;

/// A double in [0, 1) after one step.
double Random() noexcept;

/// Seeds the sequence from the clock.
void Randomize() noexcept;

} // namespace zk
