#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {

namespace {
constexpr std::streamoff MaxFileSize = 64 << 20;
} // namespace

std::string ReadPathFile(std::string_view Name) {
  std::ifstream File{std::string(Name), std::ios::binary};
  if (!File) throw std::runtime_error("cannot read '" + std::string(Name) + "'");
  File.seekg(0, std::ios::end);
  if (File.tellg() > MaxFileSize)
    throw std::runtime_error("'" + std::string(Name) + "' is larger than 64 MiB");
  File.seekg(0);
  std::string Text((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
  if (File.bad()) throw std::runtime_error("cannot read '" + std::string(Name) + "'");
  return Text;
}

} // namespace zk::zkgfx
