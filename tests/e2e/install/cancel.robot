# The wizard cancelled on the destination page: the cancel question
# answered No ends it; no final message follows.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-dialog 2001
wait-dialog 10702
press 10781
wait-dialog 2003
wait-dialog 10702
check disabled 10781
wait-dialog 2003
tick 241
wait-dialog 10702
press 10781
wait-dialog 2002
wait-dialog 10702
press 2
answer yes text="Setup is not complete yet. Do you want to continue the installation?"
wait-dialog 2002
wait-dialog 10702
press 2
answer no text="Setup is not complete yet. Do you want to continue the installation?"
wait-exit 0 timeout=30
