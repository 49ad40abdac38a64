#!/usr/bin/env bash
# A fuzzing campaign, run by hand (docs/reliability.md has the figures of the
# last one): each target in turn, on one core at low priority, for
# TOLVIK_CAMPAIGN_RUNS executions (default 1,000,000) or TOLVIK_CAMPAIGN_SECONDS
# (default 3600) per target, whichever comes first, from its seed corpus. Then
# the grown corpus and the seeds are merged (-merge=1: only inputs that add
# coverage) back into fuzz/corpus/<target>, and one line per target gives the
# figures. Crashing inputs are kept in build/fuzz-campaign/artifacts-<target>/.
#   scripts/fuzz-campaign.sh [target...]
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${TOLVIK_CAMPAIGN_RUNS:-1000000}
seconds=${TOLVIK_CAMPAIGN_SECONDS:-3600}
bin=build/linux32-fuzz/fuzz
out=build/fuzz-campaign

cmake --preset linux32-fuzz >/dev/null && cmake --build --preset linux32-fuzz -j1 >/dev/null || exit 1
# The targets and their longest inputs, as the fuzz build lists them
# (fuzz/targets.cmake).
declare -A max_len
while read -r t len; do max_len[$t]=$len; done <"$bin/targets.txt"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && mapfile -t targets < <(awk '{print $1}' "$bin/targets.txt")
mkdir -p "$out"
status=0
for t in "${targets[@]}"; do
  len=${max_len[$t]:?"$t is no fuzz target of $bin/targets.txt"}
  rm -rf "${out:?}/$t" "$out/merged-$t"
  mkdir -p "$out/$t" "$out/merged-$t" "$out/artifacts-$t"
  cp fuzz/corpus/"$t"/* "$out/$t/"
  log="$out/$t.log"
  TIMEFORMAT='%U %S'
  cpu=$( { time nice -n 10 "$bin/fuzz_$t" "$out/$t" -runs="$runs" -max_total_time="$seconds" -max_len="$len" -reload=0 \
      -rss_limit_mb=1800 -timeout=30 -print_final_stats=1 -artifact_prefix="$out/artifacts-$t/" \
      >"$log" 2>&1; } 2>&1 )
  rc=$?
  execs=$(awk '/^stat::number_of_executed_units/{print $2}' "$log")
  wall=$(grep -oE 'Done [0-9]+ runs in [0-9]+ second' "$log" | awk '{print $5}')
  [ -z "$wall" ] && wall=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'exec/s: [0-9]+' | awk '{print $2}')
  cpu_s=$(echo "$cpu" | awk '{print $1 + $2}')
  # Merge the seeds and what the run found into a fresh folder.
  nice -n 10 "$bin/fuzz_$t" -merge=1 -max_len="$len" -rss_limit_mb=1800 -timeout=30 "$out/merged-$t" \
    fuzz/corpus/"$t" "$out/$t" >"$out/merge-$t.log" 2>&1
  stats=$(nice -n 10 "$bin/fuzz_$t" -runs=0 -max_len="$len" -rss_limit_mb=1800 "$out/merged-$t" 2>&1 |
    grep -E 'INITED' | grep -oE 'cov: [0-9]+ ft: [0-9]+')
  size=$(ls "$out/merged-$t" | wc -l)
  bytes=$(cat "$out/merged-$t"/* | wc -c)
  if [ $rc -ne 0 ]; then
    status=1
    echo "fuzz_$t: FAILED (exit $rc) after ${execs:-?} executions; log $log"
  else
    echo "fuzz_$t: ${execs:-?} executions, ${cpu_s}s CPU ($(awk -v e="${execs:-0}" -v c="$cpu_s" \
      'BEGIN{printf "%d", (c > 0 ? e / c : 0)}')/s of CPU), corpus $size inputs ($bytes bytes), $stats"
    rm -f fuzz/corpus/"$t"/* && cp "$out/merged-$t"/* fuzz/corpus/"$t"/
  fi
done
exit $status
