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

run_setup "$tree/Debug/setup.exe" /LOGIT
[ "$RC" = 0 ] || fail "exit code $RC"
expect_text "the libraries come from the tree" "This wizard guides you through the installation"
[ -f "$tree/logit.log" ] || fail "the log is not in the tree"
[ ! -f "$tree/Debug/logit.log" ] || fail "the log is in the Debug folder"
ok "the home is the tree above Debug"

rm "$tree/main.cpp"
run_setup "$tree/Debug/setup.exe"
[ "$RC" = 99 ] || fail "exit code $RC without main.cpp"
[ "$TEXT" = 'DLL not found:\rC:\proj\Debug\setupenglish.dll' ] || fail "box text \"$TEXT\""
ok "without main.cpp the home stays the Debug folder"
