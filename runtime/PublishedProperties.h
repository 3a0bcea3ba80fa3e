#pragma once
/// Published properties: the per-class table of properties that the form
/// writer stores and the form reader restores, each with its kind, accessors,
/// default value and stored condition.
///
/// A class publishes by overriding `TPersistent::PublishedProperties` with a
/// function-local static table built from the typed makers below; a
/// descendant's table starts with its parent's. Accessors are plain member
/// functions or lambdas taking the class itself.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "runtime/Persistent.h"

namespace zk {

enum class TPropertyKind {
  Integer,      ///< a 32-bit signed integer
  Float,        ///< a Single
  Enumeration,  ///< an ordinal, streamed by its identifier
  Set,          ///< a bit set, streamed as the identifiers of its members
  String,       ///< UTF-8 text
  Boolean,      ///< True or False
  Object        ///< a nested persistent object, streamed as dotted names
};

/// A property value: an integer (also an enumeration's ordinal and a set's
/// bits, bit i standing for the i-th name), a Single, text, or a boolean.
using TPropertyValue = std::variant<std::int64_t, float, std::string, bool>;

/// One published property: its name, kind, accessors, default and stored
/// condition, as the typed makers below build it.
struct TPropertyInfo {
  /// A property named AName of AKind; ANames are the identifiers of an
  /// enumeration or a set (by ordinal or bit). Accessors are set afterwards.
  TPropertyInfo(std::string AName, TPropertyKind AKind, std::vector<std::string> ANames = {})
      : Name(std::move(AName)), Kind(AKind), Names(std::move(ANames)) {}

  std::string Name;
  TPropertyKind Kind = TPropertyKind::Integer;
  /// Enumeration identifiers by ordinal, or set member names by bit.
  std::vector<std::string> Names;
  /// Reads the value (every kind but Object).
  std::function<TPropertyValue(const TPersistent&)> Get;
  /// Writes a value of the property's kind (every kind but Object).
  std::function<void(TPersistent&, const TPropertyValue&)> Set;
  /// The nested object (Object kind only); never null for an instance.
  std::function<TPersistent*(TPersistent&)> Nested;
  /// A value equal to the default is not written.
  std::optional<TPropertyValue> Default;
  /// When set and false, the value is not written.
  std::function<bool(const TPersistent&)> StoredWhen;

  /// True when the writer stores the value: the stored condition holds and the
  /// value differs from the default. Object properties are always visited.
  bool IsStored(const TPersistent& Instance) const;
};

/// True when A and B are the same identifier ignoring ASCII case, as form
/// files compare property names, identifiers and class names.
bool SameIdent(std::string_view A, std::string_view B) noexcept;

/// The published properties of a class, in stream order: the parent's first,
/// then the class's own.
class TPropertyTable {
public:
  /// An empty table (a class that publishes nothing).
  TPropertyTable() = default;
  /// A root class's table: its own properties only.
  TPropertyTable(std::initializer_list<TPropertyInfo> Own) : FItems(Own) {}
  /// The parent's properties first, then this class's own.
  TPropertyTable(const TPropertyTable& Inherited, std::initializer_list<TPropertyInfo> Own);

