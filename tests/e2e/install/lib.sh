# Helpers of the install wizard's end-to-end tests: a copy of the sample
# distribution to install from, setup.cfg edits, the robot, the registry
# and the files the install leaves behind.
#
#   test_output NAME         the test's output folder OUT; the prefix's
#                            profile folders made its own (own_profile)
#   dist DIR                 copy the sample distribution into DIR
#   cfg_set DIR KEY VALUE    set KEY of DIR/setup.cfg (VALUE as the file has it)
#   cfg_del DIR KEY          remove KEY (and its language variants)
#   hook DIR                 the recording hook library as DIR/SETUPHOOK.dll;
#                            its record goes to DIR/hookcalls.txt
#   drive SCRIPT [-D N=V]... run a robot script of this folder with DIST and
#                            OUT (the test's output folder) defined
#   record [KEY]             "wine reg query" of the uninstall record of KEY
#                            (default Quillpad2), without CRs
#   record_value NAME [KEY]  one value of it
#   record_values [KEY]      how many values it holds (the driver opens, and so
#                            creates, the key at its start: a cancelled
#                            install leaves it empty)
#   hook_calls DIR           the hook record with handles made symbolic
#   shown_windows            the window trees of every visible top-level window
. "$HALVIX_SOURCE/tests/wine/lib.sh"

SAMPLE=$HALVIX_BUILD/sample
HERE=$HALVIX_SOURCE/tests/e2e/install
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# Wine links the profile's Desktop, Documents and the like to the Unix
# home; a test's shortcuts must stay in its own prefix, so those links
# become folders of the prefix.
own_profile() {
  local link
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    [ -L "$link" ] || continue
    rm "$link" && mkdir "$link"
  done
}

# A folder of this test's own, kept after the run for a look.
test_output() { # name
  own_profile
  OUT=$HALVIX_BUILD/e2e/$1
  rm -rf "$OUT"; mkdir -p "$OUT"
}

dist() { # dir
  rm -rf "$1"; mkdir -p "$1"
  cp -r "$SAMPLE/dist/." "$1/"
}

cfg_set() { # dir key value
  cfg_del "$1" "$2"
  printf '%s=%s\n' "$2" "$3" >>"$1/setup.cfg"
}

cfg_del() { # dir key
  sed -i "/^$2\(\.[A-Z]*\)\?=/d" "$1/setup.cfg"
}

hook() { # dir
  cp "$HALVIX_BUILD/tests/hooks/recordhook_both.dll" "$1/SETUPHOOK.dll"
  export HALVIX_HOOK_RECORD
  HALVIX_HOOK_RECORD=$(winpath "$1/hookcalls.txt")
}

drive() { # script [robot args...]
  local script=$1; shift
  robot -D "DIST=$(winpath "$DIST")" -D "OUT=$(winpath "$OUT")" "$@" "$(winpath "$HERE/$script")" \
    >"$OUT/robot.out" 2>"$OUT/robot.err" || { cat "$OUT/robot.err"; fail "$script"; }
  ok "$script"
}

record() { # [key]
  win reg query "$UNINSTALL_KEY\\${1:-Quillpad2}" 2>/dev/null | tr -d '\r'
}

record_values() { # [key]
  record "${1:-}" | grep -c '    REG_' || true
}

record_value() { # name [key]
  record "${2:-}" | sed -n "s/^    $1    REG_SZ    //p"
}

# The hook record with handles made symbolic so that a run compares with an
# expected text: the frame F, a step's page PAGE (codes 4 and 5 of one step
# must name the same one), the copy page's progress bar BAR (codes 6 and 7
# the same, not a page), the page functions f1, f2 ... in their order of
# appearance, the address of SetupCfg CFG. A broken rule adds a line that
# says so.
hook_calls() { # dir
  tr -d '\r' <"$1/hookcalls.txt" | python3 -c '
import re, sys
frames, funcs, step_page, bar = {}, {}, {}, set()
pages = set()
def name(table, prefix, v):
    if v == "0": return "0"
    return table.setdefault(v, prefix + str(len(table) + 1))
for line in sys.stdin:
    line = line.rstrip("\n")
    if line.startswith("attach "): line = "attach"
    m = re.match(r"NewSetupHook code=(\d+) value=(-?\d+) frame=(\w+) page=(\w+) pagefunc=(\w+) data=(\w+)", line)
    if m:
        code, value, fr, pg, fn, data = m.groups()
        if code == "0" and data != "0": data = "CFG"
        page = "0"
        if code == "4":
            step_page[value] = pg; pages.add(pg); page = "PAGE" if pg != "0" else "0"
        elif code == "5":
            page = "PAGE" if step_page.get(value) == pg and pg != "0" else "page=" + pg + " (not that of code 4)"
        elif code in ("6", "7", "8", "9"):
            bar.add(pg); page = "BAR" if pg != "0" and len(bar) == 1 and pg not in pages else "bar=" + pg + " (another)"
        line = "NewSetupHook code=%s value=%s frame=%s page=%s pagefunc=%s data=%s" % (
            code, value, name(frames, "F", fr), page, name(funcs, "f", fn), data)
    print(line)
'
}

shown_windows() {
  robot -D "OUT=$(winpath "$OUT")" "$(winpath "$HERE/windows.robot")" >"$OUT/windows.out" 2>&1 ||
    fail "robot dump-all: $(cat "$OUT/windows.out")"
  cat "$OUT/windows.txt"
}
