// The persistent classes of the geometry folder register with the class
// registry when the library loads, each after its ancestor.
#include "runtime/ClassRegistry.h"

namespace zk {
namespace {

const bool Registered = [] {
  RegisterClass("TZKCustomRect", "TPersistent");
  RegisterClass("TZKObjectRect", "TZKCustomRect");
  RegisterClass("TObjectSize", "TZKCustomRect");
  RegisterClass("TZKCustomZKRect", "TPersistent");
  RegisterClass("TZKObjectZKRect", "TZKCustomZKRect");
  RegisterClass("TZKPosition", "TPersistent");
  RegisterClass("TZKTransform", "TPersistent");
  return true;
}();

} // namespace
} // namespace zk
