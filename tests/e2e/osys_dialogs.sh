#!/usr/bin/env bash
# The file dialogs and message boxes of OSYS in a fresh prefix, driven by
# the robot: what the user chose is what the calls return.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"
here=$(cd "$(dirname "$0")" && pwd)

fresh_prefix osys-dialogs
out="$HALVIX_BUILD/test-scratch/osys-dialogs-$$"
rm -rf "$out"; mkdir -p "$out"
mkdir -p "$WINEPREFIX/drive_c/d"
echo a >"$WINEPREFIX/drive_c/d/a.txt"
echo b >"$WINEPREFIX/drive_c/d/b.txt"

drive() { # robot script
  robot -D "OUT=$(winpath "$out")" "$(winpath "$here/osys_dialogs/$1")" \
    </dev/null >"$out/$1.out" 2>"$out/$1.err" || { cat "$out/$1.err"; fail "$1"; }
}

# The probe's result file, with CR LF line ends made LF.
result() { tr -d '\r' <"$out/$1"; }

expect() { # case, expected result text
  local got; got=$(result "$1")
  [ "$got" = "$2" ] || { printf 'expected:\n%s\ngot:\n%s\n' "$2" "$got"; fail "$1"; }
}

drive file_dialogs.robot

# The save dialog shows the single filter and preselects it.
filters=$(sed -n '/ComboBox id=1136/,/^  [^ ]/p' "$out/save-dialog.txt" | grep -c '^    item ') || true
[ "$filters" = 1 ] && grep -q 'ComboBox id=1136 "Text (\*.txt)".*sel=0' "$out/save-dialog.txt" ||
  { cat "$out/save-dialog.txt"; fail "the filter '.txt' LF 'Text|*.txt' is not the single filter 'Text (*.txt)'"; }
ok "one filter, 'Text (*.txt)', preselected"

expect save.txt 'result=C:\d\order.txt'
ok "a name typed without extension comes back with the default extension"
expect dot.txt 'result=C:\d\notes'
ok "a name ending in '.' comes back without it"
expect cancel.txt 'result=<null>'
ok "Cancel gives null"
expect many.txt 'result=C:\d\a.txt
count=2
file=C:\d\a.txt
file=C:\d\b.txt'
ok "a multiple selection returns every file"
expect one.txt 'result=C:\d\b.txt
count=1
file=C:\d\b.txt'
ok "one file where several may be chosen is a list of one"
expect open.txt 'result=C:\d\a.txt'
ok "the open dialog returns the chosen file"

drive message_boxes.robot
expect yes.txt 'result=yes'
expect no.txt 'result=no'
ok "a Yes/No box returns the answer; without a caption it shows string 10001"
expect info.txt 'result=shown'
expect error.txt 'result=shown'
grep -q '^  Button id=[0-9]* "OK"' "$out/info-box.txt" && [ "$(grep -c '^  Button ' "$out/info-box.txt")" = 1 ] ||
  { cat "$out/info-box.txt"; fail "the information box has not just an OK button"; }
ok "the information and error boxes show and return"
rm -rf "$out"
