#!/usr/bin/env bash
# Both argument files add their lines after the command line: stripped of
# blanks and tabs at both ends, a line of blanks only as an empty argument,
# empty lines skipped. '/LOGIT' in the first file starts the log while that
# file is read, and '/LANG:FRENCH' and '-remove' from the files act as if
# given on the command line.
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-argument-files
app="$WINEPREFIX/drive_c/app"
layout "$app"
printf '  /LOGIT  \r\n\r\n   \r\n/LANG:FRENCH\r\n' >"$app/commandline.ini"
printf -- '-remove\n\tKey With Blanks\t\n' >"$app/setup_commandline.ini"

setup_box 0 'contains="Votre message nous aide à l'"'"'améliorer.\r\n\r\n[uninstall mode: not built yet]"' \
  "$app/setup.exe" /X
ok "/LANG:FRENCH and -remove from the files give the French uninstall box"

lines=$(log_of "$app" | sed -n 's/^\[[^]]*\] //p')
expected='Program Argument 0= C:\app\setup.exe
Program Argument 1= /X
Program Argument 2= /LOGIT
Program Argument 3= 
Program Argument 4= /LANG:FRENCH
Program Argument 5= -remove
Program Argument 6= Key With Blanks'
got=$(printf '%s\n' "$lines" | grep '^Program Argument')
[ "$got" = "$expected" ] || fail "argument table:
$got"
ok "the lines of both files follow the command line, trimmed"

# The log opened during the first file: its "Trying" line came before.
printf '%s\n' "$lines" | grep -q '^Trying C:\\app\\commandline.ini' &&
  fail "the log holds a line from before /LOGIT"
printf '%s\n' "$lines" | grep -q '^Processing C:\\app\\commandline.ini done' ||
  fail "the log lacks the end of the first file"
printf '%s\n' "$lines" | grep -q '^Trying C:\\app\\setup_commandline.ini' ||
  fail "the log lacks the second file"
ok "/LOGIT from the argument file logs from the moment it is read"
