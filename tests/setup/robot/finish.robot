# Through every step to Finish: Next stays disabled while the name is empty,
# the radio choice is taken back, Cancel on the final step reads Finish and
# ends the wizard without a question.
timeout 20
start ${TESTS}\setup_wizarddemo.exe
wait-dialog 10702
wait-dialog 20001
wait-dialog 10702
check text 10782 "Welcome to the test product"
check hidden 10780
check disabled 10781
type @Edit "Product"
check enabled 10781
screenshot ${OUT}\frame-step1.png
press 10781
wait-dialog 20002
wait-dialog 10702
check checked 111
check visible 10780
pick 112
screenshot ${OUT}\frame-step2.png
press 10781
wait-dialog 20001
wait-dialog 10702
check text 10782 "Last step"
check hidden 10781
check hidden 10780
check text 2 "&Finish"
type @Edit "done"
screenshot ${OUT}\frame-step3.png
press 2
wait-exit 0
