#!/usr/bin/env bash
# One mode per run: "ORDER" (any switch that begins with it) before "REMOVE",
# otherwise install. "AUTODIR" must be the whole switch: it makes the
# program's folder the current one, seen here by the hook library that lies
# only in the home directory of a developer tree, found through the current
# directory.
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-mode-dispatch
app="$WINEPREFIX/drive_c/app"
layout "$app"

mode() { # expected args...
  local want=$1; shift
  local box="contains=\"[$want mode: not built yet]\""
  [ "$want" = install ] && box=$NO_CFG
  setup_box 0 "$box" "$app/setup.exe" "$@"
  ok "${*:-(no arguments)} runs the $want mode"
}
mode order -remove Foo /ORDER
mode order /ORDERS
mode uninstall -remove Foo
mode install

tree="$WINEPREFIX/drive_c/proj"
layout "$tree"
mkdir -p "$tree/Debug"
mv "$tree/setup.exe" "$tree/Debug/"
touch "$tree/main.cpp"
hook "$tree" both
export HALVIX_HOOK_RECORD='C:\hookcalls.txt'
record="$WINEPREFIX/drive_c/hookcalls.txt"
for args in "" "/AUTODIRX" "/AUTODIR"; do
  rm -f "$record"
  # shellcheck disable=SC2086
  setup_box 0 "$NO_CFG" "$tree/Debug/setup.exe" $args
  if [ "$args" = "/AUTODIR" ]; then
    [ ! -f "$record" ] || fail "/AUTODIR left the current directory in the tree"
    ok "/AUTODIR makes the program's folder current"
  else
    grep -q '^attach C:\\proj\\SETUPHOOK.dll' "$record" 2>/dev/null ||
      fail "${args:-no argument}: the hook library in the current directory was not loaded"
    ok "${args:-no argument}: the current directory stays the home"
  fi
done
