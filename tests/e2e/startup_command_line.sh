#!/usr/bin/env bash
# A command line with a quoted program path holding a blank, doubled blanks,
# a quoted argument, a quote inside an argument and an unclosed quote: the
# argument table in the log shows how the frame cut it, and "-remove" takes
# the quoted key as its value.
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
