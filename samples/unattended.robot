# An unattended install of Quillpad 2.1: every page of the wizard answered as
# a user would, with the defaults the distribution offers (program group for
# the current user, desktop icon), the licence accepted.
#
#   robot -D DIST=<the distribution folder> unattended.robot
#
# robot.exe starts setup.exe itself; see README.md. Each page is awaited by
# its template id, which makes it the window acted in for its own controls;
# the frame (10702) is the window of the buttons Back 10780, Next 10781 and
# Cancel 2.
timeout 30
start cwd=${DIST} ${DIST}\setup.exe
# The warning of setup.cfg comes before the welcome page.
answer ok contains="Please close Quillpad"
wait-dialog 2001
wait-dialog 10702
press 10781
wait-dialog 2003
tick 241
wait-dialog 10702
press 10781
wait-dialog 2002
wait-dialog 10702
press 10781
# The copy page: Next is enabled once every file is in place.
wait-dialog 2004
wait-dialog 10702
wait enabled 10781 timeout=600
press 10781
wait-dialog 2005
wait-dialog 10702
press 10781
wait-dialog 2006
wait-dialog 10702
press 10781
wait-dialog 2009
wait-dialog 10702
press 2
answer ok contains="Quillpad"
wait-exit 0 timeout=60
