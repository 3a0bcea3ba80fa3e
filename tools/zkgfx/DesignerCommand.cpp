#include <cstdlib>
#include <ostream>
#include <string>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "components/ZKPathDesigner.h"
#include "tools/zkgfx/Command.h"
#include "tools/zkgfx/QtRuntimeFolder.h"

namespace zk::zkgfx {
namespace {

bool HasDisplay() {
  for (const char* Name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* Value = std::getenv(Name); Value != nullptr && *Value != '\0') return true;
  return false;
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  static constexpr std::string_view Known[] = {"--file", "--press"};
  const ParsedArguments Parsed = ParseArguments(Args, Known, PathTextFlags);
  const std::string_view FileName = Parsed.Option("--file", "");
  const std::string_view Press = Parsed.Option("--press", "");
  if (!Press.empty() && Press != "ok" && Press != "cancel")
    throw UsageError("--press must be ok or cancel, not '" + std::string(Press) + "'");
  const bool FromFile = !FileName.empty();
  RequirePositional(Parsed, 0, FromFile ? 0 : 1, FromFile ? "nothing besides --file" : "PATHDATA");

  TZKPathData Path;
  if (FromFile)
    ReadPath(Path, ReadPathFile(FileName), Parsed);
  else if (!Parsed.Positional.empty())
    ReadPath(Path, Parsed.Positional[0], Parsed);

  if (!HasDisplay())
    throw std::runtime_error("no display: set DISPLAY (or QT_QPA_PLATFORM=offscreen with --press)");
  int Argc = 1;
  char Name[] = "zkgfx";
  char* Argv[] = {Name, nullptr};
  const TQtRuntimeFolder Runtime;  // outlives the application, which asks for it
  QApplication App(Argc, Argv);
  TPathDesignerForm Dialog;
  Dialog.SetPathData(Path);
  if (!Press.empty()) {
    auto* Button = Dialog.findChild<QPushButton*>(Press == "ok" ? "Button1" : "Button2");
    QTimer::singleShot(0, Button, &QPushButton::click);
  }
  if (Dialog.exec() != QDialog::Accepted) return 1;
  Out << PathText(Dialog.PathData(), Parsed) << '\n';
  return 0;
}

} // namespace

const Command DesignerCommand{
    "designer", "edit a path in the path designer dialog",
    "Usage: zkgfx designer [--press ok|cancel] [--svg] [--shortest] [PATHDATA | --file F]\n"
    "Opens the path designer on the path given (or an empty one): type path\n"
    "data, press Enter to redraw the preview. On OK the edited path is printed\n"
    "as the library writes it and the exit code is 0; on Cancel nothing is\n"
    "printed and the exit code is 1. --press presses OK or Cancel as soon as\n"
    "the dialog shows (for scripts and tests, with QT_QPA_PLATFORM=offscreen).\n"
    "--svg reads the path by the SVG path grammar (see 'zkgfx normalize --help').\n"
    "--shortest writes each number in its shortest exact form (4.7500005, not 4.750000477).\n",
    &Run};

} // namespace zk::zkgfx
