// Any bytes as a form file read into a path, a transform and a rectangle:
// reading either succeeds or raises EReadError, never anything else and
// never a sanitizer finding; what was read writes and reads back to the
// same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "geometry/PersistentRects.h"
#include "geometry/PositionTransform.h"
#include "path/PathData.h"
#include "runtime/Exceptions.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"

namespace {

template <class T>
void ReadWriteRead(std::string_view Text) {
  T Object;
  try {
    zk::ObjectFromText(Text, Object);
  } catch (const zk::EReadError&) {
    return;
  }
  std::string Written;
  try {
    Written = zk::ObjectToText(Object, "X");
  } catch (const zk::EWriteError&) {
    return; // a path holding unknown kinds still writes; only odd enum values refuse
  }
  T Again;
  zk::ObjectFromText(Written, Again);
  if (zk::ObjectToText(Again, "X") != Written) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  ReadWriteRead<zk::TZKPathData>(Text);
  ReadWriteRead<zk::TZKTransform>(Text);
  ReadWriteRead<zk::TObjectSize>(Text);
  return 0;
}
