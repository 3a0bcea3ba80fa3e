#pragma once
/// The binding to a help viewer module loaded at run time with `dlopen`.
///
/// A viewer module exports, with C linkage, `HtmlHelpA` and `HtmlHelpW` of
/// type `THtmlHelpW`/`THtmlHelpA` below; only `HtmlHelpW` is called. The file
/// text is UTF-16 and NUL-terminated; the result is the handle of the window
/// the viewer shows (a native window id, `QWindow::winId`), or 0.
#include <cstdint>
#include <string>

namespace zk {

/// An opaque window handle: a native window id, never a pointer.
using HWND = std::uintptr_t;

/// The viewer's `HtmlHelpW` entry point, the one the binding calls: File is
/// UTF-16 and NUL-terminated, Command and Data are passed through as the
/// caller gave them, and the result is the viewer window's handle or 0.
using THtmlHelpW = HWND (*)(HWND Caller, const char16_t* File, std::uint32_t Command, std::uintptr_t Data);
/// The viewer's `HtmlHelpA` entry point, for 8-bit file names. A module must
/// export it to count as a viewer, but the binding never calls it.
using THtmlHelpA = HWND (*)(HWND Caller, const char* File, std::uint32_t Command, std::uintptr_t Data);

/// The module the application's help calls load unless it names another
/// with `SetHelpViewerModule` before the first call.
inline constexpr const char* DefaultHelpViewerModule = "libzkhelpviewer.so";

/// One module binding. The module is loaded on the first `Call`; a load that
/// fails is tried again on the next call, but a module that loaded without
/// both entry points stays loaded and unusable (every call answers 0). The
/// module is unloaded with the binding. Not thread-safe.
class THelpViewerBinding {
public:
  /// A binding to ModuleName (a file name searched as `dlopen` searches, or a
  /// path); nothing is loaded yet, so an empty or wrong name shows only when
  /// `Call` answers 0.
  explicit THelpViewerBinding(std::string ModuleName);
  ~THelpViewerBinding();
  THelpViewerBinding(const THelpViewerBinding&) = delete;
  THelpViewerBinding& operator=(const THelpViewerBinding&) = delete;

  /// The viewer's answer to (Caller, File, Command, Data), or 0 when the
  /// viewer is not available.
  HWND Call(HWND Caller, const std::u16string& File, std::uint32_t Command, std::uintptr_t Data);

  ///@{
  /// True once a load succeeded (usable or not); the name is then fixed.
  bool Loaded() const noexcept { return FModule != nullptr; }
  const std::string& ModuleName() const noexcept { return FModuleName; }
  ///@}
  /// Names another module; refused (false) once one is loaded.
  bool SetModuleName(std::string Name);

private:
  std::string FModuleName;
  void* FModule = nullptr;
  THtmlHelpW FHtmlHelpW = nullptr;
};

/// The application's binding, created on first use, unloaded at exit.
THelpViewerBinding& HelpViewerBinding();

/// Names the module of the application's binding (a file name searched as
/// `dlopen` searches, or a path). Effective only before a load succeeded;
/// answers whether it took effect.
bool SetHelpViewerModule(const std::string& ModuleName);

} // namespace zk
