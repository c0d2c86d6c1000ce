# The sample installed in German: every page photographed and dumped.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-window title=Quillpad class=#32770
sleep 1
screenshot ${OUT}\0-warnung.png
answer ok title=Quillpad
wait-dialog 2001
dump ${OUT}\welcome-page.txt
wait-dialog 10702
dump ${OUT}\welcome.txt
screenshot ${OUT}\1-willkommen.png
press 10781
wait-dialog 2003
check contains 201 "Bitte lesen Sie diesen Vertrag"
tick 241
wait-dialog 10702
dump ${OUT}\licence.txt
screenshot ${OUT}\2-lizenz.png
press 10781
wait-dialog 2002
dump ${OUT}\destination-page.txt
wait-dialog 10702
screenshot ${OUT}\3-ziel.png
press 10781
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=120
screenshot ${OUT}\4-kopieren.png
dump ${OUT}\copy.txt
press 10781
wait-dialog 2005
dump ${OUT}\shortcuts-page.txt
wait-dialog 10702
screenshot ${OUT}\5-verknuepfungen.png
press 10781
wait-dialog 2006
dump ${OUT}\advertising-page.txt
wait-dialog 10702
screenshot ${OUT}\6-werbung.png
press 10781
wait-dialog 2009
dump ${OUT}\finish-page.txt
wait-dialog 10702
screenshot ${OUT}\7-fertig.png
press 2
wait-window class=#32770 title="Korvex Installation Quillpad"
sleep 1
screenshot ${OUT}\8-meldung.png
answer ok contains="Quillpad"
wait-exit 0 timeout=30
