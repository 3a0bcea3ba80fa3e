// zkgfx: path operations of the library for scripts. Usage errors go to
// standard error with exit code 2.
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/zkgfx/Command.h"

namespace {

using namespace zk::zkgfx;

constexpr std::array<const Command*, 14> Commands{
    &NormalizeCommand, &InfoCommand,    &FlattenCommand, &SplitCommand,   &ArcCommand,
    &MeasureCommand,   &TrimCommand,    &ContainsCommand, &StrokeCommand, &CombineCommand,
    &SimplifyCommand,  &RenderCommand,  &DesignerCommand, &GalleryCommand};

void PrintOverview(std::ostream& Out) {
  Out << "Usage: zkgfx COMMAND [ARGUMENTS]\n"
         "Path operations on SVG path data (absolute and relative M, L, H, V, C, S, Q, T, A, Z).\n\n"
         "Commands:\n";
  for (const Command* C : Commands) {
    Out << "  " << C->Name;
    for (std::size_t I = C->Name.size(); I < 11; ++I) Out << ' ';
    Out << C->Summary << '\n';
  }
  Out << "\n'zkgfx COMMAND --help' describes one command.\n";
}

bool IsHelp(std::string_view Arg) { return Arg == "--help" || Arg == "-h"; }

} // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> Args(argv + 1, argv + argc);
  if (Args.empty()) {
    PrintOverview(std::cerr);
    return 2;
  }
  if (IsHelp(Args[0]) || Args[0] == "help") {
    PrintOverview(std::cout);
    return 0;
  }
  const Command* Found = nullptr;
  for (const Command* C : Commands)
    if (C->Name == Args[0]) Found = C;
  if (Found == nullptr) {
    std::cerr << "zkgfx: unknown command '" << Args[0] << "' (see 'zkgfx --help')\n";
    return 2;
  }
  const Arguments Rest(Args.data() + 1, Args.size() - 1);
  for (std::string_view Arg : Rest) {
    if (Arg == "--") break;
    if (IsHelp(Arg)) {
      std::cout << Found->Help;
      return 0;
    }
  }
  try {
    errno = 0;
    const int Code = Found->Run(Rest, std::cin, std::cout);
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0) {
      std::cerr << "zkgfx " << Found->Name << ": cannot write standard output"
                << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
      return 1;
    }
    return Code;
  } catch (const UsageError& E) {
    std::cerr << "zkgfx " << Found->Name << ": " << E.what() << " (see 'zkgfx " << Found->Name
              << " --help')\n";
    return 2;
  } catch (const std::exception& E) {
    std::cerr << "zkgfx " << Found->Name << ": " << E.what() << '\n';
    return 1;
  }
}
