#!/usr/bin/env bash
# Runs the Windows tests of the TCP/IP device and the mail client (the
# program given) against the SMTP servers of tests/net/smtpserver.py, started
# for this run on free loopback ports and ended by their pid afterwards.
set -u
. "$HALVIX_SOURCE/tests/wine/lib.sh"
program=$1

mkdir -p "$HALVIX_BUILD/test-scratch"
work=$(mktemp -d "$HALVIX_BUILD/test-scratch/smtp.XXXXXX")
/usr/bin/python3 "$HALVIX_SOURCE/tests/net/smtpserver.py" --maildir "$work/mail" --ports "$work/ports" \
  >"$work/server.log" 2>&1 &
server=$!
stop_server() {
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
}
trap stop_server EXIT

for _ in $(seq 200); do
  [ -f "$work/ports" ] && break
  kill -0 "$server" 2>/dev/null || fail "the SMTP servers ended: $(cat "$work/server.log")"
  sleep 0.05
done
[ -f "$work/ports" ] || fail "the SMTP servers did not start"
while read -r mode port; do
  export "HALVIX_SMTP_${mode^^}=$port"
done <"$work/ports"
HALVIX_MAILDIR=$(winpath "$work/mail")
export HALVIX_MAILDIR

base_prefix
win "$program" --gtest_output="xml:$(winpath "$HALVIX_BUILD/test-results")\\net_wine_test.xml"
rc=$?
if [ $rc -eq 0 ]; then
  stop_server
  rm -rf "$work"
else
  cat "$work/server.log"
  echo "the servers' mail folder is kept: $work/mail"
fi
exit $rc
