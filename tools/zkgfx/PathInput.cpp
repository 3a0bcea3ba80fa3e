#include <iostream>
#include <string>

#include "path/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {

void ReadPath(TZKPathData& Path, std::string_view Text, const ParsedArguments& Parsed,
              std::string_view Context) {
  const TZKPathSyntax Syntax = Parsed.Has("--svg") ? TZKPathSyntax::Svg : TZKPathSyntax::Compatible;
  const TZKPathTextRead Read = Path.SetPathString(Text, Syntax);
  if (Read.Complete) return;
  constexpr std::size_t Shown = 24; // enough to recognise the place
  const std::string_view Rest = Text.substr(Read.StopPos);
  std::cerr << "zkgfx: " << Context << "reading stopped at character " << Read.StopPos + 1 << ": \""
            << Rest.substr(0, Shown) << (Rest.size() > Shown ? "..." : "") << "\" (the path keeps the "
            << Path.Count() << " entries before it)\n";
}

void ForEachInputPath(std::istream& In, const ParsedArguments& Parsed,
                      const std::function<void(const TZKPathData&)>& Visit) {
  std::string Line;
  std::size_t LineNumber = 0;
  while (std::getline(In, Line)) {
    TZKPathData Path; // a new path per line: nothing carries over, not even the start point
    ReadPath(Path, Line, Parsed, "line " + std::to_string(++LineNumber) + ": ");
    Visit(Path);
  }
}

} // namespace zk::zkgfx
