# Version 10.0 over an installed 2.0: as texts 2.0 sorts after 10.0, so the
# installed version counts as higher: a new installation is offered, and
# both other choices are enabled. Then the wizard is cancelled.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
wait-dialog 2001
check checked 221
check enabled 222
check enabled 223
wait-dialog 10702
check text 10782 "Welcome to Quillpad 10.0"
press 2
answer no text="Setup is not complete yet. Do you want to continue the installation?"
wait-exit 0 timeout=30
