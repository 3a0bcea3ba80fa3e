#pragma once
/// The per-user runtime folder Qt asks for when it starts a GUI application.
#include <string>

namespace zk::zkgfx {

/// Without a desktop session XDG_RUNTIME_DIR is unset, and Qt warns on
/// standard error before it falls back to a shared folder of its own. While
/// this object lives, such a process has a private folder (mode 0700, as Qt
/// requires) named there instead; the folder is removed with the object. An
/// XDG_RUNTIME_DIR already set is left as it is. Make it before the
/// application object and let it outlive it.
class TQtRuntimeFolder {
public:
  TQtRuntimeFolder();
  ~TQtRuntimeFolder();
  TQtRuntimeFolder(const TQtRuntimeFolder&) = delete;
  TQtRuntimeFolder& operator=(const TQtRuntimeFolder&) = delete;

private:
  std::string FFolder;  // empty when the environment named one
};

} // namespace zk::zkgfx
