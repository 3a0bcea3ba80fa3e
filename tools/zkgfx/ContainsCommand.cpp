#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "path/PathData.h"
#include "pathops/PathWinding.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

constexpr std::array<std::string_view, 1> Options{"--fill-rule"};

TPointD PointArgument(std::string_view Text) {
  const std::size_t Comma = Text.find(',');
  if (Comma == std::string_view::npos)
    throw UsageError("a point is written X,Y, not '" + std::string(Text) + "'");
  return {NumberArgument(Text.substr(0, Comma), "X"), NumberArgument(Text.substr(Comma + 1), "Y")};
}

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, Options, PathSyntaxFlags);
  RequirePositional(Parsed, 1, SIZE_MAX, "X,Y");
  const std::string_view RuleText = Parsed.Option("--fill-rule", "nonzero");
  if (RuleText != "nonzero" && RuleText != "evenodd")
    throw UsageError("--fill-rule must be nonzero or evenodd, not '" + std::string(RuleText) + "'");
  const TZKFillMode Rule = RuleText == "nonzero" ? fmNonZero : fmEvenOdd;
  std::vector<TPointD> Points;
  for (std::string_view P : Parsed.Positional) Points.push_back(PointArgument(P));
  ForEachInputPath(In, Parsed, [&](const TZKPathData& Path) {
    const std::vector<TPathContour> Contours = PathContours(Path);
    std::string Line;
    for (const TPointD& P : Points) Line += ContoursContain(Contours, P, Rule) ? '1' : '0';
    Out << Line << '\n';
  });
  return 0;
}

} // namespace

const Command ContainsCommand{
    "contains", "whether points lie inside each filled path from standard input",
    "Usage: zkgfx contains [--svg] [--fill-rule nonzero|evenodd] X,Y [X,Y ...] < PATHS\n"
    "Reads path data from standard input, one path per line, and writes for each a\n"
    "line with one character per point: 1 when the point lies inside the path\n"
    "filled as SVG fills it (all contours together, each closed by its implicit\n"
    "closing line), 0 when outside. The test runs on the true curves; a point\n"
    "exactly on the outline may go either way. The fill rule is nonzero unless\n"
    "--fill-rule evenodd is given.\n"
    "--svg reads by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
