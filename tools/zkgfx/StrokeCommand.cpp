#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "path/PathData.h"
#include "tools/zkgfx/StrokeOptions.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  std::vector<std::string_view> Known{"--width"};
  Known.insert(Known.end(), StrokeStyleOptions.begin(), StrokeStyleOptions.end());
  const ParsedArguments Parsed = ParseArguments(Args, Known, PathSyntaxFlags);
  RequirePositional(Parsed, 0, 0, "");
  const TZKStroke Stroke = StrokeFromOptions(Parsed);
  std::string Line;
  std::size_t LineNumber = 0;
  while (std::getline(In, Line)) {
    TZKPathData Path;
    ReadPath(Path, Line, Parsed, "line " + std::to_string(++LineNumber) + ": ");
    Out << StrokeOutline(Path, Stroke)->GetPathString() << '\n';
  }
  return 0;
}

} // namespace

const Command StrokeCommand{
    "stroke", "write the outline of each path's stroke, to fill by the nonzero rule",
    "Usage: zkgfx stroke [--svg] [--width W] [STYLE OPTIONS] < PATHS\n"
    "Reads path data from standard input, one path per line, and writes for each the\n"
    "outline of its stroke as SVG and the HTML canvas paint it (joins, caps, dashes)\n"
    "in the library's form, one outline per line; fill it by the nonzero rule.\n"
    "  --width W                  the stroke's width (default 1; 0 paints nothing)\n"
    ZKGFX_STROKE_OPTIONS_HELP
    "--svg reads by the SVG path grammar (see 'zkgfx normalize --help'). A bad\n"
    "option exits with code 2; a dash pattern that would make more than 2^20\n"
    "dashes, or an outline of more than 2^20 entries, is refused (exit code 1).\n",
    &Run};

} // namespace zk::zkgfx
