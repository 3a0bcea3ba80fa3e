#include <ostream>
#include <string>

#include "geometry/Tolerances.h"
#include "path/PathArcs.h"
#include "runtime/Exceptions.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, {});
  RequirePositional(Parsed, 4, 5, "START END INNER OUTER");
  const auto& P = Parsed.Positional;
  const double Offset = P.size() > 4 ? NumberArgument(P[4], "OFFSET") : 0.0;
  std::string Text;
  try {
    Text = Arc(NumberArgument(P[0], "START"), NumberArgument(P[1], "END"), NumberArgument(P[2], "INNER"),
               NumberArgument(P[3], "OUTER"), Offset);
  } catch (const EOverflow&) {
    throw UsageError("INNER and OUTER must lie within +-" + FormatNumber(MaxSliceRadius));
  } catch (const EInvalidOp&) {
    throw UsageError("the angles turned by OFFSET must stay finite");
  }
  Out << Text << '\n';
  return 0;
}

} // namespace

const Command ArcCommand{
    "arc", "SVG path text of a pie or donut slice centred on the origin",
    "Usage: zkgfx arc START END INNER OUTER [OFFSET]\n"
    "Writes the slice between the circles of radii INNER and OUTER (INNER 0 makes a\n"
    "pie) from angle START to END, both turned by OFFSET (default 0), in degrees,\n"
    "clockwise on screen (y grows downward).\n",
    &Run};

} // namespace zk::zkgfx
