#include <string>

#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/Files.h"

namespace zk::zkgfx {

namespace {
constexpr std::size_t MaxPathFileSize = 64 << 20;  // bytes of path data read by --file
} // namespace

std::string ReadPathFile(std::string_view Name) { return ReadInputFile(Name, MaxPathFileSize); }

} // namespace zk::zkgfx
