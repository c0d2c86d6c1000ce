# Shell helpers for end-to-end tests under the Wine test machine. Source it
# from a test script that ctest runs (halvix_script_test sets HALVIX_MACHINE,
# HALVIX_WINE_STATE, HALVIX_BUILD and HALVIX_SOURCE).
#
#   fresh_prefix NAME     a clone of the pristine prefix for this test, with a
#                         persistent wineserver of its own; exports its
#                         environment and ends it when the script exits
#   win PROGRAM ARGS...   run a Windows program in the current prefix
#   winpath UNIXPATH      the path as a Windows program sees it (Z:\...)
#   robot ARGS... SCRIPT  run the UI robot (docs/robot.md) in the current
#                         prefix, with ${BIN} and ${TESTS} defined as the
#                         build's bin and tests folders (Windows paths)
#   add_printer OUTFILE   gives the current prefix a default printer, Wine's
#                         PostScript driver printing every job into OUTFILE
#                         (read it back with ps2ascii, or ps2pdf + pdftotext)
#   fail MESSAGE          print FAIL: MESSAGE and exit 1
#   ok MESSAGE            print ok: MESSAGE

: "${HALVIX_MACHINE:?run from ctest}" "${HALVIX_WINE_STATE:?run from ctest}"

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }

_halvix_prefix=""
_halvix_end_prefix() {
  if [ -n "$_halvix_prefix" ]; then
    "$HALVIX_MACHINE" end "$_halvix_prefix"
    [ -n "${KEEP_PREFIX:-}" ] || rm -rf "$_halvix_prefix"
  fi
}

fresh_prefix() { # name
  _halvix_prefix="$HALVIX_WINE_STATE/clones/$1-$$"
  "$HALVIX_MACHINE" clone "$HALVIX_WINE_STATE" "$_halvix_prefix" || fail "no clone of the prefix"
  trap _halvix_end_prefix EXIT
  eval "$("$HALVIX_MACHINE" env "$HALVIX_WINE_STATE" "$_halvix_prefix")"
  "$HALVIX_MACHINE" serve "$_halvix_prefix"
}

base_prefix() {
  eval "$("$HALVIX_MACHINE" env "$HALVIX_WINE_STATE")"
}

win() { "$HALVIX_WINE" "$@"; }

winpath() { # unix path -> Z:\...
  local p
  p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  printf 'Z:%s' "${p//\//\\}"
}

robot() {
  win "$HALVIX_BUILD/bin/robot.exe" -D "BIN=$(winpath "$HALVIX_BUILD/bin")" \
    -D "TESTS=$(winpath "$HALVIX_BUILD/tests")" "$@"
}

add_printer() { # unix path of the PostScript output
  win "$HALVIX_BUILD/tests/addprinter.exe" "$(winpath "$1")" >/dev/null ||
    fail "no test printer"
}
