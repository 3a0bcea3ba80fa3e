#!/usr/bin/env bash
# scripts/install-deps.sh against stand-ins for dpkg-query, sudo and apt-get:
# while another installation holds the lock it waits and then installs; a
# lock held past the wait, or any other failure, fails the script.
# Usage: install-deps-waits-for-lock.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
src=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch/bin"
cat >"$scratch/bin/dpkg-query" <<'STUB'
#!/bin/sh
exit 1
STUB
cat >"$scratch/bin/sudo" <<'STUB'
#!/bin/sh
exec "$@"
STUB
# Fails with apt's lock message while the counter file holds more than 0.
cat >"$scratch/bin/apt-get" <<'STUB'
#!/bin/sh
n=$(cat "$ZK_TEST_LOCKS")
if [ "$n" -gt 0 ]; then
  echo $((n - 1)) >"$ZK_TEST_LOCKS"
  echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" >&2
  exit 100
fi
echo "apt-get $*" >>"$ZK_TEST_LOG"
[ -z "${ZK_TEST_FAIL:-}" ] || { echo "E: Unable to locate package nothing" >&2; exit 100; }
STUB
chmod +x "$scratch"/bin/*
export PATH="$scratch/bin:$PATH" ZK_TEST_LOCKS="$scratch/locks" ZK_TEST_LOG="$scratch/log" ZK_APT_LOCK_POLL=0.1
fail() { echo "FAIL: $*" >&2; exit 1; }

echo 3 >"$ZK_TEST_LOCKS"
ZK_APT_LOCK_WAIT=30 "$src/scripts/install-deps.sh" >"$scratch/out" 2>"$scratch/err" || fail "did not wait: $(cat "$scratch/err")"
grep -q "^apt-get update" "$scratch/log" || fail "no update"
grep -q "^apt-get install .*qt6-base-dev" "$scratch/log" || fail "no install"
[ "$(grep -c "Waiting for another package installation" "$scratch/err")" = 1 ] || fail "the wait is not said once"

echo 1000 >"$ZK_TEST_LOCKS"
: >"$ZK_TEST_LOG"
if ZK_APT_LOCK_WAIT=1 "$src/scripts/install-deps.sh" >/dev/null 2>"$scratch/err"; then fail "a lock held for good passed"; fi
grep -q "Could not get lock" "$scratch/err" || fail "apt's message is not shown"
[ ! -s "$ZK_TEST_LOG" ] || fail "ran apt-get past the lock"

echo 0 >"$ZK_TEST_LOCKS"
if ZK_TEST_FAIL=1 "$src/scripts/install-deps.sh" >/dev/null 2>"$scratch/err"; then fail "a failed install passed"; fi
grep -q "Unable to locate package" "$scratch/err" || fail "apt's error is not shown"
! grep -q "Waiting" "$scratch/err" || fail "waited on a failure that is no lock"
echo "install-deps.sh waits for the lock"
