# Cancel leaves every bound value as it was.
timeout 20
start ${TESTS}\ui_datademo.exe
wait-window "Controls test dialog"
type 101 "changed"
pick 104
type 109 "7"
press 2
wait-exit 0