  ///@{
  /// The property named Name, compared ignoring ASCII case as the form
  /// reader does; null when there is none.
  const TPropertyInfo* Find(std::string_view Name) const noexcept;
  auto begin() const noexcept { return FItems.begin(); }
  auto end() const noexcept { return FItems.end(); }
  std::size_t size() const noexcept { return FItems.size(); }
  ///@}

private:
  std::vector<TPropertyInfo> FItems;
};

// ---- Typed makers ----------------------------------------------------------
// C is the publishing class; Get is callable as Get(const C&) and Set as
// Set(C&, value) (member function pointers qualify). The table only ever
// hands an instance of C (or a descendant) to its accessors.

namespace detail {
template <class C, class G>
auto GetterOf(G Get) {
  return [Get](const TPersistent& I) { return std::invoke(Get, static_cast<const C&>(I)); };
}
} // namespace detail

template <class C, class G, class S>
TPropertyInfo IntegerProperty(std::string Name, G Get, S Set,
                              std::optional<std::int32_t> Default = std::nullopt) {
  auto Read = detail::GetterOf<C>(Get);
  TPropertyInfo P{std::move(Name), TPropertyKind::Integer};
  P.Get = [Read](const TPersistent& I) -> TPropertyValue { return std::int64_t{Read(I)}; };
  P.Set = [Set](TPersistent& I, const TPropertyValue& V) {
    std::invoke(Set, static_cast<C&>(I), static_cast<std::int32_t>(std::get<std::int64_t>(V)));
  };
  if (Default) P.Default = std::int64_t{*Default};
  return P;
}

template <class C, class G, class S>
TPropertyInfo FloatProperty(std::string Name, G Get, S Set,
                            std::optional<float> Default = std::nullopt) {
  auto Read = detail::GetterOf<C>(Get);
  TPropertyInfo P{std::move(Name), TPropertyKind::Float};
  P.Get = [Read](const TPersistent& I) -> TPropertyValue { return static_cast<float>(Read(I)); };
  P.Set = [Set](TPersistent& I, const TPropertyValue& V) {
    std::invoke(Set, static_cast<C&>(I), std::get<float>(V));
  };
  if (Default) P.Default = *Default;
  return P;
}

/// Get returns an enumeration (or integer) whose ordinals index Names; Set
/// takes the same type.
template <class C, class G, class S>
TPropertyInfo EnumProperty(std::string Name, std::vector<std::string> Names, G Get, S Set,
                           std::optional<std::int64_t> Default = std::nullopt) {
  using E = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
  auto Read = detail::GetterOf<C>(Get);
  TPropertyInfo P{std::move(Name), TPropertyKind::Enumeration, std::move(Names)};
  P.Get = [Read](const TPersistent& I) -> TPropertyValue { return static_cast<std::int64_t>(Read(I)); };
  P.Set = [Set](TPersistent& I, const TPropertyValue& V) {
    std::invoke(Set, static_cast<C&>(I), static_cast<E>(std::get<std::int64_t>(V)));
  };
  if (Default) P.Default = *Default;
  return P;
}

/// Get returns the set's bits as an unsigned integer (bit i for Names[i]);
/// Set takes the same integer type.
template <class C, class G, class S>
TPropertyInfo SetProperty(std::string Name, std::vector<std::string> Names, G Get, S Set,
                          std::optional<std::int64_t> Default = std::nullopt) {
  using B = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
  auto Read = detail::GetterOf<C>(Get);
  TPropertyInfo P{std::move(Name), TPropertyKind::Set, std::move(Names)};
  P.Get = [Read](const TPersistent& I) -> TPropertyValue { return static_cast<std::int64_t>(Read(I)); };
  P.Set = [Set](TPersistent& I, const TPropertyValue& V) {
    std::invoke(Set, static_cast<C&>(I), static_cast<B>(std::get<std::int64_t>(V)));
  };
  if (Default) P.Default = *Default;
  return P;
}

template <class C, class G, class S>
TPropertyInfo StringProperty(std::string Name, G Get, S Set,
                             std::optional<std::string> Default = std::nullopt) {
  auto Read = detail::GetterOf<C>(Get);
  TPropertyInfo P{std::move(Name), TPropertyKind::String};
  P.Get = [Read](const TPersistent& I) -> TPropertyValue { return std::string(Read(I)); };
  P.Set = [Set](TPersistent& I, const TPropertyValue& V) {
    std::invoke(Set, static_cast<C&>(I), std::get<std::string>(V));
  };
  if (Default) P.Default = std::move(*Default);
  return P;
}

template <class C, class G, class S>
TPropertyInfo BooleanProperty(std::string Name, G Get, S Set,
                              std::optional<bool> Default = std::nullopt) {
  auto Read = detail::GetterOf<C>(Get);
  TPropertyInfo P{std::move(Name), TPropertyKind::Boolean};
  P.Get = [Read](const TPersistent& I) -> TPropertyValue { return static_cast<bool>(Read(I)); };
  P.Set = [Set](TPersistent& I, const TPropertyValue& V) {
    std::invoke(Set, static_cast<C&>(I), std::get<bool>(V));
  };
  if (Default) P.Default = *Default;
  return P;
}

/// Nested returns a reference (or pointer) to an object the instance owns;
/// the reader writes into it through its own published properties.
template <class C, class N>
TPropertyInfo ObjectProperty(std::string Name, N Nested) {
  TPropertyInfo P{std::move(Name), TPropertyKind::Object};
  P.Nested = [Nested](TPersistent& I) -> TPersistent* {
    decltype(auto) R = std::invoke(Nested, static_cast<C&>(I));
    if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(R)>>)
      return R;
    else
      return &R;
  };
  return P;
}

/// Info with a stored condition: the value is written only while
/// Predicate(instance) is true (and it differs from any default).
template <class C, class P>
TPropertyInfo StoredWhen(TPropertyInfo Info, P Predicate) {
  Info.StoredWhen = [Predicate](const TPersistent& I) {
    return static_cast<bool>(std::invoke(Predicate, static_cast<const C&>(I)));
  };
  return Info;
}

} // namespace zk
