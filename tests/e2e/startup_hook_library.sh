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
box=$NO_CFG

setup_box 0 "$box" "$app/setup.exe"
[ ! -f "$record" ] || fail "a record without a hook library"
ok "no hook library, nothing loaded"

hook "$app" both
setup_box 0 "$box" "$app/setup.exe" /LOGIT
[ "$(cat "$record")" = 'attach C:\app\SETUPHOOK.dll
detach' ] || fail "record: $(cat "$record")"
log_of "$app" | grep -q 'LoadHookLibrary SETUPHOOK: SetupHook found, NewSetupHook found' ||
  fail "the exports were not taken"
ok "SETUPHOOK is loaded, both exports taken, released before the end"

rm -f "$record"; hook "$app" nonew
setup_box 0 "$box" "$app/setup.exe" /LOGIT
log_of "$app" | grep -q 'LoadHookLibrary SETUPHOOK: SetupHook found, NewSetupHook missing' ||
  fail "NewSetupHook was not found missing"
grep -q '^detach' "$record" || fail "not released"
ok "a library without NewSetupHook is used with the second hook off"

rm -f "$record" "$app/assert.log"; hook "$app" nosetup
robot_script "the report of the missing SetupHook, then the mode" <<ROBOT
timeout 30
start $(rq "$(cpath "$app/setup.exe")")
wait-window class=#32770
read . caption
echo caption=\${caption}
answer yes contains="Condition: fpSetupHook"
answer ok $box
wait-exit 0
ROBOT
ok "the missing SetupHook is reported, and the mode runs after the report"
grep -q '^caption=Korvex Application (Setup 1.00) / ' "$ROBOT_OUT" ||
  fail "report caption: $(cat "$ROBOT_OUT")"
ok "the report's caption is the application title"
grep -q 'Condition: fpSetupHook' "$app/assert.log" || fail "assert.log lacks the report"
grep -q '^detach' "$record" || fail "not released"
ok "a library without SetupHook is reported in assert.log and still released"
