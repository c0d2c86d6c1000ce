#!/usr/bin/env bash
# Runs the Windows tests of the TCP/IP device and the mail client (the
# program given) against the SMTP servers of tests/net/smtpserver.py.
set -u
. "$HALVIX_SOURCE/tests/wine/lib.sh"
. "$HALVIX_SOURCE/tests/net/smtpservers.sh"
program=$1

mkdir -p "$HALVIX_BUILD/test-scratch"
work=$(mktemp -d "$HALVIX_BUILD/test-scratch/smtp.XXXXXX")
start_smtp_servers "$work"

base_prefix
win "$program" --gtest_output="xml:$(winpath "$HALVIX_BUILD/test-results")\\net_wine_test.xml"
rc=$?
if [ $rc -eq 0 ]; then
  stop_smtp_servers
  rm -rf "$work"
else
  cat "$work/server.log"
  echo "the servers' mail folder is kept: $work/mail"
fi
exit $rc
