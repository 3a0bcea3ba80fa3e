#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "path/PathData.h"
#include "runtime/NumberText.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {

std::string_view ParsedArguments::Option(std::string_view Name, std::string_view Default) const {
  for (auto It = Options.rbegin(); It != Options.rend(); ++It)
    if (It->first == Name) return It->second; // the last one given wins
  return Default;
}

bool ParsedArguments::Has(std::string_view Flag) const {
  return std::find(Flags.begin(), Flags.end(), Flag) != Flags.end();
}

ParsedArguments ParseArguments(Arguments Args, std::span<const std::string_view> Known,
                               std::span<const std::string_view> Flags) {
  ParsedArguments Parsed;
  bool OptionsEnded = false;
  for (std::size_t I = 0; I < Args.size(); ++I) {
    const std::string_view Arg = Args[I];
    if (OptionsEnded || !Arg.starts_with("--")) {
      Parsed.Positional.push_back(Arg);
      continue;
    }
    if (Arg == "--") {
      OptionsEnded = true;
      continue;
    }
    const std::size_t Equals = Arg.find('=');
    const std::string_view Name = Arg.substr(0, Equals);
    if (std::find(Flags.begin(), Flags.end(), Name) != Flags.end()) {
      if (Equals != std::string_view::npos) throw UsageError("option '" + std::string(Name) + "' takes no value");
      Parsed.Flags.push_back(Name);
      continue;
    }
    if (std::find(Known.begin(), Known.end(), Name) == Known.end())
      throw UsageError("unknown option '" + std::string(Name) + "'");
    if (Equals != std::string_view::npos) {
      Parsed.Options.emplace_back(Name, Arg.substr(Equals + 1));
    } else if (I + 1 < Args.size()) {
      Parsed.Options.emplace_back(Name, Args[++I]);
    } else {
      throw UsageError("option '" + std::string(Name) + "' needs a value");
    }
  }
  return Parsed;
}

void RequirePositional(const ParsedArguments& Parsed, std::size_t Min, std::size_t Max,
                       std::string_view Expected) {
  const std::size_t N = Parsed.Positional.size();
  if (N < Min) throw UsageError("missing " + std::string(Expected));
  if (N > Max) throw UsageError("unexpected argument '" + std::string(Parsed.Positional[Max]) + "'");
}

double NumberArgument(std::string_view Text, std::string_view What) {
  double Value = 0;
  if (!TryStrToFloat(Text, Value, USFormatSettings) || !std::isfinite(Value))
    throw UsageError(std::string(What) + " must be a number, not '" + std::string(Text) + "'");
  return Value;
}

int CountArgument(std::string_view Text, std::string_view What, int Max) {
  int Value = -1;
  const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
  if (Text.empty() || Error != std::errc{} || End != Text.data() + Text.size() || Value < 0 || Value > Max)
    throw UsageError(std::string(What) + " must be a whole number from 0 to " + std::to_string(Max) +
                     ", not '" + std::string(Text) + "'");
  return Value;
}

TZKFillMode FillRuleArgument(const ParsedArguments& Parsed) {
  const std::string_view Rule = Parsed.Option("--fill-rule", "nonzero");
  if (Rule == "nonzero") return fmNonZero;
  if (Rule == "evenodd") return fmEvenOdd;
  throw UsageError("unknown --fill-rule '" + std::string(Rule) + "' (nonzero or evenodd)");
}

std::string FormatNumber(double Value) { return FormatFloat(DefaultPathFormat, Value, USFormatSettings); }

std::string FormatShortest(double Value) {
  char Buffer[32];
  const auto Result = std::to_chars(Buffer, Buffer + sizeof Buffer, Value == 0 ? 0.0 : Value);
  return {Buffer, Result.ptr};
}

} // namespace zk::zkgfx
