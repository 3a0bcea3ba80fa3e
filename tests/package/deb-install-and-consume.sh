#!/usr/bin/env bash
# The Debian packages as a user meets them: makes them with CPack from the
# build, checks them with lintian (no error), installs them with
# `apt-get install ./*.deb` on this machine, builds and runs the install
# test's consumers against the installed packages (by find_package and by
# pkg-config, with no search path given), draws the default path with the
# installed zkgfx, and removes the packages again, also when a step fails.
# Packages of ours already installed are removed first, so the test can run
# again after an interrupted run. Needs root and apt; exits 77 (skipped)
# without them.
# Usage: deb-install-and-consume.sh BUILD_DIR SCRATCH_DIR CONSUMER_SOURCE
set -euo pipefail
build=$1 scratch=$2 source=$3
names=(libzkvclcommoncore0 libzkvclcommongui0 libzkvclcommonwidgets0 libzkvclcommon-dev zkgfx)
if [[ $(id -u) -ne 0 ]] || ! command -v apt-get >/dev/null || ! command -v cpack >/dev/null; then
  echo "SKIPPED: installs packages with apt-get as root (run as root on a Debian machine)"
  exit 77
fi
apt=(apt-get -y -qq -o DPkg::Lock::Timeout=120 --no-install-recommends)
export DEBIAN_FRONTEND=noninteractive
remove() {
  local installed=()
  for n in "${names[@]}"; do
    dpkg-query -W -f='${Status}' "$n" 2>/dev/null | grep -q "install ok installed" && installed+=("$n")
  done
  if ((${#installed[@]})); then
    "${apt[@]}" purge "${installed[@]}" >/dev/null
  fi
}
remove
trap remove EXIT

rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd) source=$(cd "$source" && pwd)
(cd "$build" && cpack -G DEB -B "$scratch/packages" >"$scratch/cpack.txt" 2>&1) || {
  cat "$scratch/cpack.txt" >&2
  exit 1
}
cd "$scratch/packages"
rm -rf _CPack_Packages
echo "packages:"
for deb in *.deb; do
  printf '  %-42s %7d bytes  %s\n' "$deb" "$(stat -c %s "$deb")" "$(dpkg-deb -f "$deb" Depends)"
done
[[ $(ls *.deb | wc -l) -eq ${#names[@]} ]] || { echo "expected ${#names[@]} packages" >&2; exit 1; }
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 *.deb >"$scratch/lintian.txt" 2>&1 || true
  grep -v '^running with root' "$scratch/lintian.txt" | sed 's/^/  lintian: /' || true
  if grep -q '^E:' "$scratch/lintian.txt"; then
    echo "lintian reports errors (above)" >&2
    exit 1
  fi
  echo "lintian: no error ($(grep -c '^W:' "$scratch/lintian.txt" || true) warnings)"
else
  echo "lintian is not installed: not checked"
fi

"${apt[@]}" install ./*.deb >/dev/null 2>&1
for n in "${names[@]}"; do
  dpkg-query -W -f='  installed ${Package} ${Version}\n' "$n"
done

# find_package finds the installed CMake package without a prefix path.
for consumer in Core Gui ZKVclCommon; do
  hide=()
  [[ $consumer == Core ]] && hide=(-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON)
  cmake -S "$source" -B "$scratch/$consumer" -G Ninja --no-warn-unused-cli -DZK_CONSUMER="$consumer" "${hide[@]}" \
        -DCMAKE_CXX_COMPILER_LAUNCHER= >/dev/null
  cmake --build "$scratch/$consumer" >/dev/null
  printf '  find_package %-12s ' "$consumer:"
  env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$scratch/$consumer/consumer"
done
# pkg-config finds the installed files in the system's search path.
for pair in ZKVclCommonCore:Core ZKVclCommonGui:Gui ZKVclCommon:Umbrella; do
  module=${pair%%:*} file=${pair##*:}
  # shellcheck disable=SC2046
  c++ -o "$scratch/pc-$file" "$source/$file.cpp" $(pkg-config --cflags --libs "$module")
  printf '  pkg-config %-16s ' "$module:"
  env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$scratch/pc-$file"
done
# The packaged tool draws the default path.
/usr/bin/zkgfx render --size 256x256 'M12,21 L3.5,12.5 A5,5 0 0 1 12,5.5 a5,5 0 0 1 8.5,7 Z' \
  "$scratch/heart.png" | sed 's/^/  zkgfx: /'
file "$scratch/heart.png" | grep -q 'PNG image data, 256 x 256' || { echo "zkgfx drew no PNG" >&2; exit 1; }

remove
trap - EXIT
for n in "${names[@]}"; do
  if dpkg-query -W -f='${Status}' "$n" 2>/dev/null | grep -q "install ok installed"; then
    echo "$n is still installed" >&2
    exit 1
  fi
done
[[ ! -e /usr/lib/libZKVclCommonCore.so.0 ]] || { echo "a library file stayed behind" >&2; exit 1; }
echo "removed: ${names[*]}"
