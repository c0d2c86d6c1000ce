#!/usr/bin/env python3
"""One line with the total of tests passed and failed over the given result
folders. Each folder holds ctest's JUnit report (ctest-junit.xml) and the
GoogleTest XML report of every test executable (<test name>.xml), and
possibly fuzz.txt. A GoogleTest executable counts its cases; any other ctest
test (scripts, end-to-end runs) counts as one. An executable that failed
without a report of its own, or whose report shows no failure although ctest
saw one (a crash after the cases ran), adds one failure."""
import os
import sys
import xml.etree.ElementTree as ET


def gtest_counts(path):
    root = ET.parse(path).getroot()
    passed = failed = 0
    for case in root.iter("testcase"):
        if case.get("status") == "notrun" or case.get("result") == "skipped":
            continue
        if case.find("failure") is not None:
            failed += 1
        else:
            passed += 1
    return passed, failed


def folder_counts(folder):
    passed = failed = 0
    failures = []
    junit = os.path.join(folder, "ctest-junit.xml")
    if not os.path.exists(junit):
        return 0, 1, [f"{folder}: no ctest report"]
    for case in ET.parse(junit).getroot().iter("testcase"):
        name = case.get("name")
        ok = case.get("status") in ("run", "passed", None) and case.find("failure") is None
        if case.get("status") == "disabled" or case.find("skipped") is not None:
            continue
        report = os.path.join(folder, name + ".xml")
        if os.path.exists(report):
            p, f = gtest_counts(report)
            passed += p
            failed += f
            if not ok and f == 0:
                failed += 1
            if not ok:
                failures.append(name)
        else:
            if ok:
                passed += 1
            else:
                failed += 1
                failures.append(name)
    fuzz = os.path.join(folder, "fuzz.txt")
    if os.path.exists(fuzz):
        for line in open(fuzz):
            if line.endswith("passed\n"):
                passed += 1
            elif line.endswith("failed\n"):
                failed += 1
                failures.append(line.split()[1])
    return passed, failed, failures


def main(folders):
    total_p = total_f = 0
    for folder in folders:
        p, f, failures = folder_counts(folder)
        total_p += p
        total_f += f
        label = os.path.basename(os.path.dirname(os.path.abspath(folder)))
        line = f"{label}: {p} passed, {f} failed"
        if failures:
            line += " (" + ", ".join(failures) + ")"
        print(line)
    print(f"TOTAL: {total_p} tests passed, {total_f} failed")
    return 1 if total_f else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
