# The file dialogs of OSYS, shown by osys_dialog_probe.exe, which writes what
# the call returned into ${OUT}\<case>.txt. C:\d holds a.txt and b.txt.
timeout 20

# Save: the filter text ".txt" LF "Text|*.txt" gives one filter and the
# default extension, which a name typed without extension receives.
start ${TESTS}\osys_dialog_probe.exe ${OUT}\save.txt save "Save probe" C:\d\proposed ".txt\nText|*.txt"
wait-window title="Save probe"
check text 1148 "proposed"
dump ${OUT}\save-dialog.txt
type 1148 "order"
press 1
wait-exit 0

# A name ending in "." keeps the dialog from adding the extension; the "."
# is not part of the result.
start ${TESTS}\osys_dialog_probe.exe ${OUT}\dot.txt save "Dot probe" C:\d ".txt\nText|*.txt"
wait-window title="Dot probe"
type 1148 "notes."
press 1
wait-exit 0

# Cancel gives null.
start ${TESTS}\osys_dialog_probe.exe ${OUT}\cancel.txt save "Cancel probe" C:\d\x.txt -
wait-window title="Cancel probe"
press 2
wait-exit 0

# Multiple selection: every chosen file, as directory and name.
start ${TESTS}\osys_dialog_probe.exe ${OUT}\many.txt openmany "Many probe" C:\d -
wait-window title="Many probe"
type 1148 "\"a.txt\" \"b.txt\""
press 1
wait-exit 0

# One file chosen where several may be: a list of one.
start ${TESTS}\osys_dialog_probe.exe ${OUT}\one.txt openmany "One probe" C:\d -
wait-window title="One probe"
type 1148 "b.txt"
press 1
wait-exit 0

# The open dialog with a single choice.
start ${TESTS}\osys_dialog_probe.exe ${OUT}\open.txt open "Open probe" C:\d\a.txt -
wait-window title="Open probe"
check text 1148 "a.txt"
press 1
wait-exit 0
