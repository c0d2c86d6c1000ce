# The print job with the interactive print dialog: OK prints on the chosen
# (default) printer.
timeout 20
start ${TESTS}\ui_printjob.exe ask
wait-window "Print" class=#32770
press 1
wait-exit 0
