#!/usr/bin/env bash
# The hook library beside setup.exe: loaded before the mode runs and released
# after it; without "NewSetupHook" the second hook is off; without
# "SetupHook" an assertion report names "fpSetupHook" and the mode still runs.
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-hook-library
app="$WINEPREFIX/drive_c/app"
layout "$app"
export HALVIX_HOOK_RECORD='C:\app\hookcalls.txt'
record="$app/hookcalls.txt"

run_setup "$app/setup.exe"
[ "$RC" = 0 ] || fail "exit code $RC without hook library"
[ ! -f "$record" ] || fail "a record without a hook library"
ok "no hook library, nothing loaded"

hook "$app" both
run_setup "$app/setup.exe" /LOGIT
[ "$RC" = 0 ] || fail "exit code $RC"
[ "$(cat "$record")" = 'attach C:\app\SETUPHOOK.dll
detach' ] || fail "record: $(cat "$record")"
log_of "$app" | grep -q 'LoadHookLibrary SETUPHOOK: SetupHook found, NewSetupHook found' ||
  fail "the exports were not taken"
ok "SETUPHOOK is loaded, both exports taken, released before the end"

rm -f "$record"; hook "$app" nonew
run_setup "$app/setup.exe" /LOGIT
[ "$RC" = 0 ] || fail "exit code $RC"
log_of "$app" | grep -q 'LoadHookLibrary SETUPHOOK: SetupHook found, NewSetupHook missing' ||
  fail "NewSetupHook was not found missing"
grep -q '^detach' "$record" || fail "not released"
ok "a library without NewSetupHook is used with the second hook off"

rm -f "$record" "$app/assert.log"; hook "$app" nosetup
win "$app/setup.exe" & pid=$!
answer 6 || { kill $pid; fail "no assertion box"; }
expect_text "the missing SetupHook is reported" "Condition: fpSetupHook"
case "$CAPTION" in
  "Korvex Application (Setup 1.00) / "*) ok "the report's caption is the application title" ;;
  *) kill $pid; fail "report caption \"$CAPTION\"" ;;
esac
answer || { kill $pid; fail "no mode box after the report"; }
expect_text "the mode runs after the report" "[install mode: not built yet]"
wait $pid; RC=$?
[ "$RC" = 0 ] || fail "exit code $RC"
grep -q 'Condition: fpSetupHook' "$app/assert.log" || fail "assert.log lacks the report"
grep -q '^detach' "$record" || fail "not released"
ok "a library without SetupHook is reported and still released"
