#!/usr/bin/env bash
# The Wine test machine: a private Wine prefix and a private Xvfb display that
# one test run makes for itself, uses and takes down again.
#
#   machine.sh up    STATE         make the prefix (one wineboot), start Xvfb and
#                                  a persistent wineserver; write STATE/env
#   machine.sh down  STATE         end everything recorded under STATE (the
#                                  wineservers of the prefix and of its clones,
#                                  Xvfb by its pid) and remove the prefixes
#   machine.sh clone STATE DEST    a fresh prefix at DEST, copied from the base
#                                  (binaries hard-linked, everything else copied)
#   machine.sh env   STATE [DEST]  print the environment for the base prefix,
#                                  or for the clone DEST
#   machine.sh end   DEST          end the wineserver of one clone
#
# Nothing outside STATE is touched: processes are ended through their own
# prefix's wineserver or by the pid this script recorded.
set -euo pipefail

WINE=${HALVIX_WINE:-/usr/lib/wine/wine64}
WINESERVER=${HALVIX_WINESERVER:-/usr/lib/wine/wineserver}
cleanup_state=""
OVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

die() { echo "machine.sh: $*" >&2; [ -n "${cleanup_state:-}" ] && down "$cleanup_state"; exit 1; }

wine_env() { # prefix display
  echo "export WINEPREFIX='$1'"
  echo "export DISPLAY='$2'"
  echo "export WINEDEBUG=-all"
  echo "export WINEDLLOVERRIDES='$OVERRIDES'"
  echo "export WINEARCH=win64"
  echo "export HALVIX_WINE='$WINE'"
  echo "export HALVIX_WINESERVER='$WINESERVER'"
}

# Start a persistent wineserver for a prefix, detached from our descriptors so
# that no caller waits on its pipes.
start_server() { # prefix
  WINEPREFIX="$1" setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
}

stop_server() { # prefix
  [ -d "$1" ] || return 0
  WINEPREFIX="$1" "$WINESERVER" -k >/dev/null 2>&1 || true
  WINEPREFIX="$1" "$WINESERVER" -w >/dev/null 2>&1 || true
}

start_xvfb() { # state
  local fifo="$1/displayfd"
  rm -f "$fifo"; mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$fifo" </dev/null >"$1/xvfb.log" 2>&1 &
  echo $! >"$1/xvfb.pid"
  local n
  if ! read -r -t 20 n <"$fifo"; then
    die "Xvfb did not report a display (see $1/xvfb.log)"
  fi
  rm -f "$fifo"
  echo ":$n" >"$1/display"
}

up() {
  local state=$1
  mkdir -p "$state"
  state=$(cd "$state" && pwd)
  cleanup_state=$state
  # Whatever an earlier, interrupted run left under STATE goes first.
  down "$state"
  trap 'down "$state"' ERR
  start_xvfb "$state"
  local display; display=$(cat "$state/display")
  local prefix="$state/prefix"
  rm -rf "$prefix"
  ( eval "$(wine_env "$prefix" "$display")"
    "$WINE" wineboot -i </dev/null >"$state/wineboot.log" 2>&1 || true
    # No window manager runs on the private display: Wine draws the window
    # frames itself, and hiding a top-level window does not stall waiting for
    # a manager that never answers.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >>"$state/wineboot.log" 2>&1 || true
    "$WINESERVER" -w )
  [ -f "$prefix/system.reg" ] || die "wineboot made no prefix (see $state/wineboot.log)"
  # Clones start from this pristine copy, whatever the tests later do to the
  # base prefix.
  clone_tree "$prefix" "$state/template"
  # Then the persistent wineserver, and wineboot once more under it: the helper
  # processes it starts (services, the desktop window) stay up for the whole
  # run with their descriptors on the log, never on a test's output pipe.
  start_server "$prefix"
  ( eval "$(wine_env "$prefix" "$display")"
    setsid "$WINE" wineboot </dev/null >>"$state/wineboot.log" 2>&1 || true )
  wine_env "$prefix" "$display" >"$state/env"
  trap - ERR
  cleanup_state=""
}

down() {
  local state=$1
  [ -d "$state" ] || return 0
  if [ -d "$state/clones" ]; then
    for c in "$state"/clones/*/; do
      [ -d "$c" ] && stop_server "${c%/}"
    done
  fi
  stop_server "$state/prefix"
  if [ -f "$state/xvfb.pid" ]; then
    local pid; pid=$(cat "$state/xvfb.pid")
    # Only the Xvfb this script started: same pid, and still an Xvfb.
    if [ -n "$pid" ] && grep -q Xvfb "/proc/$pid/cmdline" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$pid" 2>/dev/null || true
    fi
  fi
  rm -rf "$state/prefix" "$state/template" "$state/clones"
  rm -f "$state/env" "$state/xvfb.pid" "$state/display"
}

# A copy of a prefix: binaries never change in place, so hard links serve for
# them; the registry, ini files and everything else that may be written get
# copies of their own.
clone_tree() { # from to
  rm -rf "$2"; mkdir -p "$(dirname "$2")"
  cp -al "$1" "$2"
  find "$2" -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' \
      -o -iname '*.sys' -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' \
      -o -iname '*.tlb' -o -iname '*.ttf' -o -iname '*.nls' -o -iname '*.mui' \
      -o -iname '*.ax' -o -iname '*.ds' -o -iname '*.fon' -o -iname '*16' \) \
    -exec sh -c 'for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done' sh {} +
}

clone() {
  local state=$1 dest=$2
  [ -d "$state/template" ] || die "no machine under $state (run 'up' first)"
  clone_tree "$state/template" "$dest"
}

case "${1:-}" in
  up)    [ $# -eq 2 ] || die "usage: up STATE"; up "$2" ;;
  down)  [ $# -eq 2 ] || die "usage: down STATE"; down "$(cd "$2" 2>/dev/null && pwd || echo "$2")" ;;
  clone) [ $# -eq 3 ] || die "usage: clone STATE DEST"; clone "$2" "$3" ;;
  env)
    [ -f "$2/env" ] || die "no machine under $2"
    if [ $# -eq 3 ]; then
      wine_env "$3" "$(cat "$2/display")"
    else
      cat "$2/env"
    fi ;;
  serve) [ $# -eq 2 ] || die "usage: serve PREFIX"; start_server "$2" ;;
  end)   [ $# -eq 2 ] || die "usage: end PREFIX"; stop_server "$2" ;;
  *) die "usage: machine.sh up|down|clone|env|serve|end ..." ;;
esac
