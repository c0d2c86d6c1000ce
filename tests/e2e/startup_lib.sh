# Helpers of the start-up's end-to-end tests: lay setup.exe out in a folder
# of a fresh prefix and run it, answering the message box it shows.
#
#   layout DIR [FILE...]     copy setup.exe (and the four language libraries
#                            unless FILEs are named: then only those) into DIR
#   hook DIR VARIANT         put the recording hook library VARIANT (both,
#                            nonew, nosetup) into DIR as SETUPHOOK.dll
#   run_setup PROGRAM ARGS...  run PROGRAM (a Unix path) with ARGS, answer one
#                            box; sets RC (exit code), CAPTION and TEXT
#   run_line DIR LINE        the same for an exact command line (runcmd)
#   answer [BUTTON]          read and answer one more box of a running program
#   expect_text WHAT NEEDLE  fails unless TEXT contains NEEDLE
#   log_of DIR               logit.log of DIR without CRs
. "$HALVIX_SOURCE/tests/wine/lib.sh"

BIN=$HALVIX_BUILD/bin
HELPERS=$HALVIX_BUILD/tests/e2e

layout() { # dir [files...]
  local dir=$1; shift
  mkdir -p "$dir"
  cp "$BIN/setup.exe" "$dir/"
  if [ $# -eq 0 ]; then
    set -- setupenglish.dll setupgerman.dll setupfrench.dll setuphungarian.dll
  fi
  for f in "$@"; do cp "$BIN/$f" "$dir/"; done
}

hook() { # dir variant
  cp "$HALVIX_BUILD/tests/hooks/recordhook_$2.dll" "$1/SETUPHOOK.dll"
}

answer() { # [button]
  CAPTION="" TEXT=""
  local out="$WINEPREFIX/boxreader.out"
  win "$HELPERS/boxreader.exe" 30 "${1:-1}" >"$out" 2>/dev/null || return 1
  CAPTION=$(tr -d '\r' <"$out" | sed -n 's/^caption=//p')
  TEXT=$(tr -d '\r' <"$out" | sed -n 's/^text=//p')
}

_finish() { # pid
  answer || { kill "$1" 2>/dev/null; fail "no message box came"; }
  wait "$1"; RC=$?
}

run_setup() { # program args...
  win "$@" & local pid=$!
  _finish $pid
}

run_line() { # dir line
  printf '%s' "$2" >"$1/cmdline.txt"
  win "$HELPERS/runcmd.exe" "$(winpath "$1/cmdline.txt")" & local pid=$!
  _finish $pid
}

expect_text() { # what needle
  case "$TEXT" in
    *"$2"*) ok "$1" ;;
    *) fail "$1: box text \"$TEXT\" lacks \"$2\"" ;;
  esac
}

log_of() { tr -d '\r' <"$1/logit.log"; }
