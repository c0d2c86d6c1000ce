#!/usr/bin/env python3
"""Extracts an archive on the host with Python's zipfile, for comparison
with the installer's copy: prints the seconds it took.

    host_extract.py ARCHIVE DIR
"""
import sys
import time
import zipfile

start = time.perf_counter()
with zipfile.ZipFile(sys.argv[1]) as z:
    z.extractall(sys.argv[2])
print(f"{time.perf_counter() - start:.2f}")
