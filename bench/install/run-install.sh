#!/usr/bin/env bash
# Times a whole install of a large product under Wine: 250 members packed by
# our own packer, 10 MiB and 100 MiB, driven by the robot from the first page
# to the last; beside it Python's zipfile extracting the same archive on the
# host. Also the peak memory (resident set) of setup.exe during each install,
# which must not grow with the archive.
#
#   bench/install/run-install.sh BUILD      (./run bench install)
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
product=$build/product
zippack=$product/hosttools/bin/zippack
for f in "$product/bin/setup.exe" "$product/bin/robot.exe" "$zippack"; do
  [ -e "$f" ] || { echo "run-install: $f is missing: run ./run build first"; exit 1; }
done

work=$build/bench-install
state=$work/machine
rm -rf "$work"; mkdir -p "$work"
"$root/tests/wine/machine.sh" up "$state" >/dev/null
trap '"$root/tests/wine/machine.sh" down "$state" >/dev/null 2>&1 || true' EXIT

# The resident-set peak (VmHWM, kB) of the process running setup.exe, polled
# until the robot ends; the last value read is the peak of the whole run.
# The process of this prefix that runs setup.exe.
find_setup() {
  local p
  for p in $(pgrep -f 'setup\.exe' || true); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -x "WINEPREFIX=$WINEPREFIX" >/dev/null && { echo "$p"; return; }
  done
}

watch_peak() { # robot-pid out-file
  local peak=0 pid="" v
  while kill -0 "$1" 2>/dev/null; do
    [ -n "$pid" ] && [ -r "/proc/$pid/status" ] || pid=$(find_setup)
    if [ -n "$pid" ]; then
      v=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
      [ -n "$v" ] && [ "$v" -gt "$peak" ] && peak=$v
    fi
    sleep 0.05
  done
  echo "$peak" >"$2"
}

for mib in 10 100; do
  dir=$work/p$mib
  mkdir -p "$dir/tree" "$dir/dist" "$dir/host"
  python3 "$here/make_product.py" "$dir/tree" 250 "$mib"
  "$zippack" -q "$dir/dist/setup.fil" "$dir/tree"
  cp "$product/bin/setup.exe" "$product"/bin/setup*.dll "$dir/dist/"
  printf '%s\n' "AppName=Bench" "AppVersion=1.0" "IniKey=Bench$mib" "InstallPath=*C:\\\\Bench$mib" \
    "StartmenuName=Bench" "NoCopyComplete=1" "NoFinalPopup=1" >"$dir/dist/setup.cfg"
  host_s=$(python3 "$here/host_extract.py" "$dir/dist/setup.fil" "$dir/host")

  clone=$state/clones/bench$mib
  "$root/tests/wine/machine.sh" clone "$state" "$clone"
  eval "$("$root/tests/wine/machine.sh" env "$state" "$clone")"
  "$root/tests/wine/machine.sh" serve "$clone"
  dist_w="Z:${dir//\//\\}\\dist"
  t0=$(date +%s.%N)
  "$HALVIX_WINE" "$product/bin/robot.exe" -D "DIST=$dist_w" "Z:${here//\//\\}\\install.robot" \
    >"$dir/robot.out" 2>"$dir/robot.err" &
  rpid=$!
  watch_peak "$rpid" "$dir/peak" &
  wpid=$!
  wait "$rpid" || { cat "$dir/robot.err"; exit 1; }
  t1=$(date +%s.%N)
  wait "$wpid"
  "$root/tests/wine/machine.sh" end "$clone"
  diff -rq "$dir/tree" "$clone/drive_c/Bench$mib" >/dev/null ||
    { echo "run-install: the installed tree differs from the product's"; exit 1; }
  printf 'install of 250 members, %3d MiB: setup.exe under Wine %6.2f s (whole wizard), peak resident set %s kB; Python zipfile on the host %s s\n' \
    "$mib" "$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')" "$(cat "$dir/peak")" "$host_s"
done
