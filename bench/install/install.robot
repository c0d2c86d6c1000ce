# The benchmark's install: every page passed as quickly as a user could, the
# copy moving on by itself (NoCopyComplete=1), no program group.
# robot -D DIST=<distribution folder> install.robot
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-dialog 2001
press 10781
wait-dialog 2003
tick 241
press 10781
wait-dialog 2002
press 10781
wait-dialog 2005 timeout=900
pick 223
press 10781
wait-dialog 2009
press 2
wait-exit 0 timeout=60
