# The frame of a language library (LIB) with its test page: a screenshot of
# the first, a middle and the final step (SHOT is the file name's start).
timeout 20
start ${TESTS}\setup_wizarddemo.exe ${LIB}
wait-dialog 9900
wait-dialog 10702
type @Edit "Korvex Demo"
screenshot ${SHOT}-1.png
dump ${SHOT}-1.txt
press 10781
wait-dialog 9900
wait-dialog 10702
check visible 10780
screenshot ${SHOT}-2.png
press 10781
wait-dialog 9900
wait-dialog 10702
check hidden 10781
screenshot ${SHOT}-3.png
dump ${SHOT}-3.txt
press 2
wait-exit 0
