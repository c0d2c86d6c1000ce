#!/usr/bin/env bash
# One prefix, four runs of setup.exe: version 2.0 installed; 10.0 over it
# (compared as texts, 2.0 is the higher: a new installation, cancelled);
# 2.1 over 2.0 (an update, InstallMode 2); 2.1 over 2.1 (the same version,
# InstallMode 1: the licence passed over both ways, the destination locked).
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
fresh_prefix install-versions
test_output install_versions

run_version() { # version script
  DIST=$OUT/dist-$1
  dist "$DIST"
  cfg_set "$DIST" AppVersion "$1"
  cfg_del "$DIST" WelcomeWarning
  hook "$DIST"
  drive "$2"
}
# The data of the copy's hook call: InstallMode as a number.
copy_mode() { hook_calls "$DIST" | sed -n 's/^NewSetupHook code=6 .* data=//p'; }

run_version 2.0 defaults.robot
[ "$(record_value DisplayVersion)" = 2.0 ] || fail "2.0 not recorded"
[ "$(copy_mode)" = 0 ] || fail "2.0: InstallMode $(copy_mode)"
ok "2.0 installed as a new installation"

run_version 10.0 versions-newer.robot
grep -q '^NewSetupHook code=1 value=0 ' <(hook_calls "$DIST") || fail "10.0: the cancelled wizard's hook call"
[ "$(record_value DisplayVersion)" = 2.0 ] || fail "10.0 changed the record"
ok "10.0 over 2.0: a new installation offered (text comparison), cancelled"

run_version 2.1 versions-update.robot
[ "$(copy_mode)" = 2 ] || fail "update: InstallMode $(copy_mode)"
[ "$(record_value DisplayVersion)" = 2.1 ] || fail "update not recorded"
ok "2.1 over 2.0: an update into the installed folder"

run_version 2.1 versions-reinstall.robot
[ "$(copy_mode)" = 1 ] || fail "reinstall: InstallMode $(copy_mode)"
# The licence page (step 2) passed over: its page function ran (code 4 and
# 5 with result -1), and no page of it ever waited for the user.
hook_calls "$DIST" | grep -c '^NewSetupHook code=5 value=2 .* data=ffffffffffffffff$' >"$OUT/passed"
[ "$(cat "$OUT/passed")" = 3 ] || fail "licence page passed over $(cat "$OUT/passed") times, not 3 (Next, Back, Next)"
ok "2.1 over 2.1: the same version again, licence passed over both ways, destination locked"
