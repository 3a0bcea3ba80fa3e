// The path object registers with the class registry when the library loads.
#include "runtime/ClassRegistry.h"

namespace zk {
namespace {

const bool Registered = (RegisterClass("TZKPathData", "TPersistent"), true);

} // namespace
} // namespace zk
