#!/usr/bin/env python3
"""Counts the tests of one or more CTest build trees and prints "N passed, M failed".

A CTest entry that wrote a GoogleTest report (reports/<entry>.xml) counts as its test
cases; any other entry (a fuzz replay) counts as one test. An entry that failed
without a failing case in its report (a crash, a sanitizer report at exit) counts
one more failure. Exits 1 when anything failed or nothing ran.
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def count_tree(tree):
    passed = failed = skipped = 0
    junit = os.path.join(tree, "junit.xml")
    if not os.path.exists(junit):
        print(f"{tree}: no test results")
        return 0, 1, 0
    for case in ElementTree.parse(junit).getroot().iter("testcase"):
        name = case.get("name")
        entry_failed = case.get("status") == "fail" or case.find("failure") is not None
        report = os.path.join(tree, "reports", name + ".xml")
        if os.path.exists(report):
            root = ElementTree.parse(report).getroot()
            cases = list(root.iter("testcase"))
            bad = sum(1 for c in cases if c.find("failure") is not None or c.find("error") is not None)
            skip = sum(1 for c in cases if c.get("result") == "skipped" or c.find("skipped") is not None)
            if entry_failed and bad == 0:
                bad = 1
                print(f"FAILED outside its test cases: {name}")
            passed += len(cases) - bad - skip
            failed += bad
            skipped += skip
        elif entry_failed:
            failed += 1
        elif case.get("status") in ("disabled", "notrun"):
            skipped += 1
        else:
            passed += 1
    return passed, failed, skipped


def main(trees):
    totals = [0, 0, 0]
    for tree in trees:
        counts = count_tree(tree)
        print(f"{tree}: {counts[0]} passed, {counts[1]} failed, {counts[2]} skipped")
        totals = [a + b for a, b in zip(totals, counts)]
    passed, failed, skipped = totals
    line = f"{passed} passed, {failed} failed"
    print(line + (f", {skipped} skipped" if skipped else ""))
    return 1 if failed or passed == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
