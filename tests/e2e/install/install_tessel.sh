#!/usr/bin/env bash
# The built-in hook of the product TESSEL (AppName "tessel", no hook
# library): an earlier installation's home in HKCU Software\Korvex\TESSEL4;
# leaving the destination page asks whether to carry its OPTIONS, SCRIPT and
# PHONEBK over. Yes: copied at the end of the copy, existing files
# overwritten; No: nothing copied. GlobalSCBs of the REXX options is 0 after
# both. A destination that holds tessel.exe asks nothing; a hook library
# with NewSetupHook replaces the built-in hook.
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
fresh_prefix install-tessel
test_output install_tessel
old="$WINEPREFIX/drive_c/OldTessel"
mkdir -p "$old/OPTIONS/colours" "$old/SCRIPT"
echo "fast=1" >"$old/OPTIONS/modem.opt"
echo "blue" >"$old/OPTIONS/colours/scheme.opt"
echo "say hello" >"$old/SCRIPT/login.rex"
echo "Office;555-0100" >"$old/PHONEBK"
win reg add 'HKCU\Software\Korvex\TESSEL4' /v HomePath /t REG_SZ /d 'C:\OldTessel' /f >/dev/null
rexx='HKCU\Software\Enterprise Alternatives\REXX\ExecOptions'
win reg add "$rexx" /v GlobalSCBs /t REG_DWORD /d 1 /f >/dev/null
scbs() { win reg query "$rexx" /v GlobalSCBs 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_DWORD *//p'; }

DIST=$OUT/dist
dist "$DIST"
cfg_del "$DIST" WelcomeWarning
cfg_del "$DIST" Advertise
cfg_set "$DIST" AppName tessel
cfg_set "$DIST" IniKey Tessel5

new="$WINEPREFIX/drive_c/Tessel5"
mkdir -p "$new/OPTIONS"
echo "fast=0" >"$new/OPTIONS/modem.opt"
drive tessel.robot -D 'DEST=C:\Tessel5' -D ANSWER=yes
for f in OPTIONS/modem.opt OPTIONS/colours/scheme.opt SCRIPT/login.rex PHONEBK; do
  cmp -s "$old/$f" "$new/$f" || fail "Yes: $f not carried over"
done
[ "$(scbs)" = 0x0 ] || fail "GlobalSCBs $(scbs) after Yes"
ok "Yes: OPTIONS and SCRIPT trees and PHONEBK carried over, existing files overwritten; GlobalSCBs 0"

win reg add "$rexx" /v GlobalSCBs /t REG_DWORD /d 1 /f >/dev/null
cfg_set "$DIST" IniKey Tessel6
drive tessel.robot -D 'DEST=C:\Tessel6' -D ANSWER=no
[ ! -e "$WINEPREFIX/drive_c/Tessel6/OPTIONS" ] && [ ! -e "$WINEPREFIX/drive_c/Tessel6/PHONEBK" ] ||
  fail "No: something was carried over"
[ "$(scbs)" = 0x0 ] || fail "GlobalSCBs $(scbs) after No"
ok "No: nothing carried over; GlobalSCBs 0"

mkdir -p "$WINEPREFIX/drive_c/Tessel7"
echo "the program" >"$WINEPREFIX/drive_c/Tessel7/tessel.exe"
cfg_set "$DIST" IniKey Tessel7
drive tessel-present.robot -D 'DEST=C:\Tessel7'
[ ! -e "$WINEPREFIX/drive_c/Tessel7/PHONEBK" ] || fail "carried over into an installation"
ok "a destination that holds tessel.exe: no question, nothing carried over"

# A hook library that exports NewSetupHook wins over the built-in hook: no
# question, and the library hears the calls.
cfg_set "$DIST" IniKey Tessel8
hook "$DIST"
drive tessel-present.robot -D 'DEST=C:\Tessel8'
[ ! -e "$WINEPREFIX/drive_c/Tessel8/PHONEBK" ] || fail "the built-in hook ran beside the library"
hook_calls "$DIST" | grep '^NewSetupHook code=5 value=3 ' >/dev/null || fail "the library did not hear the destination page"
ok "a hook library with NewSetupHook wins over the built-in hook"
