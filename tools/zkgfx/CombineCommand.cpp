#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "path/PathData.h"
#include "pathops/PathBoolean.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

constexpr std::array<std::string_view, 2> Options{"--op", "--fill-rule"};

TPathOp OpArgument(std::string_view Text) {
  if (Text == "union") return TPathOp::Union;
  if (Text == "intersection") return TPathOp::Intersection;
  if (Text == "difference") return TPathOp::Difference;
  if (Text == "xor") return TPathOp::Xor;
  throw UsageError("unknown --op '" + std::string(Text) + "' (union, intersection, difference or xor)");
}

// The lines of Text without their line ends; a last line feed ends the last line.
std::vector<std::string_view> Lines(std::string_view Text) {
  std::vector<std::string_view> Out;
  while (!Text.empty()) {
    const std::size_t End = Text.find('\n');
    std::string_view Line = Text.substr(0, End);
    if (!Line.empty() && Line.back() == '\r') Line.remove_suffix(1);
    Out.push_back(Line);
    if (End == std::string_view::npos) break;
    Text.remove_prefix(End + 1);
  }
  return Out;
}

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, Options, PathSyntaxFlags);
  RequirePositional(Parsed, 2, 2, "A.txt B.txt");
  const std::string_view OpText = Parsed.Option("--op", {});
  if (OpText.data() == nullptr) throw UsageError("missing --op union|intersection|difference|xor");
  const TPathOp Op = OpArgument(OpText);
  const TZKFillMode Rule = FillRuleArgument(Parsed);
  const std::string TextA = ReadPathFile(Parsed.Positional[0]);
  const std::string TextB = ReadPathFile(Parsed.Positional[1]);
  const std::vector<std::string_view> A = Lines(TextA), B = Lines(TextB);
  if (A.size() != B.size())
    throw std::runtime_error(std::string(Parsed.Positional[0]) + " has " + std::to_string(A.size()) +
                             " lines but " + std::string(Parsed.Positional[1]) + " has " +
                             std::to_string(B.size()));
  for (std::size_t I = 0; I < A.size(); ++I) {
    const std::string Context = "line " + std::to_string(I + 1) + ": ";
    TZKPathData PathA, PathB;
    ReadPath(PathA, A[I], Parsed, std::string(Parsed.Positional[0]) + " " + Context);
    ReadPath(PathB, B[I], Parsed, std::string(Parsed.Positional[1]) + " " + Context);
    Out << BooleanResultText(
               [&] { return Combine(PathA, PathB, Op, Rule, Rule); }, Context)
        << '\n';
  }
  return 0;
}

} // namespace

const Command CombineCommand{
    "combine", "union, intersection, difference or exclusive or of paths, line by line",
    "Usage: zkgfx combine --op union|intersection|difference|xor [--fill-rule nonzero|evenodd]\n"
    "                     [--svg] A.txt B.txt\n"
    "Combines the path on line i of A.txt with the path on line i of B.txt and\n"
    "writes one result per line: the area of A or B (union), of both\n"
    "(intersection), of A without B (difference) or of exactly one (xor). Both\n"
    "operands are filled by the rule given (default nonzero). A result is closed\n"
    "contours that do not overlap, outer ones clockwise and holes the other way,\n"
    "so both rules fill it alike; curves stay curves. The files must have as many\n"
    "lines; a result of more than 2^20 entries is refused.\n"
    "--svg reads the paths by the SVG path grammar (see 'zkgfx normalize --help').\n",
    &Run};

} // namespace zk::zkgfx
