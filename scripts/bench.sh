#!/usr/bin/env bash
# Builds and runs every benchmark under bench/ (build preset bench: the
# linux32 build, no sanitizers, shared with the tests), writes their JSON
# results, and draws the figures against the goals:
#   build/bench/results/<program>.json   Google Benchmark output (medians)
#   build/bench/results/snapshot.svg     cost per item against panel size
#   build/bench/results/moves.svg        cost per key against number of views
#   build/bench/results/goals.md         the ratios against the goals
# docs/performance.md explains the figures.
#   TOLVIK_BENCH_REPETITIONS   repetitions per benchmark (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/linux32
repetitions=${TOLVIK_BENCH_REPETITIONS:-5}
results=build/bench/results

./scripts/setup.sh
[ -f "$build/build.ninja" ] || cmake --preset linux32 >/dev/null
cmake --build --preset bench

mkdir -p "$results"
files=()
for program in "$build"/bench/bench_*; do
  [ -x "$program" ] && [ -f "$program" ] || continue
  name=$(basename "$program")
  echo "== $name"
  "$program" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_format=console --benchmark_out_format=json --benchmark_out="$results/$name.json"
  files+=("$results/$name.json")
done
if [ ${#files[@]} -eq 0 ]; then
  echo "bench: no benchmark programs under $build/bench"; exit 1
fi
echo "== goals"
python3 scripts/bench_plot.py "$results" "${files[@]}"
echo "figures: $results/snapshot.svg $results/moves.svg"
