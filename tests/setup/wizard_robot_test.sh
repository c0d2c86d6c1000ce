#!/usr/bin/env bash
# The wizard frame driven by the robot as a user drives it: the demo wizard
# (setup_wizarddemo.exe) through to Finish, and cancelled on its middle step
# with Yes and with No. The demo prints the hook calls, the result and the
# bound values; screenshots of each step land in the build folder, also of
# the frame as each language library lays it out.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"
here=$HALVIX_SOURCE/tests/setup
out=$HALVIX_BUILD/wizard-robot
rm -rf "$out"; mkdir -p "$out"
fresh_prefix wizard-robot

drive() { # script -> its output in $out/NAME.out
  local name; name=$(basename "$1" .robot)
  robot -D "OUT=$(winpath "$out")" "$(winpath "$1")" >"$out/$name.out" 2>"$out/$name.err" ||
    { cat "$out/$name.err"; fail "$name.robot"; }
  tr -d '\r' <"$out/$name.out" >"$out/$name.txt"
}

drive "$here/robot/finish.robot"
grep -qx 'result 1 name=Product choice=2 remark=done' "$out/finish.txt" ||
  { cat "$out/finish.txt"; fail "the finished wizard's values"; }
expected='hook 4 step 1 data 11
hook 5 step 1 data 10781
hook 4 step 2 data 12
hook 5 step 2 data 10781
hook 4 step 3 data 13
hook 5 step 3 data 0'
[ "$(grep '^hook' "$out/finish.txt")" = "$expected" ] || { cat "$out/finish.txt"; fail "the hook calls"; }
for n in 1 2 3; do [ -s "$out/frame-step$n.png" ] || fail "no screenshot of step $n"; done
ok "finished through every step: values taken back, hooks 4 and 5 called"

drive "$here/robot/cancel.robot"
grep -qx 'result 0 name=Product choice=2 remark=' "$out/cancel.txt" ||
  { cat "$out/cancel.txt"; fail "the cancelled wizard's result"; }
moves=$(grep '^hook 5' "$out/cancel.txt" | awk '{print $4 ":" $6}' | tr '\n' ' ')
[ "$moves" = "1:10781 2:0 2:2 2:10780 1:10781 2:0 " ] || fail "moves were $moves"
ok "cancel on the middle step: Yes stays, the close box stays, No ends the wizard"

for lang in english german french hungarian; do
  robot -D "OUT=$(winpath "$out")" -D "LIB=$(winpath "$HALVIX_BUILD/bin/setup$lang.dll")" \
    -D "SHOT=$(winpath "$out")\\$lang" "$(winpath "$here/robot/languages.robot")" \
    >"$out/$lang.out" 2>"$out/$lang.err" || { cat "$out/$lang.err"; fail "languages.robot $lang"; }
  grep -q '^result 1 name=Korvex Demo' "$out/$lang.out" || { cat "$out/$lang.out"; fail "$lang: the result"; }
done
grep -q 'Button id=10781 "&Weiter >"' "$out/german-1.txt" || fail "the German frame's Next button"
grep -q 'Button id=2 "&Fertig stellen"' "$out/german-3.txt" || fail "the German final step's Finish"
ok "the frame in all four languages, screenshots in $out"
