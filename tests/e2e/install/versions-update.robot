# Version 2.1 over an installed 2.0: an update. The destination is the
# installed one and cannot be changed.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-dialog 2001
check checked 223
check disabled 222
check enabled 223
wait-dialog 10702
press 10781
wait-dialog 2003
tick 241
wait-dialog 10702
press 10781
wait-dialog 2002
check text 201 "C:\Program Files\Korvex\Quillpad"
check disabled 201
check disabled 101
wait-dialog 10702
press 10781
answer yes title="Replace Existing File" contains="Your letter template (letter.qpt) may hold your own changes."
answer no title="Replace Existing File" contains="templates/company.qpt"
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=120
press 10781
wait-dialog 2005
check checked 221
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
