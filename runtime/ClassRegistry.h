#pragma once
/// The one class registry of the program: classes register by name with their
/// ancestor's name, and form files and class hierarchies look them up by name.
/// Names are identifiers compared ignoring ASCII case ("tzkpathdata" finds
/// "TZKPathData"). `TObject` and `TPersistent` are registered from the start;
/// the library's persistent classes register themselves when it loads.
#include <string>
#include <string_view>

#include "runtime/Exceptions.h"

namespace zk {

/// A registered class: its name as registered and its ancestor (null only for
/// `TObject`). Entries live as long as the program and never move.
struct TClassInfo {
  /// The name with the letter case it was first registered in; lookups
  /// ignore ASCII case.
  std::string Name;
  /// The ancestor's entry; null only for `TObject`, the root of every chain.
  const TClassInfo* Ancestor = nullptr;
};

/// No class of that name is registered.
class EClassNotFound : public EReadError { using EReadError::EReadError; };

/// Registers Name as a descendant of AncestorName and returns its entry.
/// Registering a name again with the same ancestor returns the existing entry.
/// Raises `EClassNotFound` when the ancestor is not registered (so the
/// ancestry can never form a cycle), and `EReadError` "A class named X
/// already exists" when Name is registered with another ancestor or is empty.
const TClassInfo& RegisterClass(std::string_view Name, std::string_view AncestorName);

/// The registered class named Name, or null.
const TClassInfo* GetClass(std::string_view Name) noexcept;

/// As `GetClass`, but an unknown name raises `EClassNotFound` "Class X not
/// found".
const TClassInfo& FindClass(std::string_view Name);

/// True when ClassName names AncestorName itself (ignoring ASCII case) or a
/// registered class whose registered ancestry reaches AncestorName.
bool InheritsFrom(std::string_view ClassName, std::string_view AncestorName) noexcept;

} // namespace zk
