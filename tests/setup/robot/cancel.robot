# Cancel on the middle step: Yes keeps the wizard on that step (a new page),
# No ends it; the close box there shows the step again.
timeout 20
start ${TESTS}\setup_wizarddemo.exe
wait-dialog 10702
type @Edit "Product"
press 10781
wait-dialog 20002
wait-dialog 10702
pick 112
press 2
answer yes title="Test Setup" text="Continue the test installation?"
wait-dialog 20002
wait-dialog 10702
check text 10782 "Second step"
check checked 112
close
wait-dialog 20002
wait-dialog 10702
check text 10782 "Second step"
press 10780
wait-dialog 20001
wait-dialog 10702
check text @Edit "Product"
press 10781
wait-dialog 20002
wait-dialog 10702
press 2
answer no title="Test Setup"
wait-exit 0
