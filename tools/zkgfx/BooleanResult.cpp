#include <stdexcept>
#include <string>

#include "path/PathData.h"
#include "tools/zkgfx/Command.h"

namespace zk::zkgfx {

std::string BooleanResultText(const std::function<std::unique_ptr<TZKPathData>()>& Make,
                              std::string_view Context) {
  try {
    return Make()->GetPathString();
  } catch (const std::exception& E) {
    throw std::runtime_error(std::string(Context) + E.what());
  }
}

} // namespace zk::zkgfx
