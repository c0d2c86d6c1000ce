# Version 2.1 over the installed 2.1: the same version again. The licence
# page is passed over in both directions, the destination is locked, the
# shortcuts page offers no program group and an unticked desktop icon.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-dialog 2001
check checked 222
check enabled 222
check disabled 223
wait-dialog 10702
press 10781
wait-dialog 2002
check disabled 201
check disabled 101
wait-dialog 10702
check text 10782 "Destination Folder"
press 10780
wait-dialog 2001
check checked 222
wait-dialog 10702
press 10781
wait-dialog 2002
wait-dialog 10702
press 10781
answer yes title="Replace Existing File" contains="Your letter template (letter.qpt) may hold your own changes."
answer no title="Replace Existing File" contains="templates/company.qpt"
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=120
press 10781
wait-dialog 2005
check checked 223
check unchecked 241
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
