#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own. The
# folders, bottom first; a file may include headers of its own folder and of
# the folders before it. components/ and helpers/ stand side by side; tests/,
# bench/, fuzz/ and examples/ stand above everything.
# Usage: scripts/check-layers.sh [root]   (default: the repository)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
layers=(runtime base geometry canvas path pathops drawing qt "components helpers" "tools package"
        "tests bench fuzz examples")
declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done
status=0
while IFS= read -r -d '' file; do
  top=${file%%/*}
  [[ -n ${rank[$top]+set} ]] || continue
  while IFS=: read -r line header; do
    target=${header%%/*}
    [[ -n ${rank[$target]+set} ]] || continue
    if ((rank[$target] > rank[$top])); then
      echo "$file:$line: includes \"$header\": $target/ stands above $top/" >&2
      status=1
    fi
  done < <(grep -n -o '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$file" |
           sed -E 's/^([0-9]+):.*"([^"]*)"/\1:\2/')
done < <(find . -path ./build -prune -o -path ./.git -prune -o \
              -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%P\0')
if ((status == 0)); then echo "layers: no upward include"; fi
exit $status
