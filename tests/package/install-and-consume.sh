#!/usr/bin/env bash
# Installs the built library into a scratch prefix, then configures, builds and
# runs an application that finds it with find_package(ZKVclCommon).
# Usage: install-and-consume.sh BUILD_DIR SCRATCH_DIR CONSUMER_SOURCE
set -euo pipefail
build=$1 scratch=$2 consumer=$3
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cmake -S "$consumer" -B "$scratch/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$scratch/prefix" \
      -DCMAKE_CXX_FLAGS="${CONSUMER_FLAGS:-}" >/dev/null
cmake --build "$scratch/consumer" >/dev/null
LD_LIBRARY_PATH="$scratch/prefix/lib:${LD_LIBRARY_PATH:-}" "$scratch/consumer/consumer"
