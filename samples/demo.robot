# The demo's install of Quillpad 2.1 on a display of its own: every page is
# filled in as a user would and photographed into ${SHOTS}.
#
#   robot -D DIST=<distribution folder> -D SHOTS=<folder for the pictures> demo.robot
#
# Each page is awaited by its template id, which makes it the window acted
# in for its own controls; the frame (10702) is the window of the buttons
# Back 10780, Next 10781 and Cancel 2.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-window title=Quillpad class=#32770
# a moment for the box to be drawn
sleep 1
screenshot ${SHOTS}\0-welcome-warning.png
answer ok contains="Please close Quillpad"
wait-dialog 2001
wait-dialog 10702
screenshot ${SHOTS}\1-welcome.png
press 10781
wait-dialog 2003
wait-dialog 10702
screenshot ${SHOTS}\2-licence.png
wait-dialog 2003
tick 241
wait-dialog 10702
press 10781
wait-dialog 2002
wait-dialog 10702
screenshot ${SHOTS}\3-destination.png
press 10781
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=600
screenshot ${SHOTS}\4-copy.png
press 10781
wait-dialog 2005
wait-dialog 10702
screenshot ${SHOTS}\5-shortcuts.png
press 10781
wait-dialog 2006
wait-dialog 10702
screenshot ${SHOTS}\6-advertising.png
press 10781
wait-dialog 2009
wait-dialog 10702
screenshot ${SHOTS}\7-finish.png
press 2
wait-window title="Korvex Setup Quillpad" class=#32770
sleep 1
screenshot ${SHOTS}\8-final-message.png
answer ok contains="Quillpad"
wait-exit 0 timeout=60
