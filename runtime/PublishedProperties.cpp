#include "runtime/PublishedProperties.h"

#include <algorithm>

namespace zk {

namespace {
char FoldAscii(char C) noexcept { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C + 32) : C; }
} // namespace

bool SameIdent(std::string_view A, std::string_view B) noexcept {
  return A.size() == B.size() &&
         std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) { return FoldAscii(X) == FoldAscii(Y); });
}

bool TPropertyInfo::IsStored(const TPersistent& Instance) const {
  if (Kind == TPropertyKind::Object) return true;
  if (StoredWhen && !StoredWhen(Instance)) return false;
  return !Default || Get(Instance) != *Default;
}

TPropertyTable::TPropertyTable(const TPropertyTable& Inherited, std::initializer_list<TPropertyInfo> Own)
    : FItems(Inherited.FItems) {
  FItems.insert(FItems.end(), Own.begin(), Own.end());
}

const TPropertyInfo* TPropertyTable::Find(std::string_view Name) const noexcept {
  for (const TPropertyInfo& P : FItems)
    if (SameIdent(P.Name, Name)) return &P;
  return nullptr;
}

} // namespace zk
