#!/usr/bin/env bash
# Proves the layering rule of the build: a subsystem that calls into a higher
# one fails to link, and one that declares a higher one as its dependency is
# refused when the build is configured. Usage: check.sh ROOT WORKDIR [cmake args]
set -u
root=$1 work=$2; shift 2
fail() { echo "FAIL: $*"; exit 1; }
build() { # mode [cmake args]
  local mode=$1; shift
  local dir="$work/$mode"
  rm -rf "$dir"
  cmake -S "$root/tests/layering/probe" -B "$dir" -DHALVIX_ROOT="$root" -DPROBE_MODE="$mode" "$@" >"$dir.log" 2>&1 &&
    cmake --build "$dir" >>"$dir.log" 2>&1
}
mkdir -p "$work"
build clean "$@" || { cat "$work/clean.log"; fail "the clean probe does not build"; }
echo "ok: a subsystem calling down links"

if build reverse "$@"; then fail "a call from the lower subsystem up into the higher one linked"; fi
grep -q "undefined reference to .*HighValue" "$work/reverse.log" ||
  { cat "$work/reverse.log"; fail "the reverse probe failed, but not for the call upward"; }
echo "ok: a call upward fails to link:"
grep -m1 "undefined reference to .*HighValue" "$work/reverse.log"

if build declared "$@"; then fail "a declared dependency on a higher layer was accepted"; fi
grep -q "may not depend on high" "$work/declared.log" ||
  { cat "$work/declared.log"; fail "the declared probe failed for another reason"; }
echo "ok: a dependency declared upward is refused"
