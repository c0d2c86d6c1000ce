# The close box ends the dialog with 2 and takes the values back.
timeout 20
start ${TESTS}\ui_datademo.exe
wait-window "Controls test dialog"
pick 104
type 101 "closed"
close
wait-exit 0
