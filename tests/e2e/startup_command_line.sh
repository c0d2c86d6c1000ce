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

# The exact command line, as a shell and Wine would never quote it.
printf '%s' '"C:\app dir\setup.exe"  /LOGIT  -remove  "Key With Blanks"  /DIR:"C:\Program Files\x"   "unclosed quote  ' \
  >"$app/cmdline.txt"
robot_script "the uninstall box, titled with the quoted key" <<ROBOT
timeout 30
start $(rq "$(winpath "$HALVIX_BUILD/tests/e2e/runcmd.exe")") $(rq "C:\app dir\cmdline.txt")
answer ok title="Key With Blanks Uninstall" contains="[uninstall mode: not built yet]"
wait-exit 0
ROBOT
ok "the quoted key after -remove selects the uninstall mode and stands in its title"

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

# STARTDELAY waits before the mode runs; a negative delay must not become a
# wait of weeks (the box would never come).
setup_box 0 "$NO_CFG" "$app/setup.exe" /STARTDELAY:-5
ok "a negative STARTDELAY starts at once"
setup_box 0 "$NO_CFG" "$app/setup.exe" -STARTDELAY 1
ok "STARTDELAY as a '-' switch with its value in the next argument"
