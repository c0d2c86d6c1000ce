#!/usr/bin/env bash
# The robot fails: every case is a script that must stop with the given exit
# code and a report on stderr holding the given lines (the step, what was
# expected, what was found, the window tree). Syntax errors stop the script
# before its first step runs.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"

out=$HALVIX_BUILD/tests/robot-out/failures
rm -rf "$out"
mkdir -p "$out"
fresh_prefix robot-failures

# The test dialog may take long to come up on a loaded machine; the steps
# that are meant to fail keep their own short waits.
START='start ${TESTS}\robot_testdlg.exe
wait-dialog 100 timeout=60'

# expect_failure NAME EXIT SCRIPT PATTERN...
expect_failure() {
  local name=$1 want=$2 script=$3 rc=0
  shift 3
  printf '%s\n' "$script" >"$out/$name.robot"
  robot -D "OUT=$(winpath "$out")" "$(winpath "$out/$name.robot")" \
    >"$out/$name.stdout" 2>"$out/$name.stderr" || rc=$?
  [ "$rc" -eq "$want" ] || { cat "$out/$name.stderr"; fail "$name: exit $rc, not $want"; }
  local pattern
  for pattern in "$@"; do
    grep -qF -- "$pattern" "$out/$name.stderr" ||
      { cat "$out/$name.stderr"; fail "$name: the report lacks: $pattern"; }
  done
  ok "$name fails with exit $want"
}

# --- steps that fail (exit 1) ---------------------------------------------
expect_failure failed_wait 1 "$START
wait enabled 1 timeout=1" \
  'failed_wait.robot:3: wait enabled 1 timeout=1' \
  'expected: control 1 enabled within 1 s' \
  'found:    Button id=1 "&Done": it is disabled' \
  'window tree of #32770 id=0 "Robot test dialog":' \
  '    #32770 id=0 qid=100 "Robot test dialog" visible enabled' \
  '      Button id=1 "&Done" defpush tabstop visible disabled' \
  '        Edit id=2002 "" tabstop visible enabled' \
  'robot: ended'

expect_failure press_disabled 1 "$START
press 1002" \
  'expected: a control a user could press' \
  'found:    Button id=1002 "&Apply" is disabled'

expect_failure press_under_a_message_box 1 "$START
press 1008
wait-window \"Robot question\"
wait-window \"Robot test dialog\"
press 2" \
  'the window holding it, #32770 id=0 "Robot test dialog", is disabled (is a modal window open?)'

expect_failure text_differs 1 "$START
check text 1014 \"wrong\"" \
  'expected: control 1014 with the text "wrong"' \
  'found:    Edit id=1014 "a read-only note": its text is "a read-only note"'

expect_failure type_into_read_only 1 "$START
type 1014 x" \
  'found:    Edit id=1014 "a read-only note" is read-only'

expect_failure choose_missing_item 1 "$START
choose 1006 Mango" \
  'expected: an item "Mango"' \
  'has the items "Apple", "Banana", "Cherry"'

expect_failure tick_a_radio_button 1 "$START
tick 1004" \
  'expected: a check box' \
  'found:    Button id=1004 "&Red" is a radio button'

expect_failure no_such_control 1 "$START
press 4242 timeout=0.3" \
  'expected: control 4242 in the current window within 0.3 s' \
  'found:    there is no such control'

expect_failure no_such_window 1 "$START
wait-window \"No such window\" timeout=0.5" \
  'expected: a visible window "No such window" within 0.5 s' \
  'window tree of the display (visible top-level windows):' \
  '    #32770 id=0 qid=100 "Robot test dialog" visible enabled'

expect_failure message_box_says_otherwise 1 "$START
press 1008
answer yes contains=\"hate\"" \
  'expected: a message box containing "hate"' \
  'found:    it says "Do you like robots?\nAnswer with care."' \
  'window tree of #32770 id=0 "Robot question":'

expect_failure no_message_box 1 "$START
answer ok timeout=0.5" \
  'found:    no message box is shown'

expect_failure wrong_exit_code 1 "$START
press 2
wait-exit 7" \
  'robot_testdlg.exe exited with 200'

expect_failure undefined_variable 1 'echo ${NOPE}' \
  'the variable NOPE is not defined'

# The dialogs of the failed scripts were ended by the robot.
rc=0
printf '%s\n' 'wait-gone title="Robot test dialog" timeout=5' >"$out/all_gone.robot"
robot "$(winpath "$out/all_gone.robot")" 2>"$out/all_gone.stderr" || rc=$?
[ "$rc" -eq 0 ] || { cat "$out/all_gone.stderr"; fail "a failed script left its dialog open"; }
ok "failed scripts end the programs they started"

# --- scripts that do not run (exit 2) -------------------------------------
NEVER='start ${TESTS}\robot_testdlg.exe ${OUT}\never.txt'
expect_failure unknown_command 2 "$NEVER
prss 1" "unknown_command.robot:2: unknown command 'prss'"
expect_failure open_quote 2 'echo "open' 'open_quote.robot:1: a quote is not closed'
expect_failure unknown_option 2 'wait-window titel=X' "wait-window has no option 'titel'"
expect_failure argument_count 2 'press' 'press takes 1 argument, not 0'
expect_failure unknown_state 2 'check pressed 1' "'pressed' is no state to test"
expect_failure state_without_text 2 'check text 1' 'text needs a control and a text'
expect_failure bad_control_name 2 'press Button' "'Button' names no control"
expect_failure bad_timeout 2 'press 1 timeout=soon' 'timeout=soon is no number of seconds'
[ ! -e "$out/never.txt" ] || fail "a script with a syntax error ran its first step"
ok "a script with a syntax error runs no step"

rc=0
win "$HALVIX_BUILD/bin/robot.exe" 'Z:\no\such\script.robot' 2>"$out/missing.stderr" || rc=$?
[ "$rc" -eq 2 ] && grep -qF 'cannot read the script' "$out/missing.stderr" ||
  fail "a missing script: exit $rc"
rc=0
win "$HALVIX_BUILD/bin/robot.exe" 2>"$out/usage.stderr" || rc=$?
[ "$rc" -eq 3 ] && grep -qF 'usage: robot' "$out/usage.stderr" || fail "no script given: exit $rc"
ok "a missing script exits 2, a wrong command line 3"
