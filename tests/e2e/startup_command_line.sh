#!/usr/bin/env bash
# A command line with a quoted program path holding a blank, doubled blanks,
# a quoted argument, a quote inside an argument and an unclosed quote: the
# argument table in the log shows how the frame cut it, and "-remove" takes
# the quoted key as its value. STARTDELAY in both switch forms.
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-command-line
app="$WINEPREFIX/drive_c/app dir"
layout "$app"

run_line "$app" '"C:\app dir\setup.exe"  /LOGIT  -remove  "Key With Blanks"  /DIR:"C:\Program Files\x"   "unclosed quote  '
[ "$RC" = 0 ] || fail "exit code $RC"
expect_text "the key after -remove selects the uninstall mode" "[uninstall mode: not built yet]"

expected='Program Argument 0= C:\app dir\setup.exe
Program Argument 1= /LOGIT
Program Argument 2= -remove
Program Argument 3= Key With Blanks
Program Argument 4= /DIR:"C:\Program
Program Argument 5= Files\x"
Program Argument 6= unclosed quote'
got=$(log_of "$app" | sed -n 's/^\[[^]]*\] //p' | grep '^Program Argument')
[ "$got" = "$expected" ] || fail "argument table:
$got"
ok "the command line is cut into the expected seven arguments"
[ "$CAPTION" = "Key With Blanks Uninstall" ] || fail "caption \"$CAPTION\""
ok "the uninstall key is the quoted argument, blanks included"

# STARTDELAY waits before the mode runs; a negative delay must not become a
# wait of weeks (the box would never come).
run_setup "$app/setup.exe" /STARTDELAY:-5
[ "$RC" = 0 ] || fail "exit code $RC with a negative delay"
expect_text "a negative STARTDELAY starts at once" "[install mode: not built yet]"
run_setup "$app/setup.exe" -STARTDELAY 1
expect_text "STARTDELAY as a '-' switch with its value in the next argument" "[install mode: not built yet]"
