#!/usr/bin/env bash
# The data-bound dialog driven by the robot as a user drives it: OK,
# Cancel and the close box with the end codes 1, 0 and 2 and the values
# each leaves, the rules, the spin field's id and limit.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"
here=$HALVIX_SOURCE/tests/ui
out=$HALVIX_BUILD/datadialog-robot
rm -rf "$out"; mkdir -p "$out"
fresh_prefix datadialog-robot

scenario() { # script expected-line
  local name; name=$(basename "$1" .robot)
  robot "$(winpath "$1")" >"$out/$name.out" 2>"$out/$name.err" ||
    { cat "$out/$name.err"; fail "$name.robot"; }
  local got; got=$(tr -d '\r' <"$out/$name.out" | grep '^end ')
  [ "$got" = "$2" ] || fail "$name: expected '$2', got '$got'"
  ok "$name: $2"
}

scenario "$here/robot/data_ok.robot" "end 1 text=x flag=1 choice=2 number=123 action=a++"
scenario "$here/robot/data_cancel.robot" "end 0 text= flag=1 choice=1 number=250 action=a"
scenario "$here/robot/data_close.robot" "end 2 text=closed flag=1 choice=0 number=250 action=a"
