#include <istream>
#include <ostream>
#include <string>

#include "graphics/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  RequirePositional(ParseArguments(Args, {}), 0, 0, "");
  std::string Line;
  while (std::getline(In, Line)) {
    TZKPathData Path; // a new path per line: nothing carries over, not even the start point
    Path.SetPathString(Line);
    Out << Path.GetPathString() << '\n';
  }
  return 0;
}

} // namespace

const Command NormalizeCommand{
    "normalize", "rewrite path data from standard input in the library's absolute form",
    "Usage: zkgfx normalize < PATHS\n"
    "Reads path data from standard input, one path per line, and writes each as the\n"
    "library writes it: absolute M, L, C and Z commands, numbers with up to nine\n"
    "decimals, a blank after every command. Each line is parsed on its own; an empty\n"
    "line gives an empty line, and text the parser cannot read ends that line's path.\n",
    &Run};

} // namespace zk::zkgfx
