#!/usr/bin/env bash
# One fuzz target for a bounded time over a copy of its seed corpus: the test
# fuzz.<name> of the linux32-fuzz preset (fuzz/CMakeLists.txt). Exit 0 when
# the target found nothing and its sanitizer defaults are in force.
#   scripts/test-fuzz.sh PROGRAM CORPUS MAX_LEN
#   TOLVIK_FUZZ_SECONDS  seconds (default 24)
#   TOLVIK_FUZZ_KEEP     folder to keep the grown corpus in (default: dropped)
# Executions per second are a figure for the reader, not a check: wall-clock
# rates depend on what else the machine runs, so the CPU-time rate is given too.
# Campaigns: scripts/fuzz-campaign.sh.
set -uo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PROGRAM CORPUS MAX_LEN" >&2; exit 2; }
program=$1 corpus=$2 max_len=$3
name=$(basename "$program")
seconds=${TOLVIK_FUZZ_SECONDS:-24}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/corpus" "$work/artifacts"
status=0
# The sanitizers' defaults of fuzz/sanitizer_options.cpp must be linked in:
# without them a target runs with 30-frame stacks and a 256 MB quarantine.
options=$(ASAN_OPTIONS=verbosity=1 "$program" "$work/empty" -runs=0 2>&1)
if ! grep -q '^malloc_context_size=2$' <<<"$options"; then
  status=1
  echo "$name: FAILED: the sanitizers' defaults (fuzz/sanitizer_options.cpp) are not in force"
fi
cp "$corpus"/* "$work/corpus/" 2>/dev/null
log="$program.log"
# -rss_limit_mb: 32-bit processes under ASan cannot grow far. -reload=0: no
# other process writes the corpus folder, so it is not listed again every
# second.
TIMEFORMAT='%U %S'
cpu=$( { time timeout $((seconds + 120)) "$program" "$work/corpus" -max_total_time="$seconds" \
  -max_len="$max_len" -reload=0 -rss_limit_mb=1800 -timeout=30 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" >"$log" 2>&1; } 2>&1)
rc=$?
execs=$(awk '/^stat::number_of_executed_units/ {print $2}' "$log")
if [ $rc -ne 0 ]; then
  status=1
  echo "$name: FAILED (exit $rc) after ${execs:-?} executions; log $log"
  grep -E 'ERROR|SUMMARY|check failed|runtime error' "$log" | head -n 5
  kept="$(dirname "$program")/artifacts"
  mkdir -p "$kept"
  cp "$work/artifacts"/* "$kept/" 2>/dev/null && echo "  crashing input kept in $kept/"
else
  rates=$(awk -v e="${execs:-0}" -v s="$seconds" \
    '{c = $1 + $2; printf "%d/s, %d/s of CPU time", e / s, (c > 0 ? e / c : 0)}' <<<"$cpu")
  echo "$name: ${execs:-?} executions in ${seconds}s ($rates), corpus $(ls "$work/corpus" | wc -l) inputs, nothing found"
fi
if [ -n "${TOLVIK_FUZZ_KEEP:-}" ]; then
  keep="$TOLVIK_FUZZ_KEEP/${name#fuzz_}"
  mkdir -p "$keep" && cp "$work/corpus"/* "$keep/" 2>/dev/null
fi
exit $status
