#include <istream>
#include <ostream>
#include <string>

#include "path/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, {}, PathTextFlags);
  RequirePositional(Parsed, 0, 0, "");
  std::string Line;
  std::size_t LineNumber = 0;
  while (std::getline(In, Line)) {
    TZKPathData Path; // a new path per line: nothing carries over, not even the start point
    ReadPath(Path, Line, Parsed, "line " + std::to_string(++LineNumber) + ": ");
    Out << PathText(Path, Parsed) << '\n';
  }
  return 0;
}

} // namespace

const Command NormalizeCommand{
    "normalize", "rewrite path data from standard input in the library's absolute form",
    "Usage: zkgfx normalize [--svg] [--shortest] < PATHS\n"
    "Reads path data from standard input, one path per line, and writes each as the\n"
    "library writes it: absolute M, L, C and Z commands, numbers with up to nine\n"
    "decimals, a blank after every command. Each line is parsed on its own; an empty\n"
    "line gives an empty line, and text the parser cannot read ends that line's path\n"
    "(standard error says where).\n"
    "--svg reads by the SVG 2 path grammar, as a browser does: '+' signs, S and T\n"
    "reflecting only after their own kind of curve, an arc to its own start left\n"
    "out and one with a zero radius drawn straight, flags '0'/'1' only; the first\n"
    "error ends the path. Without it, the library's compatible reading: S reflects\n"
    "any curve before it, an arc to its own start is a whole ellipse, '+' ends the\n"
    "path, and a command that cannot be read is skipped.\n"
    "--shortest writes each number in its shortest exact form (4.7500005, not 4.750000477).\n",
    &Run};

} // namespace zk::zkgfx
