#include "runtime/Persistent.h"

#include "runtime/Exceptions.h"

namespace zk {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source == nullptr) AssignError(Source, *this);
  Source->AssignTo(*this);
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignTo(TPersistent& Dest) const { AssignError(this, Dest); }

void TPersistent::AssignError(const TPersistent* Source, const TPersistent& Dest) {
  const std::string From = Source ? Source->ClassName() : std::string("nil");
  throw EConvertError("Cannot assign a " + From + " to a " + Dest.ClassName());
}

} // namespace zk
