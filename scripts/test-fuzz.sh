#!/usr/bin/env bash
# Builds the fuzzers (fuzz/, clang, libFuzzer, ASan + UBSan, 32-bit) and runs
# each for a bounded time over a copy of its seed corpus. Exit 0 when no
# fuzzer found anything. Longer runs by hand: docs/reliability.md.
#   TOLVIK_FUZZ_SECONDS  seconds per target (default 40)
#   TOLVIK_FUZZ_BUILD    build folder (default build/fuzz)
#   TOLVIK_FUZZ_KEEP     folder to keep the grown corpora in (default: dropped)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${TOLVIK_FUZZ_SECONDS:-40}
build=${TOLVIK_FUZZ_BUILD:-build/fuzz}
targets=(panel_records dialog_events language_texts)
# Longest input per target: an event sequence of 2 KiB already walks some
# thousand events; records and texts need room for huge fields.
declare -A max_len=([panel_records]=8192 [dialog_events]=2048 [language_texts]=4096)

if ! command -v clang++ >/dev/null; then
  echo "test-fuzz: clang++ is missing (scripts/setup.sh installs clang)"; exit 1
fi
# libFuzzer's 32-bit runtime comes with libclang-rt-<version>-dev, which clang
# only recommends.
probe=$(mktemp -d)
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, __SIZE_TYPE__) { return 0; }' >"$probe/p.cpp"
if ! clang++ -m32 -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >"$probe/log" 2>&1; then
  cat "$probe/log" | tail -n 5
  echo "test-fuzz: clang++ -m32 -fsanitize=fuzzer does not link (install libclang-rt-*-dev)"
  rm -rf "$probe"; exit 1
fi
rm -rf "$probe"
echo "== fuzz: build ($build)"
if ! cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      >"$build.log" 2>&1 ||
   ! cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >>"$build.log" 2>&1; then
  tail -n 30 "$build.log"; echo "test-fuzz: build failed"; exit 1
fi

status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for t in "${targets[@]}"; do
  mkdir -p "$work/$t" "$work/artifacts-$t"
  cp fuzz/corpus/"$t"/* "$work/$t/" 2>/dev/null
  log="$build/fuzz_$t.log"
  # -rss_limit_mb: 32-bit processes under ASan cannot grow far.
  timeout $((seconds + 120)) "$build/fuzz_$t" "$work/$t" -max_total_time="$seconds" -max_len="${max_len[$t]}" \
    -rss_limit_mb=1800 -timeout=30 -print_final_stats=1 -artifact_prefix="$work/artifacts-$t/" >"$log" 2>&1
  rc=$?
  execs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
  corpus=$(ls "$work/$t" | wc -l)
  if [ $rc -ne 0 ]; then
    status=1
    echo "fuzz_$t: FAILED (exit $rc) after ${execs:-?} executions; log $log"
    grep -E 'ERROR|SUMMARY|check failed|runtime error' "$log" | head -n 5
    mkdir -p "$build/artifacts"
    cp "$work/artifacts-$t"/* "$build/artifacts/" 2>/dev/null && echo "  crashing input kept in $build/artifacts/"
  else
    echo "fuzz_$t: ${execs:-?} executions in ${seconds}s, corpus $corpus inputs, nothing found"
  fi
  if [ -n "${TOLVIK_FUZZ_KEEP:-}" ]; then
    mkdir -p "$TOLVIK_FUZZ_KEEP/$t" && cp "$work/$t"/* "$TOLVIK_FUZZ_KEEP/$t/" 2>/dev/null
  fi
done
exit $status
