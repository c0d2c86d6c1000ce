# A product without IniKey: installed all the same.
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
type 201 "C:\\NoKey"
wait-dialog 10702
press 10781
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=60
press 10781
wait-dialog 2005
wait-dialog 10702
press 10781
wait-dialog 2009
wait-dialog 10702
press 2
answer ok contains="has been installed"
wait-exit 0 timeout=30
