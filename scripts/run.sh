#!/usr/bin/env bash
# Installs what is missing, builds the library and runs its main job on an
# embedded example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target zk_path_example
build/default/examples/zk_path_example "$@"
