#!/usr/bin/env bash
# Builds the fuzz targets (preset linux32-fuzz: clang, libFuzzer, ASan + UBSan,
# 32-bit) and runs each for a bounded time over a copy of its seed corpus.
# Exit 0 when no target found anything. Campaigns: scripts/fuzz-campaign.sh.
#   TOLVIK_FUZZ_SECONDS  seconds per target (default 24)
#   TOLVIK_FUZZ_KEEP     folder to keep the grown corpora in (default: dropped)
# Executions per second are a figure for the reader, not a check: wall-clock
# rates depend on what else the machine runs, so the CPU-time rate is given too.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/fuzz-targets.sh
seconds=${TOLVIK_FUZZ_SECONDS:-24}
build=build/linux32-fuzz
bin=$build/fuzz

if ! command -v clang++ >/dev/null; then
  echo "test-fuzz: clang++ is missing (scripts/setup.sh installs clang)"; exit 1
fi
# libFuzzer's 32-bit runtime comes with libclang-rt-<version>-dev, which clang
# only recommends.
probe=$(mktemp -d)
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, __SIZE_TYPE__) { return 0; }' >"$probe/p.cpp"
if ! clang++ -m32 -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >"$probe/log" 2>&1; then
  tail -n 5 "$probe/log"
  echo "test-fuzz: clang++ -m32 -fsanitize=fuzzer does not link (install libclang-rt-*-dev)"
  rm -rf "$probe"; exit 1
fi
rm -rf "$probe"
echo "== fuzz: build ($build)"
mkdir -p "$build"
if ! cmake --preset linux32-fuzz >"$build.log" 2>&1 ||
   ! cmake --build --preset linux32-fuzz -j "$(nproc 2>/dev/null || echo 2)" >>"$build.log" 2>&1; then
  tail -n 30 "$build.log"; echo "test-fuzz: build failed"; exit 1
fi

status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
TIMEFORMAT='%U %S'
mkdir -p "$work/empty"
for t in "${fuzz_targets[@]}"; do
  mkdir -p "$work/$t" "$work/artifacts-$t"
  # The sanitizers' defaults of fuzz/sanitizer_options.cpp must be linked in:
  # without them a target runs with 30-frame stacks and a 256 MB quarantine.
  options=$(ASAN_OPTIONS=verbosity=1 "$bin/fuzz_$t" "$work/empty" -runs=0 2>&1)
  if ! grep -q '^malloc_context_size=2$' <<<"$options"; then
    status=1
    echo "fuzz_$t: FAILED: the sanitizers' defaults (fuzz/sanitizer_options.cpp) are not in force"
  fi
  cp fuzz/corpus/"$t"/* "$work/$t/" 2>/dev/null
  log="$bin/fuzz_$t.log"
  # -rss_limit_mb: 32-bit processes under ASan cannot grow far. -reload=0:
  # no other process writes the corpus folder, so it is not listed again
  # every second.
  cpu=$( { time timeout $((seconds + 120)) "$bin/fuzz_$t" "$work/$t" -max_total_time="$seconds" \
    -max_len="${fuzz_max_len[$t]}" -reload=0 -rss_limit_mb=1800 -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts-$t/" >"$log" 2>&1; } 2>&1 )
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
    rates=$(echo "$cpu" | awk -v e="${execs:-0}" -v s="$seconds" \
      '{c = $1 + $2; printf "%d/s, %d/s of CPU time", e / s, (c > 0 ? e / c : 0)}')
    echo "fuzz_$t: ${execs:-?} executions in ${seconds}s ($rates), corpus $corpus inputs, nothing found"
  fi
  if [ -n "${TOLVIK_FUZZ_KEEP:-}" ]; then
    mkdir -p "$TOLVIK_FUZZ_KEEP/$t" && cp "$work/$t"/* "$TOLVIK_FUZZ_KEEP/$t/" 2>/dev/null
  fi
done
exit $status
