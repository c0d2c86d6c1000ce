#!/usr/bin/env bash
# A clone of the pristine prefix is a machine of its own: what a program
# writes into the clone's registry and drive C: reaches neither the base nor
# another clone, and ending the clone leaves the base running.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"

fresh_prefix clone-test
win reg add 'HKCU\Software\HalvixCloneTest' /v probe /d clone /f >/dev/null
win cmd /c 'echo clone> C:\clone-probe.txt'
win reg query 'HKCU\Software\HalvixCloneTest' /v probe | grep -q clone ||
  fail "the clone does not keep its own registry value"
[ -f "$WINEPREFIX/drive_c/clone-probe.txt" ] || fail "the clone's C: lacks the file"
ok "the clone keeps what was written into it"
clone=$WINEPREFIX

( base_prefix
  if win reg query 'HKCU\Software\HalvixCloneTest' /v probe >/dev/null 2>&1; then
    fail "the value written in the clone shows in the base prefix"
  fi
  [ ! -f "$WINEPREFIX/drive_c/clone-probe.txt" ] || fail "the file reached the base" )
ok "the base prefix is untouched"

other="$HALVIX_WINE_STATE/clones/clone-test-other-$$"
"$HALVIX_MACHINE" clone "$HALVIX_WINE_STATE" "$other"
[ ! -f "$other/drive_c/clone-probe.txt" ] || fail "a second clone sees the first one's file"
grep -q HalvixCloneTest "$other/user.reg" && fail "a second clone sees the first one's registry"
rm -rf "$other"
ok "a second clone starts pristine"

"$HALVIX_MACHINE" end "$clone"
( base_prefix; win cmd /c exit 0 ) || fail "the base does not run after the clone ended"
ok "ending the clone leaves the base running"
