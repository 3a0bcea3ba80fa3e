#include <cmath>
#include <ostream>
#include <string>

#include "path/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

// Figures: one per move, and one for entries before the first move.
int CountFigures(const TZKPathData& Path) {
  int Figures = 0;
  const auto Entries = Path.Entries();
  for (const TZKPathPoint& E : Entries) Figures += E.Kind == ppMoveTo;
  if (!Entries.empty() && Entries.front().Kind != ppMoveTo) ++Figures;
  return Figures;
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, {}, PathSyntaxFlags);
  RequirePositional(Parsed, 1, 1, "PATHDATA");
  TZKPathData Path;
  ReadPath(Path, Parsed.Positional[0], Parsed);
  const TRectF B = Path.GetBounds();
  // Each edge is measured as a Single, so a path across the whole float
  // range has no finite length.
  const double Length = Path.GetLength();
  const std::string LengthText =
      std::isfinite(Length) ? FormatNumber(Length) : "too long to measure (an edge exceeds the range of a Single)";
  Out << "entries: " << Path.Count() << '\n'
      << "sub-paths: " << CountFigures(Path) << '\n'
      << "bounds: " << FormatNumber(B.Left) << ',' << FormatNumber(B.Top) << ','
      << FormatNumber(B.Right) << ',' << FormatNumber(B.Bottom) << '\n'
      << "length: " << LengthText << '\n'
      << "empty: " << (Path.IsEmpty() ? "yes" : "no") << '\n';
  return 0;
}

} // namespace

const Command InfoCommand{
    "info", "entries, sub-paths, bounds, length and emptiness of a path",
    "Usage: zkgfx info [--svg] PATHDATA\n"
    "Prints the number of entries and of sub-paths (figures), the bounds of all\n"
    "points and control points as left,top,right,bottom (a zero extent padded by\n"
    "0.001), the length along the flattened path, and whether the path is empty.\n"
    "--svg reads PATHDATA by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
