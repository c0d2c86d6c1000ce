# The send dialog in English, shown by net_senddialog_probe.exe, which writes
# what came of it into ${OUT}\<case>.txt. ${SMTP} is a server that accepts
# every mail.
timeout 30

# A text of three characters sends nothing; the closing button reads Done.
start ${TESTS}\net_senddialog_probe.exe ${OUT}\short.txt ${BIN}\setupenglish.dll 9 ${SMTP} short@korvex.test "Some text"
wait-dialog 2090
check text . "Send feedback"
check text 1001 "short@korvex.test"
check text 2 "Cancel"
dump ${OUT}\senddialog.txt
type 1004 "abc"
press 1009
check disabled 1009
check enabled 2
check text 2 "Done"
check text 1005 ""
press 2
wait-exit 0

# A changed subject and a text of two lines arrive as they were typed.
start ${TESTS}\net_senddialog_probe.exe ${OUT}\changed.txt ${BIN}\setupenglish.dll 9 ${SMTP} changed@korvex.test "Some text"
wait-dialog 2090
type 1003 "Changed subject"
type 1004 "Dear shop,\nthe program works."
press 1009
answer ok title="Internet Connection" text="Please press OK when an Internet connection is available"
answer ok title="Send feedback" text="Your mail has been sent. Thank you!"
wait-dialog 2090
check text 1005 "Your mail has been sent. Thank you!"
check disabled 1009
check text 2 "Done"
press 2
wait-exit 0

# A failed send names the error and lets Send be pressed again.
start ${TESTS}\net_senddialog_probe.exe ${OUT}\failed.txt ${BIN}\setupenglish.dll 9 nosuchhost.invalid failed@korvex.test "Some text"
wait-dialog 2090
press 1009
answer ok title="Internet Connection"
answer ok title="Send feedback" text="An error occurred (Host not found)!  Please try the send button again or use fax/mail or your own email program to send the text."
wait-dialog 2090
check text 1005 "Error: Host not found"
wait enabled 1009
check text 2 "Done"
press 1009
answer ok title="Internet Connection"
answer ok title="Send feedback" contains="(Host not found)"
wait-dialog 2090
wait enabled 1009
press 2
wait-exit 0
