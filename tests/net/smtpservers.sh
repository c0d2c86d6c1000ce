# Shell helper of the mail tests: starts the SMTP servers of
# tests/net/smtpserver.py for this run on free loopback ports, exports their
# ports (HALVIX_SMTP_<MODE>) and mail folder (HALVIX_MAILDIR, as Windows
# path; MAILDIR as Unix path), and ends them by pid when the script exits.
# Source it after tests/wine/lib.sh and call it after fresh_prefix (it keeps
# the prefix's own end); $1 names the run's scratch folder.

start_smtp_servers() { # scratch folder
  smtp_work=$1
  mkdir -p "$smtp_work"
  /usr/bin/python3 "$HALVIX_SOURCE/tests/net/smtpserver.py" --maildir "$smtp_work/mail" \
    --ports "$smtp_work/ports" >"$smtp_work/server.log" 2>&1 &
  smtp_server=$!
  trap stop_smtp_servers EXIT
  for _ in $(seq 200); do
    [ -f "$smtp_work/ports" ] && break
    kill -0 "$smtp_server" 2>/dev/null || fail "the SMTP servers ended: $(cat "$smtp_work/server.log")"
    sleep 0.05
  done
  [ -f "$smtp_work/ports" ] || fail "the SMTP servers did not start"
  while read -r mode port; do
    export "HALVIX_SMTP_${mode^^}=$port"
  done <"$smtp_work/ports"
  MAILDIR=$smtp_work/mail
  HALVIX_MAILDIR=$(winpath "$MAILDIR")
  export HALVIX_MAILDIR
}

stop_smtp_servers() {
  if [ -n "${smtp_server:-}" ]; then
    kill "$smtp_server" 2>/dev/null
    wait "$smtp_server" 2>/dev/null
    smtp_server=""
  fi
  type _halvix_end_prefix >/dev/null 2>&1 && _halvix_end_prefix
  return 0
}
