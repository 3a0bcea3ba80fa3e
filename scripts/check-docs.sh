#!/usr/bin/env bash
# The documentation check: runs Doxygen on the installed headers as the docs
# target does (without graphs) and fails on any warning: a broken reference,
# an unknown command, a malformed table, or a public declaration without a
# `///` comment. Headers that predate the check may keep the undocumented
# declarations docs/reference/undocumented.txt counts for them, no more; every
# other header must be documented in full. `--update` rewrites that list after
# comments were added (it only ever shrinks by hand-written documentation).
# Exits 77 (a skipped test) when Doxygen is not installed.
# Usage: check-docs.sh BUILD_DIR [--update]
set -euo pipefail
build=${1:?usage: check-docs.sh BUILD_DIR [--update]}
update=${2:-}
src=$(cd "$(dirname "$0")/.." && pwd)
baseline=$src/docs/reference/undocumented.txt
if ! command -v doxygen >/dev/null; then
  echo "SKIPPED: doxygen is not installed (Debian: apt install doxygen graphviz)"
  exit 77
fi
doxyfile=$build/docs/Doxyfile
if [[ ! -f $doxyfile ]]; then
  echo "$doxyfile is missing: configure $build with Doxygen installed" >&2
  exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
{
  cat "$doxyfile"
  echo "OUTPUT_DIRECTORY = $out"
  echo "WARN_LOGFILE = $out/warnings.log"
  echo "HAVE_DOT = NO"
  echo "SOURCE_BROWSER = NO"
  echo "SEARCHENGINE = NO"
} | (cd "$src" && doxygen - >/dev/null)
# One line per warning, paths from the source root, each once.
sed "s|^$src/||" "$out/warnings.log" | grep . | sort -u >"$out/all" || true
grep -v ' is not documented\.$' "$out/all" >"$out/other" || true
grep ' is not documented\.$' "$out/all" >"$out/undocumented" || true
cut -d: -f1 "$out/undocumented" | sort | uniq -c | awk '{ print $2, $1 }' >"$out/counts"
if [[ $update == --update ]]; then
  {
    echo "# Undocumented public declarations per header, from before the documentation"
    echo "# check; scripts/check-docs.sh fails when a header has more. Shrink only."
    cat "$out/counts"
  } >"$baseline"
  echo "$baseline: $(wc -l <"$out/counts") headers, $(wc -l <"$out/undocumented") declarations"
fi
failed=0
if [[ -s $out/other ]]; then
  echo "Doxygen warnings (each must be fixed):"
  cat "$out/other"
  failed=1
fi
while read -r file count; do
  allowed=$(awk -v f="$file" '$1 == f { print $2 }' "$baseline")
  if ((count > ${allowed:-0})); then
    echo "$file: $count undocumented public declarations (allowed: ${allowed:-0}):"
    grep "^$file:" "$out/undocumented"
    failed=1
  fi
done <"$out/counts"
total=$(wc -l <"$out/undocumented")
if ((failed)); then
  echo "FAILED: document every public declaration with a /// comment (what it promises)"
  exit 1
fi
echo "documentation check passed: no Doxygen warning beyond the $total undocumented declarations listed in docs/reference/undocumented.txt"
