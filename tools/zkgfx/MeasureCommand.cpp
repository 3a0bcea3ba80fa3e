#include <array>
#include <cmath>
#include <ostream>
#include <string>

#include "path/PathData.h"
#include "pathops/ContourMeasure.h"
#include "pathops/TightBounds.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

constexpr std::array<std::string_view, 1> Options{"--samples"};
constexpr int MaxSamples = 10000;

int Run(Arguments Args, std::istream& In, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, Options, PathSyntaxFlags);
  RequirePositional(Parsed, 0, 0, "");
  const std::string_view SamplesText = Parsed.Option("--samples", "16");
  int Samples = 0;
  try {
    Samples = CountArgument(SamplesText, "--samples", MaxSamples);
  } catch (const UsageError&) {
  }
  if (Samples < 1)
    throw UsageError("--samples must be a whole number from 1 to " + std::to_string(MaxSamples) + ", not '" +
                     std::string(SamplesText) + "'");
  constexpr double Degrees = 180 / 3.14159265358979323846;
  ForEachInputPath(In, Parsed, [&](const TZKPathData& Path) {
    const TContourMeasure Measure(Path);
    const TBoundsD Box = TightBounds(Measure.Contours());
    const double Length = Measure.Length();
    std::string Line = FormatShortest(Length) + ' ' + FormatShortest(Box.Left) + ',' + FormatShortest(Box.Top) +
                       ',' + FormatShortest(Box.Right) + ',' + FormatShortest(Box.Bottom);
    for (int K = 0; K <= Samples; ++K) {
      const TPointTangent At = Measure.PointTangentAt(K == Samples ? Length : Length * K / Samples);
      Line += ' ' + FormatShortest(At.Point.X) + ',' + FormatShortest(At.Point.Y) + ',' +
              FormatShortest(std::atan2(At.Tangent.Y, At.Tangent.X) * Degrees);
    }
    Out << Line << '\n';
  });
  return 0;
}

} // namespace

const Command MeasureCommand{
    "measure", "exact length, tight bounds and points along each path from standard input",
    "Usage: zkgfx measure [--svg] [--samples N] < PATHS\n"
    "Reads path data from standard input, one path per line, and writes for each\n"
    "  LENGTH LEFT,TOP,RIGHT,BOTTOM X0,Y0,A0 ... XN,YN,AN\n"
    "the length along the true curves (every contour, its closing line included;\n"
    "the jump between contours adds nothing), the smallest box around the curves,\n"
    "and N + 1 samples (N from 1 to 10000, default 16) at the distances\n"
    "k * LENGTH / N: the point and the direction of travel in degrees,\n"
    "atan2(dy, dx) in the path's coordinates (y down on a canvas). Where two\n"
    "segments meet, the one starting there gives the direction. Numbers are\n"
    "written in the shortest form that reads back as the same double. A path\n"
    "without length gives 0 and N + 1 samples at its first point, angle 0.\n"
    "--svg reads by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
