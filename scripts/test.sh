#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the optimised
# build, the AddressSanitizer + UndefinedBehaviorSanitizer build, and the Core
# library alone with Qt hidden (it shares the optimised build's compiler cache).
# Usage: scripts/test.sh [preset...]   (default: default asan core)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
presets=("$@")
((${#presets[@]})) || presets=(default asan core)
for preset in "${presets[@]}"; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
