#!/bin/sh
# Doxygen's input filter for the headers: puts every declaration of a header
# into the group of its folder (path/PathData.h into `path`) and the header
# itself too, and makes the `///` paragraph after `#pragma once` the file's
# own description. Grouping is opened inside each `namespace zk {` block,
# since Doxygen does not carry a group into a namespace. Line numbers are
# kept, so warnings point at the header as written.
# Usage: filter.sh FILE
case $1 in
  *.h) ;;
  *) exec cat "$1" ;;
esac
group=$(basename "$(dirname "$1")")
awk -v group="$group" '
  NR == 1 && /^#pragma once/ { print "/// \\file"; next }
  /^namespace zk(::[A-Za-z]+)? \{/ { print $0 " /** \\addtogroup " group " */ /** @{ */"; next }
  /^\} \/\/ namespace zk(::[A-Za-z]+)?$/ { print "/** @} */ " $0; next }
  { print }
  END { print "/** \\file"; print " \\ingroup " group " */" }
' "$1"
