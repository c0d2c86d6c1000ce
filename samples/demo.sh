#!/usr/bin/env bash
# The demo: installs the sample product, Quillpad 2.1, with setup.exe under
# the Wine machine that ./run demo made (its environment is exported here).
#
#   samples/demo.sh PRODUCT_BUILD_DIR [install|uninstall|order]
#
# With a display of the user's (USER_DISPLAY), the wizard is shown there for
# a person to click through. Without one it runs on the machine's private
# display, driven by samples/demo.robot, which photographs every page into
# PRODUCT_BUILD_DIR/demo/. Then it prints what was installed: the files, the
# uninstall record as "wine reg query" shows it, and the shortcuts as lnkinfo
# reads them.
set -uo pipefail
product=$(cd "${1:?usage: demo.sh PRODUCT_BUILD_DIR [install|uninstall|order]}" && pwd)
mode=${2:-install}
here=$(cd "$(dirname "$0")" && pwd)

case "$mode" in
  install) ;;
  uninstall|order)
    echo "The $mode mode of setup.exe is not built yet; ./run demo install shows the installer."
    exit 0 ;;
  *) echo "demo.sh: unknown mode '$mode' (install, uninstall or order)"; exit 2 ;;
esac

: "${WINEPREFIX:?run through ./run demo}" "${HALVIX_WINE:?run through ./run demo}"
say() { printf '\033[1m== %s\033[0m\n' "$*"; }
winpath() { local p; p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); printf 'Z:%s' "${p//\//\\}"; }

dist_src=$product/sample/dist
for f in setup.exe setup.fil custom.fil setup.cfg; do
  [ -e "$dist_src/$f" ] || { echo "demo.sh: $dist_src/$f is missing (the build lays the sample out)"; exit 1; }
done
# Wine links the profile's Desktop and Documents to the Unix home: the
# demo's shortcuts stay inside the machine's prefix instead.
for link in "$WINEPREFIX"/drive_c/users/*/*; do
  [ -L "$link" ] && rm "$link" && mkdir "$link"
done

out=$product/demo
rm -rf "$out"; mkdir -p "$out/shots"
cp -r "$dist_src" "$out/dist"

if [ -n "${USER_DISPLAY:-}" ]; then
  say "Quillpad 2.1's setup is on your display ($DISPLAY): click through it"
  (cd "$out/dist" && "$HALVIX_WINE" setup.exe) || { echo "demo.sh: setup.exe failed"; exit 1; }
else
  say "no display of yours: the robot installs Quillpad 2.1 on a private display"
  # The robot's script waits for the English texts.
  if ! LC_ALL=en_US.UTF-8 "$HALVIX_WINE" "$product/bin/robot.exe" -D "DIST=$(winpath "$out/dist")" \
       -D "SHOTS=$(winpath "$out/shots")" "$(winpath "$here/demo.robot")" \
       >"$out/robot.out" 2>"$out/robot.err"; then
    cat "$out/robot.err"
    echo "demo.sh: the robot's install failed"
    exit 1
  fi
  say "screenshots of every page"
  ls -1 "$out/shots" | sed "s|^|  $out/shots/|"
fi

installed=$(find "$WINEPREFIX/drive_c" -path '*/Korvex/Quillpad' -type d | head -1)
say "installed files (${installed:-nothing found})"
[ -n "$installed" ] && (cd "$installed" && find . -mindepth 1 | sort | sed 's|^\./|  |')

say "the uninstall record"
"$HALVIX_WINE" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillpad2' 2>/dev/null |
  tr -d '\r' | sed 's/^/  /'

say "shortcuts"
find "$WINEPREFIX/drive_c/users" \( -iname '*.lnk' -o -iname '*.url' \) 2>/dev/null | sort | while read -r f; do
  echo "  ${f#"$WINEPREFIX"/}"
  case "$f" in
    *.[lL][nN][kK]) lnkinfo "$f" 2>/dev/null | grep -E 'Description|Relative path|Command line arguments|Working directory|Icon location|Local path' | sed 's/^\s*/    /' ;;
    *) tr -d '\r' <"$f" | sed 's/^/    /' ;;
  esac
done
