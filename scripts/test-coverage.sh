#!/usr/bin/env bash
# The coverage of src/ by the linux32 suite (scripts/coverage.sh): its totals
# for the test run's summary, and a failure when they fall below the goal
# (100% of lines, 95% of branches).
set -uo pipefail
cd "$(dirname "$0")/.."
log=build/coverage.log
mkdir -p build
./scripts/coverage.sh >"$log" 2>&1
status=$?
grep -E '^(lines|branches):|^coverage:' "$log"
[ $status -eq 0 ] || tail -n 20 "$log"
exit $status
