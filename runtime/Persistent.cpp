#include "runtime/Persistent.h"

#include "runtime/Exceptions.h"
#include "runtime/PublishedProperties.h"

namespace zk {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source == nullptr) AssignError(Source, *this);
  Source->AssignTo(*this);
}

void TPersistent::DefineProperties(TFiler&) {}

const TPropertyTable& TPersistent::PublishedProperties() const {
  static const TPropertyTable None;
  return None;
}

void TPersistent::AssignTo(TPersistent& Dest) const { AssignError(this, Dest); }

void TPersistent::AssignError(const TPersistent* Source, const TPersistent& Dest) {
  const std::string From = Source ? Source->ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + From + " to a " + Dest.ClassName());
}

} // namespace zk
