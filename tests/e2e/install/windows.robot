# Every visible top-level window into ${OUT}\windows.txt.
dump-all ${OUT}\windows.txt
