#include "runtime/ClassRegistry.h"

#include <map>
#include <memory>

namespace zk {

namespace {

std::string Key(std::string_view Name) {
  std::string K(Name);
  for (char& C : K)
    if (C >= 'a' && C <= 'z') C = static_cast<char>(C - 'a' + 'A');
  return K;
}

// Entries are heap nodes so that the pointers handed out stay valid as the
// map grows. Built on first use, so registration from static initialisers in
// any order is safe.
std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>>& Registry() {
  static std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>> Map = [] {
    std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>> M;
    auto Object = std::make_unique<TClassInfo>(TClassInfo{"TObject", nullptr});
    auto Persistent = std::make_unique<TClassInfo>(TClassInfo{"TPersistent", Object.get()});
    M.emplace(Key("TObject"), std::move(Object));
    M.emplace(Key("TPersistent"), std::move(Persistent));
    return M;
  }();
  return Map;
}

} // namespace

const TClassInfo* GetClass(std::string_view Name) noexcept {
  try {
    const auto& Map = Registry();
    const auto It = Map.find(Key(Name));
    return It == Map.end() ? nullptr : It->second.get();
  } catch (...) {  // only allocation can fail here
    return nullptr;
  }
}

const TClassInfo& FindClass(std::string_view Name) {
  if (const TClassInfo* C = GetClass(Name)) return *C;
  throw EClassNotFound("Class " + std::string(Name) + " not found");
}

const TClassInfo& RegisterClass(std::string_view Name, std::string_view AncestorName) {
  const TClassInfo& Ancestor = FindClass(AncestorName);
  if (Name.empty()) throw EReadError("A class named '' cannot be registered");
  auto& Map = Registry();
  std::string K = Key(Name);
  if (const auto It = Map.find(K); It != Map.end()) {
    if (It->second->Ancestor == &Ancestor) return *It->second;
    throw EReadError("A class named " + std::string(Name) + " already exists");
  }
  auto Entry = std::make_unique<TClassInfo>(TClassInfo{std::string(Name), &Ancestor});
  return *Map.emplace(std::move(K), std::move(Entry)).first->second;
}

bool InheritsFrom(std::string_view ClassName, std::string_view AncestorName) noexcept {
  try {
    const std::string Wanted = Key(AncestorName);
    if (Key(ClassName) == Wanted) return true;
    for (const TClassInfo* C = GetClass(ClassName); C; C = C->Ancestor)
      if (Key(C->Name) == Wanted) return true;
  } catch (...) {  // only allocation can fail here
  }
  return false;
}

} // namespace zk
