#!/usr/bin/env bash
# Installs the built libraries into a scratch prefix, checks that the Core
# library needs no Qt library (ldd of the installed file, and its pkg-config
# file), that every pkg-config file resolves and the installed zkgfx runs,
# then configures, builds and runs one application per way of linking: the
# Core component alone (with Qt hidden from CMake), the Gui component, the
# umbrella target. Last the installed tree is moved elsewhere: its pkg-config
# files then name the new place, a program builds from them and runs, and the
# installed zkgfx still runs.
# Usage: install-and-consume.sh BUILD_DIR SCRATCH_DIR CONSUMER_SOURCE CONSUMER...
set -euo pipefail
build=$1 scratch=$2 source=$3
shift 3
rm -rf "$scratch"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
core=$(find "$scratch/prefix" -name 'libZKVclCommonCore.so' | head -n 1)
if [[ -z $core ]]; then
  echo "libZKVclCommonCore.so is not installed" >&2
  exit 1
fi
libdir=$(dirname "$core")
if ldd "$core" | grep -i 'libQt'; then
  echo "libZKVclCommonCore.so needs Qt (above)" >&2
  exit 1
fi
# The pkg-config files resolve, and Core's asks for no Qt either.
pc() { PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config "$@"; }
if pc --libs ZKVclCommonCore | grep -i 'qt'; then
  echo "ZKVclCommonCore.pc asks for Qt (above)" >&2
  exit 1
fi
pc --exists --print-errors ZKVclCommon
# The installed tool finds the installed libraries by itself.
if [[ -x "$scratch/prefix/bin/zkgfx" ]]; then
  out=$(env -u LD_LIBRARY_PATH "$scratch/prefix/bin/zkgfx" info 'M0,0 L3,4')
  [[ $out == *"length: 5"* ]] || { echo "installed zkgfx: $out" >&2; exit 1; }
fi
for consumer in "$@"; do
  hide=()
  [[ $consumer == Core ]] && hide=(-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON)
  cmake -S "$source" -B "$scratch/$consumer" -G Ninja -DCMAKE_PREFIX_PATH="$scratch/prefix" \
        -DZK_CONSUMER="$consumer" "${hide[@]}" -DCMAKE_CXX_FLAGS="${CONSUMER_FLAGS:-}" >/dev/null
  cmake --build "$scratch/$consumer" >/dev/null
  QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH="$libdir:${LD_LIBRARY_PATH:-}" "$scratch/$consumer/consumer"
done

# A moved (or packaged) tree: nothing in it names the old prefix.
mv "$scratch/prefix" "$scratch/moved"
moved_libdir=${libdir/#"$scratch/prefix"/"$scratch/moved"}
mpc() { PKG_CONFIG_PATH="$moved_libdir/pkgconfig" pkg-config "$@"; }
[[ $(mpc --variable=libdir ZKVclCommonCore) -ef $moved_libdir ]] ||
  { echo "moved ZKVclCommonCore.pc: libdir $(mpc --variable=libdir ZKVclCommonCore)" >&2; exit 1; }
# shellcheck disable=SC2046  # the flags are words
c++ -o "$scratch/moved-consumer" "$source/Core.cpp" $(mpc --cflags --libs ZKVclCommonCore)
LD_LIBRARY_PATH="$moved_libdir" "$scratch/moved-consumer"
if [[ -x "$scratch/moved/bin/zkgfx" ]]; then
  out=$(env -u LD_LIBRARY_PATH "$scratch/moved/bin/zkgfx" info 'M0,0 L3,4')
  [[ $out == *"length: 5"* ]] || { echo "moved zkgfx: $out" >&2; exit 1; }
fi
