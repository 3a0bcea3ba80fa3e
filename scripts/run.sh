#!/usr/bin/env bash
# Installs what is missing, builds the library and its zkgfx tool, and runs the
# library's main job on an embedded default path (or on the path data given as
# the first argument): describes it, writes it back in normal form, and draws
# it into build/zkgfx-example.png. The build's own output goes to
# build/run-build.log and is shown only when the build fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
echo "building:   zkgfx (log: build/run-build.log)"
mkdir -p build
if ! { cmake --preset default && cmake --build --preset default --target zkgfx; } >build/run-build.log 2>&1; then
  cat build/run-build.log >&2
  exit 1
fi
zkgfx=build/default/tools/zkgfx
# A heart: two arcs and two lines, relative and absolute commands mixed.
path=${1:-"M12,21 L3.5,12.5 A5,5 0 0 1 12,5.5 a5,5 0 0 1 8.5,7 Z"}
echo "path:       $path"
echo "normalized: $(printf '%s\n' "$path" | "$zkgfx" normalize)"
echo "shortest:   $(printf '%s\n' "$path" | "$zkgfx" normalize --shortest)"
"$zkgfx" info "$path"
"$zkgfx" render --size 256x256 "$path" build/zkgfx-example.png
echo "drawn:      build/zkgfx-example.png"
