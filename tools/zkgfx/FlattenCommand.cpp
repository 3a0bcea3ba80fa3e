#include <array>
#include <ostream>
#include <string_view>

#include "path/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

constexpr std::array<std::string_view, 1> Options{"--flatness"};

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, Options, PathTextFlags);
  RequirePositional(Parsed, 1, 1, "PATHDATA");
  const double Flatness = NumberArgument(Parsed.Option("--flatness", "0.25"), "--flatness");
  TZKPathData Path;
  ReadPath(Path, Parsed.Positional[0], Parsed);
  Path.Flatten(static_cast<float>(Flatness));
  Out << PathText(Path, Parsed) << '\n';
  return 0;
}

} // namespace

const Command FlattenCommand{
    "flatten", "replace the curves of a path by straight lines",
    "Usage: zkgfx flatten [--flatness F] [--svg] [--shortest] PATHDATA\n"
    "Writes the path with every curve replaced by lines of about F units each\n"
    "(default 0.25; values below 0.05 count as 0.05).\n"
    "--svg reads PATHDATA by the SVG path grammar (see 'zkgfx normalize --help').\n"
    "--shortest writes each number in its shortest exact form (4.7500005, not 4.750000477).\n",
    &Run};

} // namespace zk::zkgfx
