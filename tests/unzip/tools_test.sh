#!/usr/bin/env bash
# zippack and zipengine from their command lines, as a product maker uses
# them: every method packs a folder that the engine tests and extracts back
# to the same files; damage gives the engine's statuses as exit codes. In
# the product build both tools run under Wine.
set -u
B=${HALVIX_BUILD:?run from ctest}
if [ -n "${HALVIX_MACHINE:-}" ]; then
  . "$HALVIX_SOURCE/tests/wine/lib.sh"
  base_prefix
  tool() { local p=$1; shift; win "$B/bin/$p.exe" "$@"; }
else
  fail() { echo "FAIL: $*"; exit 1; }
  ok() { echo "ok: $*"; }
  tool() { local p=$1; shift; "$B/bin/$p" "$@"; }
fi

work=$(mktemp -d "$B/zip-tools.XXXXXX")
cleanup() { rm -rf "$work"; }
trap cleanup EXIT

mkdir -p "$work/src/sub/deeper" "$work/src/empty"
seq 1 20000 > "$work/src/numbers.txt"
head -c 70000 /dev/urandom > "$work/src/sub/random.bin"
: > "$work/src/sub/deeper/zero.dat"
printf 'setup %.0s' $(seq 1 3000) > "$work/src/sub/deeper/repeat.txt"

for m in auto store deflate shrink reduce1 reduce2 reduce3 reduce4 implode implode8k implodelit implode8klit; do
  tool zippack -q -m "$m" "$work/$m.zip" "$work/src" || fail "zippack -m $m"
  tool zipengine -t -qq "$work/$m.zip" || fail "zipengine -t on $m (status $?)"
  tool zipengine -qq "$work/$m.zip" -d "$work/out-$m" || fail "zipengine extraction of $m (status $?)"
  diff -r "$work/src" "$work/out-$m" >/dev/null || fail "extracted $m differs from the source"
done
ok "every method packs and extracts back to the same files"

tool zipengine -v "$work/auto.zip" > "$work/listing.txt" || fail "listing"
grep -q 'sub/random.bin' "$work/listing.txt" || fail "listing lacks a member"
grep -q '5 files' "$work/listing.txt" || fail "listing totals"
ok "listing"

expect_status() { # status words...
  local want=$1; shift
  tool zipengine "$@" >/dev/null 2>&1
  local got=$?
  [ "$got" -eq "$want" ] || fail "zipengine $* gave $got, not $want"
}
tool zippack -q --damage crc:numbers.txt "$work/crc.zip" "$work/src" || fail "zippack crc"
expect_status 2 -t -qq "$work/crc.zip"
tool zippack -q --stub 1000 "$work/stub.zip" "$work/src" || fail "zippack stub"
expect_status 1 -qq "$work/stub.zip" -d "$work/out-stub"
tool zippack -q --damage encrypt:numbers.txt "$work/enc.zip" "$work/src" || fail "zippack encrypt"
expect_status 1 -qq "$work/enc.zip" numbers.txt -d "$work/out-enc"
tool zippack -q --damage disk2 "$work/disk.zip" "$work/src" || fail "zippack disk2"
expect_status 11 -v "$work/disk.zip"
expect_status 9 -v "$work/nothing-here.zip"
ok "damaged archives give their statuses"
