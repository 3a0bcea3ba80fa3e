// A help viewer module for the tests: HtmlHelpW records its arguments, opens
// a small window and answers that window's id. Built a second time without
// the entry points, as a module that is not a viewer.
#include <cstdint>
#include <string>

#include <QWidget>

struct TTestViewerCall {
  int Count = 0;
  std::uintptr_t Caller = 0;
  std::u16string File;
  std::uint32_t Command = 0;
  std::uintptr_t Data = 0;
};

namespace {
TTestViewerCall LastCall;
}

extern "C" {

__attribute__((visibility("default"))) const TTestViewerCall* TestViewerLastCall() { return &LastCall; }

#ifndef ZK_TEST_VIEWER_WITHOUT_ENTRY_POINTS
__attribute__((visibility("default"))) std::uintptr_t HtmlHelpA(std::uintptr_t, const char*, std::uint32_t,
                                                                std::uintptr_t) {
  return 0;
}

__attribute__((visibility("default"))) std::uintptr_t HtmlHelpW(std::uintptr_t Caller, const char16_t* File,
                                                                std::uint32_t Command, std::uintptr_t Data) {
  ++LastCall.Count;
  LastCall.Caller = Caller;
  LastCall.File = File ? File : u"";
  LastCall.Command = Command;
  LastCall.Data = Data;
  auto* Window = new QWidget;
  Window->setAttribute(Qt::WA_DeleteOnClose);
  Window->setWindowTitle(QString::fromStdU16String(LastCall.File));
  return static_cast<std::uintptr_t>(Window->winId());
}
#endif
}
