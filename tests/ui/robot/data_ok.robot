# OK takes every value back. Send is disabled while the edit is empty; the
# check box ticked by putting its value hides the label; the spin field has
# the id 65000 and limits its edit to 3 characters.
timeout 20
start ${TESTS}\ui_datademo.exe
wait-window "Controls test dialog"
check disabled 103
check checked 102
check hidden 111
check visible 65000
check checked 105
type 101 "hello"
check enabled 103
type 101 ""
check disabled 103
type 101 "x"
check enabled 103
untick 102
check visible 111
tick 102
check hidden 111
pick 106
type 109 "12345"
check text 109 "123"
press 112
press 112
press 1
wait-exit 0
