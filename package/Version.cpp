#include "package/Version.h"

namespace zk {
const char* LibraryVersion() noexcept { return ZK_VERSION_STRING; }
} // namespace zk
