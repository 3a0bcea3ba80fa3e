#include <ostream>
#include <string>

#include "path/PathData.h"
#include "pathops/ContourMeasure.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

// A distance: a length in the path's units, or a percentage of its length.
struct TDistance {
  double Value;
  bool Percent;
  double Of(double Length) const { return Percent ? Value * Length / 100 : Value; }
};

TDistance DistanceArgument(std::string_view Text, std::string_view What) {
  if (Text.ends_with('%')) return {NumberArgument(Text.substr(0, Text.size() - 1), What), true};
  return {NumberArgument(Text, What), false};
}

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, {}, PathSyntaxFlags);
  RequirePositional(Parsed, 2, 2, "FROM and TO");
  const TDistance From = DistanceArgument(Parsed.Positional[0], "FROM");
  const TDistance To = DistanceArgument(Parsed.Positional[1], "TO");
  ForEachInputPath(In, Parsed, [&](const TZKPathData& Path) {
    const TContourMeasure Measure(Path);
    const double Length = Measure.Length();
    Out << Measure.Trim(From.Of(Length), To.Of(Length))->GetPathString() << '\n';
  });
  return 0;
}

} // namespace

const Command TrimCommand{
    "trim", "the piece of each path from standard input between two distances",
    "Usage: zkgfx trim [--svg] FROM TO < PATHS\n"
    "Reads path data from standard input, one path per line, and writes for each\n"
    "the piece between the distances FROM and TO along its true curves, in the\n"
    "library's form. FROM and TO are lengths in the path's units or percentages\n"
    "of each path's length ('25%'), clamped to the path. Lines are cut as lines\n"
    "and curves as curves; a piece across contours has one sub-path per contour,\n"
    "and a piece of a closed contour is closed only when it covers all of it.\n"
    "FROM at or after TO gives an empty line.\n"
    "--svg reads by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
