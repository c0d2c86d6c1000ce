#!/usr/bin/env python3
"""Lays out the sample product's distribution folder, as it would be shipped.

    layout.py --zippack ZIPPACK --program QUILLPAD_EXE --setup SETUP_EXE
              --language DLL [--language DLL ...] --out OUT

Makes, under OUT:
  setup-tree/   the product's files as they are installed: samples/product,
                quillpad.exe and the empty folder backup/; what setup.fil holds
  custom-tree/  samples/custom: what custom.fil holds
  dist/         the distribution: samples/dist (setup.cfg, licence texts, the
                advertising file), setup.fil and custom.fil packed by our own
                packer, setup.exe and the language libraries

Every file and folder of the trees gets the same modification time, so that
the installed files' times can be compared with a known value, and
readme.txt is read-only in the tree, as a shipped file may be.
"""

import argparse
import os
import shutil
import stat
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
# 15 March 2024, 10:30:00 local time (an even second: ZIP keeps 2-second steps).
STAMP = time.mktime((2024, 3, 15, 10, 30, 0, 0, 0, -1))
READ_ONLY = ["readme.txt"]


def fresh(path):
    if path.exists():
        for p in path.rglob("*"):
            if p.is_file():
                p.chmod(stat.S_IWUSR | stat.S_IRUSR)
        shutil.rmtree(path)
    path.mkdir(parents=True)


def stamp_tree(root):
    for p in sorted(root.rglob("*"), key=lambda p: -len(p.parts)):
        os.utime(p, (STAMP, STAMP))
    os.utime(root, (STAMP, STAMP))


def pack(zippack, archive, tree):
    if archive.exists():
        archive.unlink()
    subprocess.run([zippack, "-q", str(archive), str(tree)], check=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--zippack", required=True)
    ap.add_argument("--program", required=True)
    ap.add_argument("--setup", required=True)
    ap.add_argument("--language", action="append", default=[])
    ap.add_argument("--out", required=True)
    a = ap.parse_args()
    out = Path(a.out)

    setup_tree = out / "setup-tree"
    fresh(setup_tree)
    shutil.copytree(HERE / "product", setup_tree, dirs_exist_ok=True)
    shutil.copy(a.program, setup_tree / "quillpad.exe")
    (setup_tree / "backup").mkdir(exist_ok=True)
    for name in READ_ONLY:
        (setup_tree / name).chmod(stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
    stamp_tree(setup_tree)

    custom_tree = out / "custom-tree"
    fresh(custom_tree)
    shutil.copytree(HERE / "custom", custom_tree, dirs_exist_ok=True)
    stamp_tree(custom_tree)

    dist = out / "dist"
    fresh(dist)
    for f in (HERE / "dist").iterdir():
        shutil.copy(f, dist / f.name)
    for f in [a.setup] + a.language:
        shutil.copy(f, dist / Path(f).name)
    pack(a.zippack, dist / "setup.fil", setup_tree)
    pack(a.zippack, dist / "custom.fil", custom_tree)
    return 0


if __name__ == "__main__":
    sys.exit(main())
