#!/usr/bin/env bash
# valgrind memcheck through CTest (`ctest --preset linux32-valgrind -T
# memcheck`, see cmake/memcheck.cmake) over the end-to-end test programs
# (which load the built plugin through the emulator), a short walk (a quarter
# of its usual length, 27,000 events) and the allocation sweep, in the linux32
# build: zero errors, zero definite or indirect leaks. Exit 0 when all are
# clean.
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/linux32

if ! command -v valgrind >/dev/null; then
  echo "test-valgrind: valgrind is missing (scripts/setup.sh installs it)"; exit 1
fi
mkdir -p build
log=build/valgrind.log
echo "== valgrind: build ($build)"
if ! { [ -f "$build/build.ninja" ] || cmake --preset linux32; } >"$log" 2>&1 ||
   ! cmake --build --preset linux32 >>"$log" 2>&1; then
  tail -n 30 "$log"; echo "test-valgrind: build failed"; exit 1
fi

# One program per CTest test; two at a time on two cores. The dashboard mode
# (-T) reads its configuration from the test folder, which --test-dir names.
ctest --preset linux32-valgrind --test-dir "$build" -T memcheck -j "$(nproc 2>/dev/null || echo 2)" >>"$log" 2>&1 </dev/null
status=$?
grep -E '(Test|MemCheck) +#[0-9]+: memcheck_|Memory checking results:|^(Memory Leak|Invalid|Mismatched|Uninitialized|Potential).* - [0-9]+' "$log"
grep -qE '(Test|MemCheck) +#[0-9]+: memcheck_' "$log" || { echo "test-valgrind: no programs ran (log: $log)"; status=1; }
[ $status -eq 0 ] || echo "test-valgrind: FAILED; valgrind's reports: $build/Testing/Temporary/MemoryChecker.*.log (log: $log)"
exit $status
