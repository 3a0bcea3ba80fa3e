#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "path/PathData.h"
#include "pathops/PathBoolean.h"
#include "tools/zkgfx/StrokeOptions.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  std::vector<std::string_view> Known{"--width"};
  Known.insert(Known.end(), StrokeStyleOptions.begin(), StrokeStyleOptions.end());
  static constexpr std::string_view Flags[] = {"--svg", "--shortest", "--simplify"};
  const ParsedArguments Parsed = ParseArguments(Args, Known, Flags);
  const bool Simplified = Parsed.Has("--simplify");
  RequirePositional(Parsed, 0, 0, "");
  const TZKStroke Stroke = StrokeFromOptions(Parsed);
  std::string Line;
  std::size_t LineNumber = 0;
  while (std::getline(In, Line)) {
    TZKPathData Path;
    ReadPath(Path, Line, Parsed, "line " + std::to_string(++LineNumber) + ": ");
    const std::unique_ptr<TZKPathData> Outline = StrokeOutline(Path, Stroke);
    Out << PathText(Simplified ? *Simplify(*Outline, fmNonZero) : *Outline, Parsed) << '\n';
  }
  return 0;
}

} // namespace

const Command StrokeCommand{
    "stroke", "write the outline of each path's stroke, to fill by the nonzero rule",
    "Usage: zkgfx stroke [--svg] [--shortest] [--simplify] [--width W] [STYLE OPTIONS] < PATHS\n"
    "Reads path data from standard input, one path per line, and writes for each the\n"
    "outline of its stroke as SVG and the HTML canvas paint it (joins, caps, dashes)\n"
    "in the library's form, one outline per line; fill it by the nonzero rule.\n"
    "  --width W                  the stroke's width (default 1; 0 paints nothing)\n"
    ZKGFX_STROKE_OPTIONS_HELP
    "--simplify writes the outline as contours that neither cross nor overlap, outer\n"
    "ones clockwise and holes the other way, so that it fills alike under both rules\n"
    "(\"outline stroke\" as design tools make it).\n"
    "--shortest writes each number in its shortest exact form (4.7500005, not 4.750000477).\n"
    "--svg reads by the SVG path grammar (see 'zkgfx normalize --help'). A bad\n"
    "option exits with code 2; a dash pattern that would make more than 2^20\n"
    "dashes, or an outline of more than 2^20 entries, is refused (exit code 1).\n",
    &Run};

} // namespace zk::zkgfx
