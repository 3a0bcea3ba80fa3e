#include "tools/zkgfx/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace zk::zkgfx {
namespace {

[[noreturn]] void Fail(std::string_view What, std::string_view Name, int Error) {
  throw std::runtime_error(std::string(What) + " '" + std::string(Name) + "': " + std::strerror(Error));
}

// Closes a descriptor on every path out of a scope.
struct TDescriptor {
  int Fd;
  ~TDescriptor() {
    if (Fd >= 0) ::close(Fd);
  }
  int Release() { return std::exchange(Fd, -1); }
};

} // namespace

std::string ReadInputFile(std::string_view Name, std::size_t MaxBytes) {
  const std::string Path(Name);
  TDescriptor File{::open(Path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (File.Fd < 0) Fail("cannot open", Name, errno);
  struct stat Info {};
  if (::fstat(File.Fd, &Info) == 0 && S_ISDIR(Info.st_mode))
    throw std::runtime_error("'" + Path + "' is a directory, not a file of path data");
  std::string Text;
  char Buffer[1 << 16];
  for (;;) {
    const ssize_t N = ::read(File.Fd, Buffer, sizeof Buffer);
    if (N == 0) break;
    if (N < 0) {
      if (errno == EINTR) continue;
      Fail("cannot read", Name, errno);
    }
    if (Text.size() + static_cast<std::size_t>(N) > MaxBytes)
      throw std::runtime_error("'" + Path + "' is larger than " + std::to_string(MaxBytes >> 20) + " MiB");
    Text.append(Buffer, static_cast<std::size_t>(N));
  }
  return Text;
}

void WriteOutputFile(std::string_view Name, std::string_view Data) {
  const std::string Path(Name);
  TDescriptor File{::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
  if (File.Fd < 0) Fail("cannot write", Name, errno);
  const auto RemovePartial = [&Path] {
    struct stat Info {};
    if (::lstat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode)) ::unlink(Path.c_str());
  };
  std::size_t Done = 0;
  while (Done < Data.size()) {
    const ssize_t N = ::write(File.Fd, Data.data() + Done, Data.size() - Done);
    if (N < 0 && errno == EINTR) continue;
    if (N <= 0) {
      const int Error = N < 0 ? errno : EIO;
      ::close(File.Release());
      RemovePartial();
      Fail("cannot write", Name, Error);
    }
    Done += static_cast<std::size_t>(N);
  }
  if (::close(File.Release()) != 0) {
    const int Error = errno;
    RemovePartial();
    Fail("cannot write", Name, Error);
  }
}

} // namespace zk::zkgfx
