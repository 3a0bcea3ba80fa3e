#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# Another installation that holds the package manager's lock (automatic
# updates right after a boot, say) is waited for, up to ZK_APT_LOCK_WAIT
# seconds (300 unless set, looking again every ZK_APT_LOCK_POLL seconds, 5),
# before this one goes on.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev libgl-dev clang libclang-rt-dev libcairo2-dev
          libpolyclipping-dev doxygen graphviz dpkg-dev file lintian)
lock_wait=${ZK_APT_LOCK_WAIT:-300}

# Runs apt-get with the arguments; while it fails because another process
# holds a lock, says so once and tries again every few seconds until
# lock_wait seconds have passed. apt-get's own DPkg::Lock::Timeout covers the
# installation's lock but not the package lists' lock that update takes.
apt_waiting() {
  local deadline=$((SECONDS + lock_wait)) err said=""
  err=$(mktemp)
  while :; do
    if "$@" -o DPkg::Lock::Timeout="$lock_wait" 2>"$err"; then
      cat "$err" >&2
      rm -f "$err"
      return 0
    fi
    if grep -qE 'Could not get lock|Unable to acquire the dpkg frontend lock|Unable to lock directory' "$err" &&
       ((SECONDS < deadline)); then
      [ -n "$said" ] || echo "Waiting for another package installation to finish ..." >&2
      said=1
      sleep "${ZK_APT_LOCK_POLL:-5}"
      continue
    fi
    cat "$err" >&2
    rm -f "$err"
    return 1
  done
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  apt_waiting "${sudo_cmd[@]}" apt-get update -qq
  apt_waiting "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends "${missing[@]}"
fi
