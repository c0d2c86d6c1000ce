# An unattended install of Quillpad 2.1: every page of the wizard answered as
# a user would, with the defaults the distribution offers (program group for
# the current user, desktop icon), the licence accepted.
#
#   robot -D DIST=<the distribution folder> unattended.robot
#
# Run it on the computer (or in the Wine prefix) to install on, beside
# nothing else: robot.exe starts setup.exe itself. See README.md.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
# The welcome page; the warning of setup.cfg comes first.
answer ok contains="Please close Quillpad"
wait-dialog 2001
press 10781
wait-dialog 2003
tick 241
press 10781
wait-dialog 2002
press 10781
# The copy page: Next is enabled once every file is in place.
wait-dialog 2004
wait enabled 10781 timeout=600
press 10781
wait-dialog 2005
press 10781
wait-dialog 2006
press 10781
wait-dialog 2009
press 2
answer ok contains="Quillpad"
wait-exit 0 timeout=60
