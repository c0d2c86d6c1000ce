#!/usr/bin/env bash
# A new installation of the sample product, robot-driven through every page
# with the recording hook library, the licence printed on the test printer.
# Checks: the installed files byte for byte with their times and attributes,
# the uninstall record as "wine reg query" shows it, the shortcuts as lnkinfo
# reads them and the .URL file's text, the hook calls in order, the printed
# agreement, DeleteAfterExtract, and the program group opened at the end.
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
fresh_prefix install-new
test_output install_new
DIST=$OUT/dist
dist "$DIST"
hook "$DIST"
add_printer "$OUT/printed.ps"
drive new.robot

dest="$WINEPREFIX/drive_c/Program Files/Korvex/Quillpad"
[ -d "$dest" ] || fail "no destination folder"

# Files: every member of both archives byte for byte, with the time of its
# source; CopyToDest's files; the file of DeleteAfterExtract is gone.
bad=0
for tree in setup-tree custom-tree; do
  while IFS= read -r -d '' f; do
    rel=${f#"$SAMPLE/$tree/"}
    if [ "$rel" = setupinfo.tmp ]; then continue; fi
    if [ -d "$f" ]; then [ -d "$dest/$rel" ] || { echo "missing folder $rel"; bad=1; }; continue; fi
    cmp -s "$f" "$dest/$rel" || { echo "differs: $rel"; bad=1; continue; }
    [ "$(stat -c %Y "$f")" = "$(stat -c %Y "$dest/$rel")" ] || { echo "time of $rel: $(stat -c %y "$dest/$rel")"; bad=1; }
  done < <(find "$SAMPLE/$tree" -mindepth 1 -print0)
done
[ $bad -eq 0 ] || fail "installed files"
ok "every member installed byte for byte with its time"
# (Mode bits, not -w: the tests may run as root.)
[ "$(stat -c %A "$SAMPLE/setup-tree/readme.txt")" = "-r--r--r--" ] || fail "the sample's readme.txt is not read-only"
case "$(stat -c %A "$dest/readme.txt")" in -rw*) ;; *) fail "read-only readme.txt not made writable: $(stat -c %A "$dest/readme.txt")" ;; esac
ok "a read-only member arrives writable"
for f in setup.exe setupenglish.dll setupgerman.dll setupfrench.dll setuphungarian.dll; do
  cmp -s "$DIST/$f" "$dest/$f" || fail "CopyToDest: $f"
done
ok "CopyToDest copied setup.exe and the language libraries"
[ ! -e "$dest/setupinfo.tmp" ] || fail "DeleteAfterExtract left setupinfo.tmp"
ok "DeleteAfterExtract removed setupinfo.tmp"

# The record.
user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -1)
record | sed "s/$user/USER/" >"$OUT/record.txt"
diff -u "$HERE/expected/new-record.txt" "$OUT/record.txt" || fail "uninstall record"
ok "uninstall record"

# Shortcuts: the group's links and URL, the desktop link.
group="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillpad 2.1"
desktop="$WINEPREFIX/drive_c/users/$user/Desktop"
{
  for f in "$group"/*.LNK "$desktop"/*.LNK; do
    echo "== ${f#"$WINEPREFIX/drive_c/users/$user/"}"
    lnkinfo "$f" | grep -E '^\s*(Local path|Description|Working directory|Command line arguments|Icon location)' |
      sed 's/^\s*//; s/\s*:\s*/: /'
  done
} >"$OUT/links.txt"
diff -u "$HERE/expected/new-links.txt" "$OUT/links.txt" || fail "shortcuts as lnkinfo reads them"
ok "shortcuts"
tr -d '\r' <"$group/Quillpad on the Web.URL" >"$OUT/url.txt"
printf '[InternetShortcut]\nURL=https://www.korvex.example/quillpad/\n' | diff -u - "$OUT/url.txt" || fail ".URL file"
ok ".URL file"

# The hook calls.
hook_calls "$DIST" >"$OUT/hookcalls.txt"
diff -u "$HERE/expected/new-hookcalls.txt" "$OUT/hookcalls.txt" || fail "hook calls"
ok "hook calls in order"

# The printed agreement: the words of LICENSE.TXT, $PROGRAM replaced, in
# their order (the printer's text comes back with other blanks and breaks).
ps2ascii "$OUT/printed.ps" >"$OUT/printed.txt" 2>/dev/null
python3 - "$DIST/LICENSE.TXT" "$OUT/printed.txt" <<'PY' || fail "printed agreement (see $OUT/printed.txt)"
import sys
want = open(sys.argv[1], encoding="cp1252").read().replace("$PROGRAM", "Quillpad 2.1").split()
got = open(sys.argv[2], encoding="utf-8", errors="replace").read().replace("\u00a0", " ").replace("\u00ad", "-").split()
sys.exit(0 if got == want else print("printed:", got[:20], "\nwanted:", want[:20]) or 1)
PY
ok "the agreement printed word for word"

# The program group opened in the shell.
shown_windows >"$OUT/windows.txt"
grep -q '^ExplorerWClass id=0 "Quillpad 2.1"' "$OUT/windows.txt" || fail "no shell window of the program group: $(head -3 "$OUT/windows.txt")"
ok "the program group opened in the shell"
