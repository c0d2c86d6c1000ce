# The benchmark's install: every page passed as quickly as a user could, the
# copy moving on by itself (NoCopyComplete=1), no program group. A page's
# controls are used in the page, the buttons in the frame (10702).
# robot -D DIST=<distribution folder> install.robot
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-dialog 2001
wait-dialog 10702
press 10781
wait-dialog 2003
tick 241
wait-dialog 10702
press 10781
wait-dialog 2002
wait-dialog 10702
press 10781
wait-dialog 2005 timeout=900
pick 223
wait-dialog 10702
press 10781
wait-dialog 2009
wait-dialog 10702
press 2
wait-exit 0 timeout=60
