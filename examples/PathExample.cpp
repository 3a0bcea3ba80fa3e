#include <iostream>

#include "package/ZKVclCommon.h"

int main() {
  std::cout << zk::PackageDescription << " " << zk::LibraryVersion() << "\n";
  return 0;
}
