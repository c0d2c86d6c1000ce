#!/usr/bin/env python3
"""Checks the sources of the language libraries and the ids the code uses.

    check_sources.py SOURCE_ROOT

- Every language script (resources/<language>/language.rc) names its code
  page with #pragma code_page, and every file of that language decodes in it
  and holds no UTF-8 sequence (the mark of a file saved in the wrong code
  page, whose letters would come out as two wrong ones each).
- Every string table holds each id of resources/langstrings.def exactly once
  and nothing else.
- Every language string id the code passes as a number to
  OSYS::GetStringFromResource or LanguageString is in the list (ids named
  through LANGSTR:: are checked by the compiler).
Prints one line per fault and exits 1 when there is any.
"""

import re
import sys
from pathlib import Path

CODE_DIRS = ["foundation", "osys", "ui", "unzip", "net", "setup", "order", "tools"]
UTF8_SEQUENCE = re.compile(rb"[\xc2-\xf4][\x80-\xbf]+")
PRAGMA = re.compile(rb"#pragma\s+code_page\((\d+)\)")
TABLE_ENTRY = re.compile(rb"^\s*(\d+)\s*,\s*\"", re.M)
DEF_ENTRY = re.compile(r"^LANGSTRING\((\d+),", re.M)
CALL = re.compile(r"\b(?:GetStringFromResource|LanguageString)\s*\(\s*(\d+)")


def listed_ids(root):
    ids = DEF_ENTRY.findall((root / "resources/langstrings.def").read_text())
    return [int(i) for i in ids]


def check_language(directory, ids, faults):
    script = (directory / "language.rc").read_bytes()
    pragma = PRAGMA.search(script)
    if not pragma:
        faults.append(f"{directory.name}: language.rc names no code page")
        return
    codec = "cp" + pragma.group(1).decode()
    for f in sorted(directory.iterdir()):
        data = f.read_bytes()
        try:
            data.decode(codec)
        except UnicodeDecodeError as e:
            faults.append(f"{f}: byte {e.start} is no character of {codec}")
        m = UTF8_SEQUENCE.search(data)
        if m:
            line = data[: m.start()].count(b"\n") + 1
            faults.append(f"{f}:{line}: UTF-8 bytes in a {codec} file")
    table = directory / "strings.rc"
    found = [int(i) for i in TABLE_ENTRY.findall(table.read_bytes())]
    for i in sorted(set(found)):
        if found.count(i) > 1:
            faults.append(f"{table}: {i} appears {found.count(i)} times")
    for i in sorted(set(ids) - set(found)):
        faults.append(f"{table}: {i} is missing")
    for i in sorted(set(found) - set(ids)):
        faults.append(f"{table}: {i} is not in resources/langstrings.def")


def check_code(root, ids, faults):
    known = set(ids)
    for d in CODE_DIRS:
        for f in sorted((root / d).rglob("*")):
            if f.suffix not in (".cpp", ".h"):
                continue
            text = f.read_text(errors="replace")
            for m in CALL.finditer(text):
                if int(m.group(1)) not in known:
                    line = text[: m.start()].count("\n") + 1
                    faults.append(f"{f}:{line}: language string {m.group(1)} is in no list")


def main():
    root = Path(sys.argv[1])
    ids = listed_ids(root)
    faults = []
    languages = [d for d in sorted((root / "resources").iterdir()) if (d / "language.rc").exists()]
    if len(languages) < 4:
        faults.append(f"only {len(languages)} language scripts found")
    for d in languages:
        check_language(d, ids, faults)
    check_code(root, ids, faults)
    for f in faults:
        print("FAIL:", f)
    print(f"{len(ids)} language strings, {len(languages)} languages, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
