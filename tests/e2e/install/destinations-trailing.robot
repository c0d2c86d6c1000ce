# A destination typed with a trailing backslash (after a text longer than
# the field takes); NoCopyComplete moves on by itself; no program group,
# but the desktop icon.
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
type 201 "C:\A folder name that is far too long for the field of the destination page"
check text 201 "C:\A folder name that is far too long for the field of the desti"
type 201 "C:\\Quill\\"
wait-dialog 10702
press 10781
wait-dialog 2005 timeout=120
pick 223
check checked 241
wait-dialog 10702
press 10781
wait-dialog 2006
wait-dialog 10702
press 10781
wait-dialog 2009
wait-dialog 10702
press 2
answer ok contains="has been installed"
wait-exit 0 timeout=30
