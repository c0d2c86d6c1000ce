# A damaged member: the retry question answered Yes (it fails again), then
# No: the copy is abandoned with Back and Cancel enabled and Next not. Back
# to the destination page, then the wizard is cancelled.
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
type 201 "C:\\Damaged"
wait-dialog 10702
press 10781
answer yes title="Korvex Setup" contains="The file b/c.txt could not be installed."
answer no title="Korvex Setup" contains="Please close Small"
wait-dialog 2004
wait-dialog 10702
wait enabled 10780
check enabled 2
check disabled 10781
press 10780
wait-dialog 2002
wait-dialog 10702
press 2
answer no text="Setup is not complete yet. Do you want to continue the installation?"
wait-exit 0 timeout=30
