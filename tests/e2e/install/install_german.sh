#!/usr/bin/env bash
# The sample installed in a German session (thread locale 0x407): the German
# library's texts, the German licence file and the German keys of setup.cfg
# and the advertising file, with the letters of Windows-1252 intact.
# Screenshots of every page stay in the test's output folder.
set -uo pipefail
. "$HALVIX_SOURCE/tests/e2e/install/lib.sh"
export LC_ALL=de_DE.UTF-8
fresh_prefix install-german
test_output install_german
DIST=$OUT/dist
dist "$DIST"
drive german.robot

texts() { iconv -f CP1252 -t UTF-8 "$OUT/$1"; }
expect_in() { # dump text
  texts "$1" | grep -F "$2" >/dev/null || fail "$1 lacks \"$2\""
}
expect_in welcome-page.txt 'Wählen Sie die Art der Installation:'
expect_in welcome.txt 'Dieses Programm installiert Quillpad 2.1, das Notizbuch für Ihre täglichen Texte, auf Ihrem Computer.'
expect_in licence.txt 'LIZENZVERTRAG FÜR Quillpad 2.1'
expect_in licence.txt 'Ich &nehme den Vertrag an'
expect_in destination-page.txt '&Durchsuchen...'
expect_in shortcuts-page.txt 'Symbol auf dem &Desktop anlegen'
expect_in advertising-page.txt 'Quillpad Sync hält Ihr Notizbuch überall auf dem neuesten Stand'
expect_in finish-page.txt 'Vielen Dank, dass Sie sich für Quillpad entschieden haben.'
ok "German texts from the library, setup.cfg, LIZENZ.TXT and the advertising file"
user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -1)
[ -e "$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillpad 2.1/Liesmich.LNK" ] ||
  fail "the German shortcut names"
ok "the German shortcut names"
