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

/// The kind of a published property: how its value is held in a
/// `TPropertyValue` and how a form file writes it.
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

  /// The name a form file writes; the reader finds it ignoring ASCII case.
  std::string Name;
  /// Which alternative of `TPropertyValue` Get answers and Set takes
  /// (Enumeration and Set hold integers; Object uses Nested instead).
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

/// Get returns an integer type that widens to 64 bits without narrowing; Set
/// takes an `std::int32_t`, which is all a form file's integer may hold (the
/// reader refuses text outside that range). A value equal to Default is not
/// written; without a Default every value is.
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

/// Get returns a value converted to float (a double is rounded to the
/// nearest Single); Set takes a float. A value equal to Default is not
/// written; a NaN value never equals it, so it is always written.
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

/// Get returns anything an `std::string` is made from (a string, a view, a
/// C string); Set takes an `std::string` of UTF-8 text. A value equal to
/// Default is not written (Default "" leaves out empty text).
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

/// Get returns a bool (or a value converted to one); Set takes a bool. A
/// value equal to Default is not written.
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
