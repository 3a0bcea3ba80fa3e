#include "tools/zkgfx/StrokeOptions.h"

#include <string>

namespace zk::zkgfx {
namespace {

// "D1,G1,..." with commas or blanks between the numbers; "none" is no dashes.
std::vector<double> DashList(std::string_view Text) {
  std::vector<double> Dashes;
  if (Text == "none") return Dashes;
  std::size_t At = 0;
  while (At < Text.size()) {
    const std::size_t End = Text.find_first_of(", ", At);
    const std::string_view Item = Text.substr(At, End == std::string_view::npos ? std::string_view::npos : End - At);
    if (!Item.empty()) Dashes.push_back(NumberArgument(Item, "each --dash entry"));
    if (End == std::string_view::npos) break;
    At = End + 1;
  }
  return Dashes;
}

} // namespace

TZKStroke StrokeFromOptions(const ParsedArguments& Parsed, std::string_view WidthOption) {
  TZKStroke S;
  S.Width = NumberArgument(Parsed.Option(WidthOption, "1"), WidthOption);
  const std::string_view Join = Parsed.Option("--join", "miter");
  if (Join == "miter") S.Join = TZKLineJoin::Miter;
  else if (Join == "round") S.Join = TZKLineJoin::Round;
  else if (Join == "bevel") S.Join = TZKLineJoin::Bevel;
  else throw UsageError("--join must be miter, round or bevel, not '" + std::string(Join) + "'");
  const std::string_view Cap = Parsed.Option("--cap", "butt");
  if (Cap == "butt") S.Cap = TZKLineCap::Butt;
  else if (Cap == "round") S.Cap = TZKLineCap::Round;
  else if (Cap == "square") S.Cap = TZKLineCap::Square;
  else throw UsageError("--cap must be butt, round or square, not '" + std::string(Cap) + "'");
  S.MiterLimit = NumberArgument(Parsed.Option("--miter-limit", "4"), "--miter-limit");
  S.Dashes = DashList(Parsed.Option("--dash", "none"));
  S.DashOffset = NumberArgument(Parsed.Option("--dash-offset", "0"), "--dash-offset");
  S.Tolerance = NumberArgument(Parsed.Option("--tolerance", "0.01"), "--tolerance");
  try {
    ValidateStroke(S);
  } catch (const EInvalidStroke& E) {
    throw UsageError(E.what());
  }
  return S;
}

} // namespace zk::zkgfx
