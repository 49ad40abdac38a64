#!/usr/bin/env bash
# Runs every test: set-up, the workflow of each of the three builds
# (configure, build, test; the win32 tests under wine), then every check of
# scripts/test-*.sh, and ends with one line "N passed, M failed". Each CTest
# test counts once, as the JUnit file of its test preset records it
# (scripts/junit_count.py); each check counts once.
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

# Configures, builds and tests one preset; adds its tests to the totals. A
# build that fails counts as one failure.
workflow() {
  local preset=$1 log="build/$1.log" junit="build/$1/junit.xml" counts
  echo "== $preset"
  rm -f "$junit"
  SECONDS=0
  cmake --workflow --preset "$preset" >"$log" 2>&1 </dev/null
  echo "$preset: ${SECONDS} s"
  if [ ! -f "$junit" ]; then
    tail -n 40 "$log"
    failed=$((failed + 1)); notes+=("$preset: no test results, the build failed (log: $log)")
    return
  fi
  mapfile -t counts < <(python3 scripts/junit_count.py "$junit")
  read -r p f <<<"${counts[0]}"
  passed=$((passed + p)); failed=$((failed + f))
  echo "$preset: $p passed, $f failed"
  if [ "$f" -ne 0 ]; then
    printf '  failed: %s\n' "${counts[@]:1}" | head -n 30
    notes+=("$preset: $f failed (log: $log)")
  fi
}

for preset in linux32 linux32-asan win32; do
  workflow "$preset"
done

# Every scripts/test-*.sh is one more test; one that cannot run is a failure.
# The fuzz check runs beside the others: it has a build folder of its own and
# then keeps one core busy for a fixed time per target, while the others take
# turns on the builds they share. Its output comes last.
count_check() {
  if [ "$2" -eq 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1)); notes+=("$1 failed")
  fi
}
background=scripts/test-fuzz.sh
background_pid=
if [ -x "$background" ]; then
  "$background" </dev/null >build/test-fuzz.out 2>&1 &
  background_pid=$!
fi
shopt -s nullglob
for extra in scripts/test-*.sh; do
  [ "$extra" = "$background" ] && [ -n "$background_pid" ] && continue
  echo "== $extra"
  if [ ! -x "$extra" ]; then
    failed=$((failed + 1)); notes+=("$extra is not executable (chmod +x)")
    continue
  fi
  SECONDS=0
  "$extra" </dev/null
  rc=$?
  echo "$extra: ${SECONDS} s"
  count_check "$extra" $rc
done
if [ -n "$background_pid" ]; then
  echo "== $background"
  wait "$background_pid"
  rc=$?
  cat build/test-fuzz.out
  count_check "$background" $rc
fi

for note in "${notes[@]+"${notes[@]}"}"; do echo "  $note"; done
echo "took $(( $(date +%s) - start )) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
