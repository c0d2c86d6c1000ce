# Drives the robot's test dialog through every command the robot offers.
# Run by drive_test.sh, which defines OUT (where dumps, logs and the
# screenshot go) and checks what lands there.
timeout 10

# Arguments reach the program as it parses them, blanks, quotes and
# trailing backslashes included; the program exits with their number.
run exit=4 ${TESTS}\robot_testdlg.exe /args ${OUT}\args.txt plain "two words" "say \"hi\"" "dir with space\\"

start ${TESTS}\robot_testdlg.exe ${OUT}\log.txt
wait-dialog 100
check text . "Robot test dialog"
dump ${OUT}\initial.txt

# The page inside the dialog: a child dialog, found by its template id.
wait-dialog 101
check unchecked 2001
tick 2001
check checked 2001
type 2002 "page text"

wait-window "Robot test dialog" class=#32770
check disabled 1002
type 1001 "robox"
type 1001 "robot"
check text 1001 "robot"
check enabled 1002
tick 1003
untick 1003
tick 1003
check checked 1003
pick 1005
check unchecked 1004
choose 1006 Banana
check text 1006 Banana
choose 1007 index=2
check text 1007 Large
read 1007 size
echo "size=${size}"

# A message box, answered after a look at its text.
press 1008
answer yes title="Robot question" contains="like robots"
check text 1009 "answer: yes"

# The system's Save As dialog: a name typed into its name field, then Save.
press 1010
wait-window "Save As" class=#32770
check hidden 1040
check visible @Button=Save
type 1148 "${OUT}\saved.txt"
press 1
wait-window "Robot test dialog"
wait contains 1011 "saved.txt"

# Wine's help viewer cannot find the help file and asks whether to look.
press 1012
answer no title=ERROR contains="Cannot find"
wait text 1013 "help: returned 1"

# Apply takes a moment: then the page goes and Done becomes enabled.
press 1002
wait-gone id=101
wait enabled 1
dump ${OUT}\applied.txt
dump-all ${OUT}\display.txt
screenshot ${OUT}\screen.png
press 1
wait-exit 123

# A second run, ended by its close box.
start ${TESTS}\robot_testdlg.exe
wait-dialog 100
sleep 0.2
close
wait-gone
wait-exit 200
