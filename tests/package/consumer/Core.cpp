// Parses and measures a path through the Core library's installed headers;
// exits 0 when the library answers as expected. Built with Qt hidden.
#include <cstdio>
#include <cstring>

#include "package/Version.h"
#include "path/PathData.h"

int main() {
  zk::TZKPathData Path;
  Path.SetPathString("M0,0 L3,0 L3,4 Z");
  const bool Ok = Path.Count() == 4 && Path.GetLength() == 12.0 &&
                  std::strcmp(zk::LibraryVersion(), "0.2.0") == 0;
  std::printf("Core %s: %s\n", zk::LibraryVersion(), Ok ? "ok" : "wrong");
  return Ok ? 0 : 1;
}
