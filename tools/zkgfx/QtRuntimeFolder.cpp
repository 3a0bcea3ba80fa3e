#include "tools/zkgfx/QtRuntimeFolder.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

namespace zk::zkgfx {

TQtRuntimeFolder::TQtRuntimeFolder() {
  const char* Set = std::getenv("XDG_RUNTIME_DIR");
  if (Set != nullptr && *Set != '\0') return;
  std::error_code Error;
  std::string Name = (std::filesystem::temp_directory_path(Error) / "zkgfx-runtime-XXXXXX").string();
  if (Error) Name = "/tmp/zkgfx-runtime-XXXXXX";
  // mkdtemp makes the folder with mode 0700; when it cannot, Qt falls back
  // (and says so) as it would have.
  if (mkdtemp(Name.data()) == nullptr) return;
  FFolder = Name;
  setenv("XDG_RUNTIME_DIR", FFolder.c_str(), 1);
}

TQtRuntimeFolder::~TQtRuntimeFolder() {
  if (FFolder.empty()) return;
  unsetenv("XDG_RUNTIME_DIR");
  std::error_code Ignored;
  std::filesystem::remove_all(FFolder, Ignored);
}

} // namespace zk::zkgfx
