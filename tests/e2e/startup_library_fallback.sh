#!/usr/bin/env bash
# A missing German library falls back to English; without the English library
# the program shows "DLL not found" with the path it tried, captioned
# "Korvex Application", and ends with exit code 99 - unless the library of
# the chosen language itself is there.
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-library-fallback
app="$WINEPREFIX/drive_c/app"
layout "$app" setupenglish.dll setupfrench.dll

run_setup "$app/setup.exe" /LANG:GER /LOGIT
[ "$RC" = 0 ] || fail "exit code $RC"
expect_text "without setupgerman.dll the English texts show" "This wizard guides you through the installation"
log_of "$app" | grep -q 'LoadLanguageLibrary C:\\app\\setupgerman.dll: missing' || fail "German was not tried first"
log_of "$app" | grep -q 'LoadLanguageLibrary C:\\app\\setupenglish.dll: loaded' || fail "English was not loaded"
ok "German was tried first, then English"

rm "$app/setupenglish.dll"
run_setup "$app/setup.exe" /LANG:FRENCH
[ "$RC" = 0 ] || fail "exit code $RC with the French library alone"
expect_text "the French library alone serves French" "Cet assistant vous guide"
for args in "" "/LANG:GER"; do
  # shellcheck disable=SC2086
  run_setup "$app/setup.exe" $args
  [ "$RC" = 99 ] || fail "exit code $RC without the English library ($args)"
  [ "$CAPTION" = "Korvex Application" ] || fail "caption \"$CAPTION\""
  [ "$TEXT" = 'DLL not found:\rC:\app\setupenglish.dll' ] || fail "box text \"$TEXT\" ($args)"
  ok "no English library (${args:-no arguments}): the box names its path, exit code 99"
done
