#include "helpers/HelpViewerBinding.h"

#include <dlfcn.h>

#include <utility>

namespace zk {

THelpViewerBinding::THelpViewerBinding(std::string ModuleName) : FModuleName(std::move(ModuleName)) {}

THelpViewerBinding::~THelpViewerBinding() {
  if (FModule) dlclose(FModule);
}

bool THelpViewerBinding::SetModuleName(std::string Name) {
  if (FModule) return false;
  FModuleName = std::move(Name);
  return true;
}

HWND THelpViewerBinding::Call(HWND Caller, const std::u16string& File, std::uint32_t Command,
                              std::uintptr_t Data) {
  if (!FModule) {
    FModule = dlopen(FModuleName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!FModule) return 0;  // retried on the next call
    const bool HasA = dlsym(FModule, "HtmlHelpA") != nullptr;
    void* W = dlsym(FModule, "HtmlHelpW");
    if (HasA && W) FHtmlHelpW = reinterpret_cast<THtmlHelpW>(W);
  }
  return FHtmlHelpW ? FHtmlHelpW(Caller, File.c_str(), Command, Data) : 0;
}

THelpViewerBinding& HelpViewerBinding() {
  static THelpViewerBinding Binding(DefaultHelpViewerModule);
  return Binding;
}

bool SetHelpViewerModule(const std::string& ModuleName) { return HelpViewerBinding().SetModuleName(ModuleName); }

} // namespace zk
