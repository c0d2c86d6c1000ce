# The send dialog in a German run: the German library's layout, the German
# messages, and the closing button relabelled from Abbruch to Fertig.
timeout 30

start ${TESTS}\net_senddialog_probe.exe ${OUT}\german-short.txt ${BIN}\setupgerman.dll 7 ${SMTP} kurz@korvex.test "Text"
wait-dialog 2090
check text 2 "Abbruch"
type 1004 "abc"
press 1009
check text 2 "Fertig"
check disabled 1009
press 2
wait-exit 0

start ${TESTS}\net_senddialog_probe.exe ${OUT}\german-failed.txt ${BIN}\setupgerman.dll 7 nosuchhost.invalid fehler@korvex.test "Ein Text"
wait-dialog 2090
check text 2 "Abbruch"
press 1009
answer ok title="Internet Verbindung" text="Bitte klicken Sie auf OK, wenn Sie eine Internetverbindung hergestellt haben."
answer ok title="Send feedback" text="Es ist ein Fehler aufgetreten (Host not found). Bitte versuchen Sie es noch einmal oder schicken Sie den Text per Post, Fax oder mit Ihrem eigenen eMail Programm."
wait-dialog 2090
check text 1005 "Fehler: Host not found"
check text 2 "Fertig"
wait enabled 1009
press 2
wait-exit 0

start ${TESTS}\net_senddialog_probe.exe ${OUT}\german-sent.txt ${BIN}\setupgerman.dll 7 ${SMTP} gesendet@korvex.test "Vielen Dank"
wait-dialog 2090
press 1009
answer ok title="Internet Verbindung"
answer ok title="Send feedback" text="Die eMail wurde verschickt. Vielen Dank!"
wait-dialog 2090
check text 1005 "Die eMail wurde verschickt. Vielen Dank!"
check text 2 "Fertig"
press 2
wait-exit 0
