#!/usr/bin/env bash
# Runs every test: set-up, the three builds, their tests (win32 under wine),
# then one summary line "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0
notes=()

# Adds the counts of a ctest run (its log in $1) to the totals.
count_ctest() {
  local line total bad
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1)); notes+=("$2: no test results"); return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
  [ "$bad" -ne 0 ] && notes+=("$2: $bad failed")
}

build() {
  local preset=$1
  echo "== $preset: build"
  if ! cmake --preset "$preset" >"build-$preset.log" 2>&1 || ! cmake --build --preset "$preset" -j "$jobs" >>"build-$preset.log" 2>&1; then
    tail -n 40 "build-$preset.log"
    failed=$((failed + 1)); notes+=("$preset: build failed")
    return 1
  fi
}

# Runs the tests of a built preset (the win32 preset's run under wine, with the
# wine session as its own set-up and clean-up) and adds up the results.
run_tests() {
  local preset=$1 log="build/$1-ctest.log"
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs" >"$log" 2>&1 </dev/null
  grep -E '^\s*[0-9]+/[0-9]+ Test .*(Failed|Timeout|Exception|Not Run)|tests passed' "$log" | tail -n 30
  count_ctest "$log" "$preset"
}

mkdir -p build
for preset in linux32 linux32-asan win32; do
  build "$preset" && run_tests "$preset"
done
mv build-*.log build/ 2>/dev/null

# Every scripts/test-*.sh is one more test; one that cannot run is a failure.
shopt -s nullglob
for extra in scripts/test-*.sh; do
  echo "== $extra"
  if [ ! -x "$extra" ]; then
    failed=$((failed + 1)); notes+=("$extra is not executable (chmod +x)")
  elif "$extra"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1)); notes+=("$extra failed")
  fi
done

for note in "${notes[@]+"${notes[@]}"}"; do echo "  $note"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
