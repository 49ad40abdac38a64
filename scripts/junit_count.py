#!/usr/bin/env python3
"""Counts the tests of CTest JUnit files (--output-junit, the test presets'
outputJUnitFile): prints "PASSED FAILED" on the first line, then the name of
each test that did not pass. A test passed when CTest ran it and it
succeeded; a failed, timed-out or not-run test counts as failed."""
import sys
import xml.etree.ElementTree as ET

passed, failed = 0, []
for path in sys.argv[1:]:
    for case in ET.parse(path).getroot().iter("testcase"):
        status = case.get("status", "")
        if status == "run" and case.find("failure") is None:
            passed += 1
        elif status != "disabled":
            failed.append(f"{case.get('name')} ({status or 'no status'})")
print(passed, len(failed))
for name in failed:
    print(name)
