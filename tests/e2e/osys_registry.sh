#!/usr/bin/env bash
# REGISTRY in a fresh prefix, checked by an independent reader and writer:
# Wine's reg.exe reads back what the program wrote (the Drovane redirection
# under root 1 and its absence under "Software\", a key created empty, a
# value under root 0) and stores a value that the program then reads.
set -eu
. "$HALVIX_SOURCE/tests/wine/lib.sh"

exe="$HALVIX_BUILD/tests/osys_win32_test.exe"
fresh_prefix osys-registry
out=$(mktemp -d)
trap '_halvix_end_prefix; rm -rf "$out"' EXIT

# Wine's helper processes, started by the first program of a prefix, keep
# the descriptors they inherit: programs here write to files, never pipes.
q() { # output file, command...
  local file=$1; shift
  win "$@" </dev/null >"$out/$file" 2>&1
}

# One test case of the executable, which must run (not be skipped) and pass.
run_case() { # filter
  q case.txt "$exe" --gtest_filter="$1" || { cat "$out/case.txt"; fail "$1 failed"; }
  grep -q '^\[  PASSED  \] 1 test' "$out/case.txt" && ! grep -q SKIPPED "$out/case.txt" ||
    { cat "$out/case.txt"; fail "$1 did not run"; }
}

HALVIX_REGISTRY_READBACK=1 run_case 'RegistryInFreshPrefix.WritesForAnOutsideReader'

q ostrel.txt reg query 'HKCU\Software\Ostrel\DrovaneX' /v Value || true
tr -d '\r' <"$out/ostrel.txt" | grep -Eq '^ +Value +REG_SZ +abc$' ||
  { cat "$out/ostrel.txt"; fail "the Drovane key is not under Software\\Ostrel with Value = abc"; }
if q korvex.txt reg query 'HKCU\Software\Korvex\DrovaneX'; then
  fail "the Drovane key was also made under Software\\Korvex"
fi
ok "Drovane under Software\\Korvex\\ is kept under Software\\Ostrel"

q plain.txt reg query 'HKCU\Software\DrovaneX' || fail "no key Software\\DrovaneX"
if grep -q 'REG_' "$out/plain.txt"; then
  cat "$out/plain.txt"; fail "the key made on opening is not empty"
fi
ok "under Software\\ the key is not redirected and is created empty"

q record.txt reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\HalvixProbe' /v UninstallPath || true
grep -Fq 'C:\Program Files\Probe' "$out/record.txt" || { cat "$out/record.txt"; fail "the value under root 0 is not there"; }
ok "a value under HKEY_LOCAL_MACHINE reads back"

q add.txt reg add 'HKCU\Software\Korvex\TESSEL4' /v HomePath /d 'C:\tessel home' /f || fail "reg add failed"
HALVIX_REGISTRY_EXPECTED='C:\tessel home' run_case 'RegistryInFreshPrefix.ReadsWhatAnOutsideWriterStored'
ok "a value stored by reg.exe reads back through REGISTRY::ReadString"
