#!/usr/bin/env bash
# The send dialog under Wine, driven by the robot, in English and German,
# against the SMTP servers of tests/net/smtpserver.py: what the user typed is
# what the server receives, and what the dialog shows after each press.
set -u
. "$HALVIX_SOURCE/tests/wine/lib.sh"
. "$HALVIX_SOURCE/tests/net/smtpservers.sh"
here=$(cd "$(dirname "$0")" && pwd)

fresh_prefix senddialog
out="$HALVIX_BUILD/test-scratch/senddialog-$$"
rm -rf "$out"; mkdir -p "$out"
start_smtp_servers "$out/smtp"
smtp="127.0.0.1:$HALVIX_SMTP_LOGIN"

drive() { # robot script
  robot -D "OUT=$(winpath "$out")" -D "SMTP=$smtp" "$(winpath "$here/senddialog/$1")" \
    </dev/null >"$out/$1.out" 2>"$out/$1.err" || { cat "$out/$1.err"; fail "$1"; }
}
result() { tr -d '\r' <"$out/$1"; }
has() { # file, expected line
  grep -qxF "$2" <(result "$1") || { result "$1"; fail "$1 lacks: $2"; }
}
stored() { [ -f "$MAILDIR/$1.eml" ]; }

drive english.robot
grep -q '^  Edit id=1001 "short@korvex.test" readonly' "$out/senddialog.txt" ||
  { cat "$out/senddialog.txt"; fail "the receiver is not read-only"; }
grep -q '^  Edit id=1004 "Some text" multiline' "$out/senddialog.txt" ||
  { cat "$out/senddialog.txt"; fail "the text edit"; }
ok "the receiver is shown read-only"
has short.txt "sent=0"
! stored short@korvex.test || fail "a text of three characters was sent"
ok "a text of three characters sends nothing and the closing button reads Done"
has changed.txt "sent=1"
stored changed@korvex.test || fail "the changed mail did not arrive"
grep -q $'^Subject: Changed subject\r$' "$MAILDIR/changed@korvex.test.eml" ||
  { cat "$MAILDIR/changed@korvex.test.eml"; fail "the changed subject did not arrive"; }
grep -q $'^Dear shop,\r$' "$MAILDIR/changed@korvex.test.eml" &&
  grep -q $'^the program works.\r$' "$MAILDIR/changed@korvex.test.eml" ||
  { cat "$MAILDIR/changed@korvex.test.eml"; fail "Enter did not make a new line of the text"; }
ok "a changed subject and a text typed with Enter arrive as typed"
has failed.txt "sent=0"
ok "a failed send shows the error text and Send can be pressed again"

drive german.robot
has german-short.txt "sent=0"
has german-failed.txt "sent=0"
has german-sent.txt "sent=1"
stored gesendet@korvex.test || fail "the German mail did not arrive"
ok "German texts; the closing button goes from Abbruch to Fertig"

rm -rf "$out"
