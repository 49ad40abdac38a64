#!/usr/bin/env bash
# valgrind memcheck over the end-to-end test programs (which load the built
# plugin through the emulator), a short walk and the allocation sweep, on the
# linux32 build: zero errors, zero definite or indirect leaks. Exit 0 when all
# are clean.
#   TOLVIK_VALGRIND_BUILD  build folder of the linux32 preset (default build/linux32)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${TOLVIK_VALGRIND_BUILD:-build/linux32}

if ! command -v valgrind >/dev/null; then
  echo "test-valgrind: valgrind is missing (scripts/setup.sh installs it)"; exit 1
fi
echo "== valgrind: build ($build)"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset linux32 -B "$build" >"$build.log" 2>&1 || { tail -n 30 "$build.log"; exit 1; }
fi
if ! cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >>"$build.log" 2>&1; then
  tail -n 30 "$build.log"; echo "test-valgrind: build failed"; exit 1
fi

programs=()
for p in "$build"/tests/test_e2e*; do
  [ -x "$p" ] && [ -f "$p" ] && programs+=("$p")
done
for p in test_walk test_alloc; do
  [ -x "$build/tests/$p" ] && programs+=("$build/tests/$p")
done
if [ ${#programs[@]} -eq 0 ]; then
  echo "test-valgrind: no test programs in $build/tests"; exit 1
fi

# The walk, a quarter of its usual length (27,000 events).
export TOLVIK_WALK_SEEDS=6 TOLVIK_WALK_EVENTS=4500
status=0
for p in "${programs[@]}"; do
  name=$(basename "$p")
  log="$build/valgrind-$name.log"
  start=$(date +%s)
  timeout 900 valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect \
    --track-origins=yes --num-callers=30 "$p" --gtest_brief=1 >"$log" 2>&1
  rc=$?
  errors=$(grep -E '== ERROR SUMMARY:' "$log" | tail -n 1 | sed -E 's/.*ERROR SUMMARY: ([0-9]+) errors.*/\1/')
  if [ $rc -ne 0 ]; then
    status=1
    echo "$name: FAILED (exit $rc, ${errors:-?} valgrind errors, $(( $(date +%s) - start ))s); log $log"
    grep -E '^==[0-9]+== (Invalid|Conditional|Use of|Mismatched|[0-9,]+ bytes in)|\[  FAILED' "$log" | head -n 8
  else
    echo "$name: clean (${errors:-0} errors, $(( $(date +%s) - start ))s)"
  fi
done
exit $status
