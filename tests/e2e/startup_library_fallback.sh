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

setup_box 0 "title=\"Korvex Setup\" $NO_CFG" "$app/setup.exe" /LANG:GER /LOGIT
ok "without setupgerman.dll the English texts show"
log_of "$app" | grep -q 'LoadLanguageLibrary C:\\app\\setupgerman.dll: missing' || fail "German was not tried first"
log_of "$app" | grep -q 'LoadLanguageLibrary C:\\app\\setupenglish.dll: loaded' || fail "English was not loaded"
ok "German was tried first, then English"

rm "$app/setupenglish.dll"
setup_box 0 "title=\"Installation de Korvex\" $NO_CFG" "$app/setup.exe" /LANG:FRENCH
ok "the French library alone serves French"
for args in "" "/LANG:GER"; do
  # shellcheck disable=SC2086
  setup_box 99 'title="Korvex Application" text="DLL not found:\rC:\app\setupenglish.dll"' "$app/setup.exe" $args
  ok "no English library (${args:-no arguments}): the box names its path, exit code 99"
done
