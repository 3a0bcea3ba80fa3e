#pragma once
/// `TSet<E, N>`: a set of the ordinals 0..N-1 of the enumeration E, stored as
/// bits (bit n for ordinal n) in the smallest unsigned integer that holds N
/// bits (1, 2, 4 or 8 bytes), the layout sets are streamed and stored with.
/// Bits of a stored value beyond N are dropped when it is read back
/// (`FromBits`), so every set in memory holds only valid ordinals.
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace zk {

namespace detail {
template <unsigned N>
using TSetBits = std::conditional_t<
    (N <= 8), std::uint8_t,
    std::conditional_t<(N <= 16), std::uint16_t,
                       std::conditional_t<(N <= 32), std::uint32_t, std::uint64_t>>>;
} // namespace detail

/// A set of the ordinals 0..N-1 of E (1 <= N <= 64), stored as bits.
template <typename E, unsigned N>
class TSet {
  static_assert(N >= 1 && N <= 64, "a set holds 1 to 64 ordinals");

public:
  /// The unsigned integer the bits are stored in (1, 2, 4 or 8 bytes).
  using TBits = detail::TSetBits<N>;

  constexpr TSet() noexcept = default;
  /// The set of the listed elements.
  constexpr TSet(std::initializer_list<E> Elements) noexcept {
    for (E Element : Elements) Include(Element);
  }
  /// The set whose stored form is Bits; bits of no ordinal are dropped.
  static constexpr TSet FromBits(std::uint64_t Bits) noexcept {
    TSet S;
    S.FBits = static_cast<TBits>(Bits & AllBits);
    return S;
  }
  /// Every ordinal 0..N-1.
  static constexpr TSet All() noexcept { return FromBits(AllBits); }

  /// The stored form, bit n for ordinal n; bits beyond N are always 0, so
  /// `FromBits(Bits())` gives the same set back.
  constexpr TBits Bits() const noexcept { return FBits; }
  ///@{
  /// True when Element is in the set; an ordinal outside 0..N-1 never is.
  constexpr bool Contains(E Element) const noexcept { return (FBits & Bit(Element)) != 0; }
  constexpr bool operator[](E Element) const noexcept { return Contains(Element); }
  ///@}
  /// True when the set holds no element (as a new set does).
  constexpr bool Empty() const noexcept { return FBits == 0; }

  ///@{
  /// Adds (`Include`) or removes (`Exclude`) Element and returns the set; an
  /// ordinal outside 0..N-1 changes nothing.
  constexpr TSet& Include(E Element) noexcept {
    FBits = static_cast<TBits>(FBits | Bit(Element));
    return *this;
  }
  constexpr TSet& Exclude(E Element) noexcept {
    FBits = static_cast<TBits>(FBits & ~Bit(Element));
    return *this;
  }
  ///@}
  /// Includes Element when On, excludes it otherwise.
  constexpr TSet& Set(E Element, bool On) noexcept { return On ? Include(Element) : Exclude(Element); }

  friend constexpr TSet operator|(TSet A, TSet B) noexcept { return FromBits(A.FBits | B.FBits); }
  friend constexpr TSet operator&(TSet A, TSet B) noexcept { return FromBits(A.FBits & B.FBits); }
  /// The elements of A that are not in B.
  friend constexpr TSet operator-(TSet A, TSet B) noexcept {
    return FromBits(A.FBits & ~static_cast<std::uint64_t>(B.FBits));
  }
  friend constexpr bool operator==(TSet, TSet) noexcept = default;

private:
  static constexpr std::uint64_t AllBits = N == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << N) - 1;
  static constexpr TBits Bit(E Element) noexcept {
    const auto Ordinal = static_cast<std::uint64_t>(Element);
    return Ordinal < N ? static_cast<TBits>(std::uint64_t{1} << Ordinal) : TBits{0};
  }
  TBits FBits = 0;
};

} // namespace zk
