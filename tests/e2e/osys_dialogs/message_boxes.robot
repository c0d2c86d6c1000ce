# The message boxes of OSYS, shown by osys_dialog_probe.exe, which writes the
# answer into ${OUT}\<case>.txt. The probe's string 10001, the default
# caption, is "Probe default caption".
timeout 20

start ${TESTS}\osys_dialog_probe.exe ${OUT}\yes.txt yesno "Question" "Go on?"
answer yes title="Question" text="Go on?"
wait-exit 0

start ${TESTS}\osys_dialog_probe.exe ${OUT}\no.txt yesno - "Go on?"
answer no title="Probe default caption" text="Go on?"
wait-exit 0

start ${TESTS}\osys_dialog_probe.exe ${OUT}\info.txt info - "Done."
wait-window title="Probe default caption"
dump ${OUT}\info-box.txt
answer ok title="Probe default caption" text="Done."
wait-exit 0

start ${TESTS}\osys_dialog_probe.exe ${OUT}\error.txt error "Uninst" "Cannot copy to temp."
answer ok title="Uninst" text="Cannot copy to temp."
wait-exit 0
