#!/usr/bin/env bash
# Runs every test: set-up, then the workflow presets (configure, build, test),
# whose tests include the checks beside the test programs (cmake/checks.cmake):
#   linux32-asan      the test programs under AddressSanitizer and UBSan
#   win32             the test programs under wine; exports, package
#   linux32-coverage  the test programs with gcov counters; format,
#                     clang-tidy, exports, readme, tmux, valgrind, then each
#                     folder's coverage
#   linux32-fuzz      each fuzz target for a short while, beside the coverage one
# The plain linux32 preset, the demo's and the benchmarks' build, has the same
# tests and checks without the coverage: the test command builds Linux once
# for both.
# Ends with one line "N passed, M failed", summed from CTest's own summaries;
# a workflow that stops before its tests counts as one failure.
#   CTEST_PARALLEL_LEVEL  tests run at once (default: the number of cores)
set -uo pipefail
cd "$(dirname "$0")/.."

start=$(date +%s)
./scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc 2>/dev/null || echo 2)}
passed=0
failed=0
notes=()
mkdir -p build

# Runs one workflow into build/<preset>.log; its last line gives its time.
workflow() {
  local began=$SECONDS
  cmake --workflow --preset "$1" </dev/null >"build/$1.log" 2>&1
  local rc=$?
  echo "workflow $1: exit $rc after $((SECONDS - began)) s" >>"build/$1.log"
}

# Adds a finished workflow's tests to the totals, from each test step's
# summary ("98% tests passed, 2 tests failed out of 120").
count() {
  local preset=$1 log="build/$1.log" p=0 f=0 total failures
  echo "== $preset"
  tail -n 1 "$log"
  while read -r failures total; do
    p=$((p + total - failures)); f=$((f + failures))
  done < <(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\)$/\1 \2/p' "$log")
  if grep -q '^workflow .*: exit [1-9]' "$log" && [ "$f" -eq 0 ]; then
    tail -n 41 "$log" | head -n 40
    f=$((f + 1)); notes+=("$preset: stopped before its tests ended (log: $log)")
  elif [ "$f" -ne 0 ]; then
    sed -n '/^The following tests FAILED:/,/^Errors while running CTest/p' "$log" | head -n 30
    notes+=("$preset: $f failed (log: $log)")
  fi
  echo "$preset: $p passed, $f failed"
  passed=$((passed + p)); failed=$((failed + f))
}

for preset in linux32-asan win32; do
  workflow "$preset"
  count "$preset"
done
# The fuzz targets run for a fixed time each: beside the coverage workflow,
# as a build folder of their own.
workflow linux32-fuzz &
fuzz=$!
workflow linux32-coverage
count linux32-coverage
wait "$fuzz"
count linux32-fuzz

for note in "${notes[@]+"${notes[@]}"}"; do echo "  $note"; done
echo "took $(($(date +%s) - start)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
