#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the optimised
# build, then the AddressSanitizer + UndefinedBehaviorSanitizer build.
# Usage: scripts/test.sh [preset...]   (default: default asan)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
presets=("$@")
((${#presets[@]})) || presets=(default asan)
for preset in "${presets[@]}"; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
