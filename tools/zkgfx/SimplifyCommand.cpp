#include <istream>
#include <ostream>
#include <string>

#include "path/PathData.h"
#include "pathops/PathBoolean.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, FillRuleOptions, PathSyntaxFlags);
  RequirePositional(Parsed, 0, 0, "");
  const TZKFillMode Rule = FillRuleArgument(Parsed);
  std::string Line;
  std::size_t LineNumber = 0;
  while (std::getline(In, Line)) {
    const std::string Context = "line " + std::to_string(++LineNumber) + ": ";
    TZKPathData Path;
    ReadPath(Path, Line, Parsed, Context);
    Out << BooleanResultText([&] { return Simplify(Path, Rule); }, Context) << '\n';
  }
  return 0;
}

} // namespace

const Command SimplifyCommand{
    "simplify", "the area a path covers, as contours that do not overlap",
    "Usage: zkgfx simplify [--fill-rule nonzero|evenodd] [--svg] < PATHS\n"
    "Reads one path per line from standard input and writes the area it covers\n"
    "under the rule given (default nonzero) as closed contours that neither cross\n"
    "nor overlap, outer ones clockwise and holes the other way, so that both rules\n"
    "fill the result alike: overlapping contours merge, a figure eight becomes two\n"
    "loops. Curves stay curves. A result of more than 2^20 entries is refused.\n"
    "--svg reads the paths by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
