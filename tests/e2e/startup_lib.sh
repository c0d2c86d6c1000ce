# Helpers of the start-up's end-to-end tests: lay setup.exe out in a folder
# of a fresh prefix and drive it with the robot (docs/robot.md).
#
#   layout DIR [FILE...]       copy setup.exe (and the four language libraries
#                              unless FILEs are named: then only those) into DIR
#   hook DIR VARIANT           put the recording hook library VARIANT (both,
#                              nonew, nosetup) into DIR as SETUPHOOK.dll
#   robot_script WHAT          run the robot script read from stdin (UTF-8,
#                              converted to the ANSI code page that LC_ALL
#                              gives the programs); fail with WHAT when a step
#                              fails. Its output is in $ROBOT_OUT.
#   setup_box CODE CHECK PROGRAM [ARG...]
#                              start PROGRAM (a Unix path) with ARGs, answer its
#                              message box with OK after checking it (CHECK:
#                              the robot's answer options, e.g. contains="..."),
#                              and expect exit code CODE
#   cpath PATH                 PATH as the prefix's programs see it (C:\...)
#   log_of DIR                 logit.log of DIR without CRs
#   NO_CFG                     the check of the install mode's box in a folder
#                              without setup.cfg (captioned with string 2900)
. "$HALVIX_SOURCE/tests/wine/lib.sh"

BIN=$HALVIX_BUILD/bin

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

# The path as the programs of the prefix see it: drive C: for what lies in
# the prefix's drive_c, else Z:.
cpath() {
  case "$1" in
    "$WINEPREFIX/drive_c/"*) local rest=${1#"$WINEPREFIX/drive_c/"}; printf 'C:\\%s' "${rest//\//\\}" ;;
    *) winpath "$1" ;;
  esac
}

# The ANSI code page of programs started with the current LC_ALL.
ansi_codepage() {
  case "${LC_ALL:-}" in
    hu_*|cs_*|pl_*|sk_*|sl_*|hr_*|ro_*) echo CP1250 ;;
    *) echo CP1252 ;;
  esac
}

# A word of a robot script: in double quotes, backslashes and quotes escaped.
rq() { local w=${1//\\/\\\\}; printf '"%s"' "${w//\"/\\\"}"; }

ROBOT_OUT=""
robot_script() { # what
  local script="$WINEPREFIX/step.robot"
  ROBOT_OUT="$WINEPREFIX/robot.out"
  iconv -f UTF-8 -t "$(ansi_codepage)" >"$script" || fail "$1: the script does not fit the code page"
  robot "$(winpath "$script")" >"$ROBOT_OUT" 2>"$WINEPREFIX/robot.err" || {
    cat "$WINEPREFIX/robot.err"; fail "$1"; }
}

setup_box() { # code check program [args...]
  local code=$1 check=$2 program=$3; shift 3
  local args="" a
  for a in "$@"; do args+=" $(rq "$a")"; done
  robot_script "$(basename "$program") $* (${LC_ALL:-default locale}): $check, exit code $code" <<ROBOT
timeout 30
start $(rq "$(cpath "$program")")$args
answer ok $check
wait-exit $code
ROBOT
}

log_of() { tr -d '\r' <"$1/logit.log"; }

# The install mode, run where there is no setup.cfg, says so and ends.
NO_CFG='text="File SETUP.CFG not found.\r(Program already installed?)"'
