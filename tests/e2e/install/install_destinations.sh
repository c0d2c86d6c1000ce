#!/usr/bin/env bash
# Destinations: typed with a trailing backslash (which goes; at most 64
# characters are taken) with NoCopyComplete 1 moving on by itself and radio
# 223 with a desktop icon; then a drive root, which becomes "Q:", on a
# system without an all-users Start menu (radio 222 disabled).
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
fresh_prefix install-destinations
test_output install_destinations
user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -1)
programs="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"

DIST=$OUT/dist-a
dist "$DIST"
cfg_del "$DIST" WelcomeWarning
cfg_set "$DIST" IniKey QuillpadA
cfg_set "$DIST" NoCopyComplete 1
drive destinations-trailing.robot
ok "NoCopyComplete 1: the shortcuts page came without a click"
[ "$(record_value UninstallPath QuillpadA)" = 'C:\Quill' ] || fail "UninstallPath $(record_value UninstallPath QuillpadA)"
cmp -s "$SAMPLE/setup-tree/quillpad.exe" "$WINEPREFIX/drive_c/Quill/quillpad.exe" || fail "not installed in C:\\Quill"
ok "a trailing backslash goes: C:\\Quill"
record QuillpadA | grep UninstallStartmenu >/dev/null && fail "radio 223 recorded a program group"
[ ! -e "$programs/Quillpad 2.1" ] || fail "radio 223 made the program group folder"
[ "$(record_value UninstallDesktopFiles QuillpadA)" = Quillpad ] || fail "desktop icon not recorded"
lnkinfo "$WINEPREFIX/drive_c/users/$user/Desktop/Quillpad.LNK" | grep 'Local path.*: C:\\Quill\\quillpad.exe' >/dev/null ||
  fail "desktop link"
shown_windows | grep "^ExplorerWClass" >/dev/null && fail "a shell window opened for the missing group"
ok "radio 223: no program group (nothing opened, no message), the desktop icon made and recorded"

DIST=$OUT/dist-b
dist "$DIST"
cfg_del "$DIST" WelcomeWarning
cfg_set "$DIST" IniKey QuillpadB
mkdir -p "$OUT/qdrive"
ln -sfn "$OUT/qdrive" "$WINEPREFIX/dosdevices/q:"
win reg delete 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v "Common Programs" /f >/dev/null ||
  fail "could not remove the all-users Start menu"
drive destinations-root.robot
[ "$(record_value UninstallPath QuillpadB)" = 'Q:' ] || fail "UninstallPath $(record_value UninstallPath QuillpadB)"
[ "$(record_value UninstallString QuillpadB)" = '"Q:\Setup.exe" -remove "QuillpadB"' ] || fail "UninstallString"
cmp -s "$SAMPLE/setup-tree/help/index.htm" "$OUT/qdrive/help/index.htm" || fail "not installed in the root of Q:"
ok "a drive root: Q:, the files in its root; no all-users Start menu: 222 disabled"
