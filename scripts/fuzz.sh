#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for the given number of seconds
# (default 60). Findings are written to build/fuzz/findings/<target>/.
# Usage: scripts/fuzz.sh [seconds] [target...]
#   (targets: PathTextFuzz FormReaderFuzz PathGeometryFuzz TextLayoutFuzz HelpersFuzz ContourMeasureFuzz
#    StrokeFuzz PathBooleanFuzz)
# Every target runs with -rss_limit_mb=2048: an allocation that grows with
# the numbers in its input rather than with the input is a finding.
set -euo pipefail
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(PathTextFuzz FormReaderFuzz PathGeometryFuzz TextLayoutFuzz HelpersFuzz ContourMeasureFuzz StrokeFuzz
                               PathBooleanFuzz)
cd "$(dirname "$0")/.."
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
for target in "${targets[@]}"; do
  name=${target%Fuzz}
  work=build/fuzz/corpus/$name findings=build/fuzz/findings/$name
  mkdir -p "$work" "$findings"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "== fuzzing $target for ${seconds}s =="
  # New inputs go to the working corpus; the checked-in seeds stay as they are.
  "build/fuzz/fuzz/$target" -max_len=4096 -rss_limit_mb=2048 -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "${seeds[@]}"
done
