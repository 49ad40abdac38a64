#!/usr/bin/env bash
# The coverage of src/ by the linux32 suite (scripts/coverage.sh): its totals
# for the test run's summary, and a failure when a test fails or they fall
# below coverage.sh's floors.
set -uo pipefail
cd "$(dirname "$0")/.."
log=build/coverage.log
mkdir -p build
./scripts/coverage.sh >"$log" 2>&1
status=$?
grep -E '^(lines|branches):|^coverage:' "$log"
[ $status -eq 0 ] || tail -n 20 "$log"
exit $status
