#!/bin/sh
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes the path text for the given number of
# seconds (default 60). Findings are written to build/fuzz/findings/.
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=build/fuzz/corpus/PathText
mkdir -p "$work" build/fuzz/findings
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1
# New inputs go to the working corpus; the checked-in seeds stay as they are.
build/fuzz/fuzz/PathTextFuzz -max_len=4096 -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build/fuzz/findings/ "$work" fuzz/corpus/PathText
