#!/usr/bin/env bash
# The robot drives its test dialog through every command it offers
# (drive.robot); here the results are checked: what the dialog was told, the
# window-tree dumps, the file saved through the Save As dialog, the arguments
# a started program received, and the screenshot.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"

here=$HALVIX_SOURCE/tests/robot
out=$HALVIX_BUILD/tests/robot-out/drive
rm -rf "$out"
mkdir -p "$out"
fresh_prefix robot-drive

rc=0
robot -D "OUT=$(winpath "$out")" "$(winpath "$here/drive.robot")" \
  >"$out/stdout.txt" 2>"$out/stderr.txt" || rc=$?
[ "$rc" -eq 0 ] || { cat "$out/stderr.txt"; fail "drive.robot exited with $rc"; }
ok "drive.robot passed"

grep -qx "size=Large" "$out/stdout.txt" || fail "echo did not print the value read back"
diff -u "$here/expected/args.txt" "$out/args.txt" || fail "the started program got other arguments"
ok "run passes arguments as the program parses them; read and echo"

# The log names the saved file by its full path, which depends on the build.
log=$(cat "$out/log.txt")
log=${log//"$(winpath "$out")"/'${OUT}'}
diff -u "$here/expected/log.txt" - <<<"$log" || fail "the dialog received other notifications"
ok "the dialog received the notifications a user's input gives"

for dump in initial applied; do
  diff -u "$here/expected/$dump.txt" "$out/$dump.txt" || fail "dump $dump differs"
done
cmp -s "$out/applied.txt" "$out/display.txt" || fail "dump-all differs from the dump of the only window"
ok "dumps match the expected window trees"

[ "$(cat "$out/saved.txt")" = robot ] || fail "Save As did not save the name typed"
ok "the Save As dialog saved where the robot typed"

display=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p')
read -r format size colours < <(identify -format '%m %wx%h %k\n' "$out/screen.png")
[ "$format $size" = "PNG $display" ] || fail "screenshot is $format $size, the display $display"
[ "$colours" -gt 8 ] || fail "screenshot has only $colours colours: nothing was captured"
ok "the screenshot is a PNG of the display's size ($size, $colours colours)"
