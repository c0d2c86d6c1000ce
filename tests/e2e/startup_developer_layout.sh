#!/usr/bin/env bash
# A program in the Debug folder of a developer's tree (main.cpp one level up)
# has that tree as its home: the libraries and the log are found there.
# Without main.cpp the home stays the Debug folder.
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-developer-layout
tree="$WINEPREFIX/drive_c/proj"
layout "$tree"
mkdir -p "$tree/Debug"
mv "$tree/setup.exe" "$tree/Debug/"
echo 'int main() { return 0; }' >"$tree/main.cpp"

setup_box 0 "title=\"Korvex Setup\" $NO_CFG" "$tree/Debug/setup.exe" /LOGIT
[ -f "$tree/logit.log" ] || fail "the log is not in the tree"
[ ! -f "$tree/Debug/logit.log" ] || fail "the log is in the Debug folder"
ok "the home is the tree above Debug: libraries and log are there"

rm "$tree/main.cpp"
setup_box 99 'text="DLL not found:\rC:\proj\Debug\setupenglish.dll"' "$tree/Debug/setup.exe"
ok "without main.cpp the home stays the Debug folder"
