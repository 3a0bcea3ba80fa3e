// Builds a path through the umbrella header and target; exits 0 when the
// library answers as expected.
#include <ZKVclCommon.h>

#include <cstdio>
#include <cstring>

int main() {
  zk::TZKPathData Path;
  Path.MoveTo({0, 0});
  Path.LineTo({10, 0});
  Path.ClosePath();
  const bool Ok = Path.Count() == 3 && zk::CanvasRound(2.5) == 2 &&
                  std::strcmp(zk::LibraryVersion(), "0.2.0") == 0;
  std::printf("%s %s: %s\n", zk::PackageDescription, zk::LibraryVersion(), Ok ? "ok" : "wrong");
  return Ok ? 0 : 1;
}
