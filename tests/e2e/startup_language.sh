#!/usr/bin/env bash
# The language library follows "LANG" (a name, a number or a "-" switch with
# the next argument) and otherwise the thread locale, which Wine takes from
# LC_ALL. The install mode's box (there is no setup.cfg here) is captioned with
# the chosen library's installer caption, string 2900, in the system's code
# page (so Hungarian needs the 1250 of hu_HU for all its letters).
set -u
. "$HALVIX_SOURCE/tests/e2e/startup_lib.sh"
fresh_prefix startup-language
app="$WINEPREFIX/drive_c/app"
layout "$app"

english="Korvex Setup"
german="Korvex Installation"
french="Installation de Korvex"
hungarian="Korvex telepítő"
hungarian1252="Korvex telepíto"

check() { # locale expected-text args...
  local locale=$1 want=$2; shift 2
  if [ -n "$locale" ]; then
    LC_ALL=$locale setup_box 0 "title=\"$want\" $NO_CFG" "$app/setup.exe" "$@"
  else
    setup_box 0 "title=\"$want\" $NO_CFG" "$app/setup.exe" "$@"
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
