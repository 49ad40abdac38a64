#!/usr/bin/env bash
# The coverage of src/, emulator/, tools/ and winshim/ by the whole suite
# (scripts/coverage.sh): each folder's totals for the test run's summary, and a
# failure when a test fails or a folder falls below its floors.
set -uo pipefail
cd "$(dirname "$0")/.."
log=build/coverage.log
mkdir -p build
./scripts/coverage.sh >"$log" 2>&1
status=$?
grep -E '^[a-z]+/ (lines|branches):|^coverage:' "$log"
[ $status -eq 0 ] || tail -n 20 "$log"
exit $status
