#!/usr/bin/env bash
# The language library follows "LANG" (a name, a number or a "-" switch with
# the next argument) and otherwise the thread locale, which Wine takes from
# LC_ALL. The box shows the first page's text from the chosen library, in the
# system's code page (so Hungarian needs the 1250 of hu_HU for all its letters).
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-language
app="$WINEPREFIX/drive_c/app"
layout "$app"

english="This wizard guides you through the installation step by step."
german="Dieser Assistent führt Sie Schritt für Schritt durch die Installation."
french="Cet assistant vous guide pas à pas tout au long de l'installation."
hungarian="Ez a varázsló lépésről lépésre végigvezeti Önt a telepítésen."
hungarian1252="Ez a varázsló lépésrol lépésre végigvezeti Önt a telepítésen."

check() { # locale expected-text args...
  local locale=$1 want=$2; shift 2
  if [ -n "$locale" ]; then
    LC_ALL=$locale setup_box 0 "text=\"$want\\r\\n\\r\\n[install mode: not built yet]\"" "$app/setup.exe" "$@"
  else
    setup_box 0 "text=\"$want\\r\\n\\r\\n[install mode: not built yet]\"" "$app/setup.exe" "$@"
  fi
  ok "${locale:-default locale} ${*:-(no arguments)}: $want"
}

check "" "$english"
check "" "$french" /LANG:FRENCH
check "de_DE.UTF-8" "$german"
check "de_DE.UTF-8" "$english" /LANG:ENGL
check "fr_FR.UTF-8" "$german" -LANG GER
check "hu_HU.UTF-8" "$hungarian"
# Under the 1252 code page of an English system the two Hungarian letters
# that Windows-1252 lacks become plain vowels: an ANSI program's nature.
check "" "$hungarian1252" /LANG:14
