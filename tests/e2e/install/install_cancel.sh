#!/usr/bin/env bash
# A cancelled wizard: the licence box unticked keeps Next disabled; the
# cancel question answered Yes stays, No ends the wizard. Then
# DeleteAfterExtract still runs, the hooks hear code 1 with 0 (and no
# SetupHook 1), no final message is shown and no program group is opened.
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
fresh_prefix install-cancel
test_output install_cancel
DIST=$OUT/dist
dist "$DIST"
cfg_del "$DIST" WelcomeWarning
hook "$DIST"
dest="$WINEPREFIX/drive_c/Program Files/Korvex/Quillpad"
mkdir -p "$dest"
echo "left from an earlier try" >"$dest/setupinfo.tmp"
echo "not to be touched" >"$dest/notes.txt"
drive cancel.robot
ok "no final message: setup.exe ended after the cancel question"

[ ! -e "$dest/setupinfo.tmp" ] || fail "DeleteAfterExtract did not run"
[ -e "$dest/notes.txt" ] || fail "another file was deleted"
ok "DeleteAfterExtract ran after the cancelled wizard"
hook_calls "$DIST" >"$OUT/hookcalls.txt"
tail -3 "$OUT/hookcalls.txt" | diff -u - <(printf '%s\n' \
  "NewSetupHook code=5 value=3 frame=F1 page=PAGE pagefunc=f3 data=0" \
  "NewSetupHook code=1 value=0 frame=0 page=0 pagefunc=0 data=0" detach) || fail "hook calls at the end"
grep -q '^SetupHook code=1' "$OUT/hookcalls.txt" && fail "SetupHook 1 after a cancelled wizard"
ok "hooks: NewSetupHook 1 with 0, no SetupHook 1"
[ "$(record_values)" = 0 ] || fail "values were written to the record"
shown_windows >"$OUT/windows.txt"
grep -q '^ExplorerWClass' "$OUT/windows.txt" && fail "a shell window was opened"
ok "no record, nothing opened"
