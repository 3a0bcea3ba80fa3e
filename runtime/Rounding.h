#pragma once
/// The host's rounding, truncation and integer division, without undefined
/// behaviour: every conversion of a floating value to an integer goes through
/// here.
#include <cstdint>

namespace zk {

/// Nearest integer, exact halves to the even neighbour (0.5 -> 0, 2.5 -> 2,
/// -2.5 -> -2). NaN, infinity or a result outside [-2^63, 2^63) raises
/// `EInvalidOp`.
std::int64_t HostRound(long double Value);

/// Integer part, toward zero (2.7 -> 2, -2.7 -> -2). Raises `EInvalidOp` as
/// `HostRound` does.
std::int64_t HostTrunc(long double Value);

/// Integer quotient truncated toward zero (-7 div 2 = -3). A zero divisor
/// raises `EDivByZero`; INT64_MIN div -1 raises `EIntOverflow`.
std::int64_t HostDiv(std::int64_t A, std::int64_t B);

/// The low 32 bits of a 64-bit value, as the host keeps them when it stores a
/// 64-bit result into a 32-bit field (modular, no clamping).
constexpr std::int32_t Low32(std::int64_t Value) noexcept {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(Value)));
}

} // namespace zk
