#!/bin/sh
# Doxygen's input filter for the headers: puts every declaration of a header
# into the group of its folder (path/PathData.h into `path`), and makes the
# `///` paragraph after `#pragma once` the file's own description. Line
# numbers are kept, so warnings point at the header as written.
# Usage: filter.sh FILE
case $1 in
  *.h) ;;
  *) exec cat "$1" ;;
esac
group=$(basename "$(dirname "$1")")
awk -v group="$group" '
  NR == 1 && /^#pragma once/ { print "/** \\addtogroup " group " */ /** @{ */ /// \\file"; next }
  { print }
  END { print "/** @} */" }
' "$1"
