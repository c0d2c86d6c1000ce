#!/usr/bin/env bash
# A small product of three members of 10, 30 and 60 bytes, in one prefix:
#  - over existing files: the protected a.txt kept and still listed, d.txt
#    kept after the overwrite question was answered No; the progress bar at
#    10, 40 and 100 (from the trace);
#  - with b/c.txt damaged: the retry question, Yes then No; the abort path
#    (Back and Cancel enabled, Next not, no record, no code-7 hook);
#  - without IniKey: installed, no record, the hooks still hear code 7.
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
fresh_prefix install-faults
test_output install_faults
zippack=$HALVIX_BUILD/hosttools/bin/zippack

tree=$OUT/tree
mkdir -p "$tree/b"
printf '%010d' 1 >"$tree/a.txt"
printf '%030d' 2 >"$tree/b/c.txt"
printf '%060d' 3 >"$tree/d.txt"

small_dist() { # dir inikey [zippack options...]
  local dir=$1 key=$2; shift 2
  mkdir -p "$dir"
  "$zippack" -q "$@" "$dir/setup.fil" "$tree" || fail "zippack"
  cp "$SAMPLE/dist/setup.exe" "$SAMPLE"/dist/setup*.dll "$dir/"
  printf '%s\n' "AppName=Small" "AppVersion=1.0" "StartmenuName=Small" "NoFinalPopup=0" \
    "ProtectedFiles=a.txt" "AskOverwrite=d.txt;Your own notes (d.txt)" >"$dir/setup.cfg"
  [ -n "$key" ] && echo "IniKey=$key" >>"$dir/setup.cfg"
  hook "$dir"
}

# Over existing files.
DIST=$OUT/dist-protect
small_dist "$DIST" SmallP
mkdir -p "$WINEPREFIX/drive_c/Small"
echo "my a" >"$WINEPREFIX/drive_c/Small/a.txt"
echo "my d" >"$WINEPREFIX/drive_c/Small/d.txt"
drive faults-protect.robot
[ "$(cat "$WINEPREFIX/drive_c/Small/a.txt")" = "my a" ] || fail "the protected a.txt was overwritten"
[ "$(cat "$WINEPREFIX/drive_c/Small/d.txt")" = "my d" ] || fail "d.txt overwritten after No"
cmp -s "$tree/b/c.txt" "$WINEPREFIX/drive_c/Small/b/c.txt" || fail "b/c.txt"
[ "$(record_value UninstallFiles SmallP)" = "a.txt|b/c.txt|d.txt" ] || fail "UninstallFiles $(record_value UninstallFiles SmallP)"
[ "$(record_value UninstallProtect SmallP)" = "a.txt" ] || fail "UninstallProtect"
ok "protected file kept and listed; overwrite answered No kept the file, listed"
tr -d '\r' <"$DIST/logit.log" | sed -n 's/.*SETUP::CopyWorker progress \([0-9]*\) \(.*\)$/\1 \2/p' >"$OUT/progress.txt"
printf '10 a.txt\n40 b/c.txt\n100 d.txt\n' | diff -u - "$OUT/progress.txt" || fail "progress"
ok "progress 10, 40, 100 for members of 10, 30 and 60 bytes"

# A damaged member.
DIST=$OUT/dist-damaged
small_dist "$DIST" SmallD --damage crc:b/c.txt
drive faults-damaged.robot
[ "$(record_values SmallD)" = 0 ] || fail "the abandoned copy wrote to the record"
[ ! -e "$WINEPREFIX/drive_c/Damaged/d.txt" ] || fail "members after the damaged one were extracted"
hook_calls "$DIST" | grep 'code=7' >/dev/null && fail "code-7 hook after the abort"
ok "damaged member: retry Yes, then No; abort path with Back and Cancel, no record, no code 7"

# No IniKey.
DIST=$OUT/dist-nokey
small_dist "$DIST" ""
before=$(win reg query "$UNINSTALL_KEY" | tr -d '\r' | sort)
drive faults-nokey.robot
after=$(win reg query "$UNINSTALL_KEY" | tr -d '\r' | sort)
cmp -s "$tree/d.txt" "$WINEPREFIX/drive_c/NoKey/d.txt" || fail "not installed without IniKey"
[ "$before" = "$after" ] || fail "a record appeared without IniKey: $(diff <(echo "$before") <(echo "$after"))"
hook_calls "$DIST" | grep '^SetupHook code=7 path=C:\\NoKey$' >/dev/null || fail "no SetupHook 7"
hook_calls "$DIST" | grep '^NewSetupHook code=7 ' >/dev/null || fail "no NewSetupHook 7"
ok "without IniKey: installed, no record, code 7 all the same"
