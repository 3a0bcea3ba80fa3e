#pragma once
// Paths for the pathops tests, parsed from text in the compatible reading.
#include <memory>
#include <string>

#include "path/PathData.h"

namespace zk {

inline std::unique_ptr<TZKPathData> Parse(const std::string& Text) {
  auto P = std::make_unique<TZKPathData>();
  P->SetPathString(Text);
  return P;
}

} // namespace zk
