# A new installation of the sample in English, every page answered with its
# defaults, the licence printed on the way; dumps and screenshots of the
# pages into ${OUT}.
# A page's controls are used in the page (wait-dialog of its template), the
# buttons Back 10780, Next 10781 and Cancel 2 in the frame (10702).
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
answer ok title=Quillpad text="Please close Quillpad before you go on, if it is running."
wait-dialog 2001
dump ${OUT}\welcome-page.txt
wait-dialog 10702
dump ${OUT}\welcome.txt
screenshot ${OUT}\1-welcome.png
press 10781
wait-dialog 2003
screenshot ${OUT}\2-licence.png
press 101
wait-window title=Print class=#32770
press 1
wait-gone title=Print class=#32770
wait-dialog 10702
check disabled 10781
wait-dialog 2003
tick 241
wait-dialog 10702
check enabled 10781
wait-dialog 2003
untick 241
wait-dialog 10702
check disabled 10781
wait-dialog 2003
tick 241
wait-dialog 10702
press 10781
wait-dialog 2002
check text 201 "C:\Program Files\Korvex\Quillpad"
screenshot ${OUT}\3-destination.png
wait-dialog 10702
press 10781
wait-dialog 10702
wait enabled 10781 timeout=120
check enabled 2
check disabled 10780
wait-dialog 2004
check text 201 "All files have been copied. Click Next to continue."
screenshot ${OUT}\4-copy.png
wait-dialog 10702
press 10781
wait-dialog 2005
dump ${OUT}\shortcuts.txt
screenshot ${OUT}\5-shortcuts.png
wait-dialog 10702
press 10781
wait-dialog 2006
dump ${OUT}\advertising.txt
screenshot ${OUT}\6-advertising.png
wait-dialog 10702
press 10781
wait-dialog 2009
dump ${OUT}\finish.txt
screenshot ${OUT}\7-finish.png
wait-dialog 10702
press 2
answer ok title="Korvex Setup Quillpad" text="Quillpad has been installed successfully."
wait-exit 0 timeout=30
