# The product TESSEL into ${DEST}, a folder that holds it already: no question.
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
type 201 ${DEST}
wait-dialog 10702
press 10781
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=120
press 10781
wait-dialog 2005
pick 223
wait-dialog 10702
press 10781
wait-dialog 2009
wait-dialog 10702
press 2
answer ok contains="has been installed"
wait-exit 0 timeout=30
