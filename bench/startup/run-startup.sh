#!/usr/bin/env bash
# Times setup.exe's start-up under a warm Wine: from process start to the
# mode dispatch (startup_to_dispatch.exe: setup.exe's own frame and
# SetupMain with mode entries that return at once), beside a Win32 program
# that does nothing but exit, in one hyperfine run. Prints both medians.
#
#   bench/startup/run-startup.sh BUILD     (BUILD: the folder holding product/)
#
# A private Wine machine is brought up for the run and taken down after it.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
product=$build/product
runs=${STARTUP_RUNS:-40}

if [ ! -f "$product/CMakeCache.txt" ]; then
  echo "run-startup: no product build in $product (./run build makes it)" >&2
  exit 1
fi
cmake --build "$product" --target startup_to_dispatch exit_only languages -j 2 >/dev/null

state="$build/bench-machine-$$"
"$root/tests/wine/machine.sh" up "$state" >/dev/null
trap '"$root/tests/wine/machine.sh" down "$state" >/dev/null; rm -rf "$state"' EXIT
# shellcheck disable=SC1091
. "$state/env"

# The program and the English library it loads, in a folder of the prefix.
dir="$WINEPREFIX/drive_c/bench"
mkdir -p "$dir"
cp "$product/bench/startup_to_dispatch.exe" "$product/bench/exit_only.exe" "$product/bin/setupenglish.dll" "$dir/"
# setup.exe loads "setup" + "english.dll" from its home directory.
"$HALVIX_WINE" 'C:\bench\startup_to_dispatch.exe'
"$HALVIX_WINE" 'C:\bench\exit_only.exe'

json="$state/startup.json"
hyperfine --shell=none --warmup 5 --runs "$runs" --export-json "$json" \
  --command-name "setup.exe to the mode dispatch" "$HALVIX_WINE $dir/startup_to_dispatch.exe" \
  --command-name "a program that only exits" "$HALVIX_WINE $dir/exit_only.exe"

python3 - "$json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
for r in results:
    print(f"median {r['median'] * 1000:7.1f} ms  {r['command']}")
a, b = results[0]["median"], results[1]["median"]
print(f"setup.exe's own start-up: {1000 * (a - b):.1f} ms above the bare program start")
PY
