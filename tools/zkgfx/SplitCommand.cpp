#include <array>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "path/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {
namespace {

constexpr std::array<std::string_view, 2> Options{"--len", "--delimiter"};

int Run(Arguments Args, std::istream&, std::ostream& Out) {
  const ParsedArguments Parsed = ParseArguments(Args, Options, PathTextFlags);
  RequirePositional(Parsed, 1, 1, "PATHDATA");
  const std::string_view LenText = Parsed.Option("--len", {});
  if (LenText.data() == nullptr) throw UsageError("missing --len N");
  const int Len = CountArgument(LenText, "--len", std::numeric_limits<int>::max());
  const std::string Delimiter(Parsed.Option("--delimiter", "\n"));
  TZKPathData Path;
  ReadPath(Path, Parsed.Positional[0], Parsed);
  const std::string Text = Path.SplitDataByLength(Len, Delimiter, PathNumbers(Parsed));
  // Text output ends with one line feed: a delimiter that already ends it
  // gets no second one.
  Out << Text;
  if (Text.empty() || Text.back() != '\n') Out << '\n';
  return 0;
}

} // namespace

const Command SplitCommand{
    "split", "write a path as text broken into lines of about N characters",
    "Usage: zkgfx split --len N [--delimiter D] [--svg] [--shortest] PATHDATA\n"
    "Writes the path in absolute form and inserts D (default: a line break) after\n"
    "the first whole command that takes a line beyond N characters; a number is\n"
    "never cut.\n"
    "--svg reads PATHDATA by the SVG path grammar (see 'zkgfx normalize --help').\n"
    "--shortest writes each number in its shortest exact form (4.7500005, not 4.750000477).\n",
    &Run};

} // namespace zk::zkgfx
