#pragma once
/// The commands of zkgfx: each lives in its own file and is listed once in
/// main.cpp. A command reads its arguments (without its own name), writes
/// its result to Out and returns the exit code; a bad argument raises
/// `UsageError`, which the dispatcher reports with exit code 2.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "path/PathTypes.h"

namespace zk {
class TZKPathData;
enum class TZKPathNumbers : std::uint8_t;
}

namespace zk::zkgfx {

using Arguments = std::span<const std::string_view>;

struct Command {
  std::string_view Name;
  std::string_view Summary; // one line for the overall help
  std::string_view Help;    // the command's own --help text
  int (*Run)(Arguments Args, std::istream& In, std::ostream& Out);
};

/// A command line that cannot be used; the message says why.
class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// The arguments split into options with a value, flags and positional
/// arguments. Options are written "--name value" or "--name=value", flags
/// "--name"; "--" ends them.
struct ParsedArguments {
  std::vector<std::pair<std::string_view, std::string_view>> Options;
  std::vector<std::string_view> Flags;
  std::vector<std::string_view> Positional;
  /// The value of an option, or Default when it was not given.
  std::string_view Option(std::string_view Name, std::string_view Default) const;
  /// The flag was given.
  bool Has(std::string_view Flag) const;
};

/// Splits Args; an option not in Known or Flags, an option without a value
/// or a flag with one raises.
ParsedArguments ParseArguments(Arguments Args, std::span<const std::string_view> Known,
                               std::span<const std::string_view> Flags = {});

/// The flag of the commands that read path data: "--svg" reads it by the SVG
/// path grammar instead of the library's compatible reading.
inline constexpr std::string_view PathSyntaxFlags[] = {"--svg"};

/// The flags of the commands that read path data and write it back:
/// `PathSyntaxFlags` and "--shortest", which writes each number in the
/// shortest form that reads back as the same Single (`PathText` below).
inline constexpr std::string_view PathTextFlags[] = {"--svg", "--shortest"};

/// How the commands write path text: the numbers in the shortest form when
/// Parsed has "--shortest", else in the library's default form.
TZKPathNumbers PathNumbers(const ParsedArguments& Parsed);

/// Path as text, the numbers as `PathNumbers` says.
std::string PathText(const TZKPathData& Path, const ParsedArguments& Parsed);

/// Reads Text into Path in the reading that Parsed chooses (`PathSyntaxFlags`).
/// When the reading stops before the end of Text, says on standard error
/// where (Context first, such as "line 3: "), and Path keeps what was read.
void ReadPath(TZKPathData& Path, std::string_view Text, const ParsedArguments& Parsed,
              std::string_view Context = {});

/// Reads standard input one path per line (each line on its own, as
/// `ReadPath` reads it, with "line N: " naming the line in its messages) and
/// calls Visit with each path in turn.
void ForEachInputPath(std::istream& In, const ParsedArguments& Parsed,
                      const std::function<void(const TZKPathData&)>& Visit);

/// Between Min and Max positional arguments, or raises naming the Expected ones.
void RequirePositional(const ParsedArguments& Parsed, std::size_t Min, std::size_t Max,
                       std::string_view Expected);

/// A finite number in "." notation ("1.5", "-2", "1e3"), or raises naming What.
double NumberArgument(std::string_view Text, std::string_view What);

/// A whole number from 0 up to Max, or raises naming What.
int CountArgument(std::string_view Text, std::string_view What, int Max);

/// The whole of the file Name as path data text, read under a 64 MiB limit
/// (pipes and devices too); see `ReadInputFile` for the failures it names.
std::string ReadPathFile(std::string_view Name);

/// The option of the commands that fill paths: "--fill-rule nonzero|evenodd".
inline constexpr std::string_view FillRuleOptions[] = {"--fill-rule"};

/// The rule "--fill-rule" names (nonzero when not given), or raises naming
/// the unknown one.
TZKFillMode FillRuleArgument(const ParsedArguments& Parsed);

/// The path Make returns, as text; a result that cannot be made (too large,
/// outside the float range) raises with Context first ("line 3: ").
std::string BooleanResultText(const std::function<std::unique_ptr<TZKPathData>()>& Make,
                              std::string_view Context);

/// A number as the library writes path numbers ("0.#########").
std::string FormatNumber(double Value);

/// A number in the shortest form that reads back as the same double ("0.1",
/// "1e+38"); negative zero is written "0".
std::string FormatShortest(double Value);

extern const Command NormalizeCommand;
extern const Command InfoCommand;
extern const Command FlattenCommand;
extern const Command SplitCommand;
extern const Command ArcCommand;
extern const Command RenderCommand;
extern const Command DesignerCommand;
extern const Command GalleryCommand;
extern const Command MeasureCommand;
extern const Command TrimCommand;
extern const Command ContainsCommand;
extern const Command StrokeCommand;
extern const Command CombineCommand;
extern const Command SimplifyCommand;

} // namespace zk::zkgfx
