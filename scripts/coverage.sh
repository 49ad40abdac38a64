#!/usr/bin/env bash
# Line and branch coverage of every folder a user runs: src/ (the plugin),
# emulator/, tools/ (the interactive host; its tests, tools/tests/, are left
# out) and winshim/. Runs the linux32-coverage workflow (configure, build,
# every test from zeroed counters; the host_script tests drive the host's
# --keys runs), then, on the same build, the host on a real terminal
# (scripts/test-tmux.sh) and the README's screens (scripts/test-readme.sh),
# whose counters add up with the tests'. gcovr then prints each folder's
# totals ("src/ lines: N% (...)") and fails below the folder's floor.
# Exit 0 when every step passed and every folder reaches its floors.
#   TOLVIK_COVERAGE_HTML  a file to write gcovr's annotated pages to
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/linux32-coverage

# Each folder's floors, lines and branches in percent: what the whole suite
# reaches today, rounded down, so that a change that leaves code untested
# fails. src/'s untaken branches are explained in docs/reliability.md.
floors=(
  "src       100 98"
  "emulator  97  84"
  "tools     95  82"
  "winshim   100 88"
)

if ! command -v gcovr >/dev/null; then
  echo "coverage: gcovr is missing (scripts/setup.sh installs it)"; exit 1
fi
mkdir -p build
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc 2>/dev/null || echo 2)}
status=0
# Counters of an earlier run would add to this one's.
find "$build" -name '*.gcda' -delete 2>/dev/null
echo "== coverage: the linux32-coverage workflow"
if ! cmake --workflow --preset linux32-coverage >build/coverage-workflow.log 2>&1 </dev/null; then
  grep -E '(Failed|Timeout|Exception|Not Run)\s*$|error:|tests passed' build/coverage-workflow.log | tail -n 20
  echo "coverage: the linux32-coverage workflow failed (log: build/coverage-workflow.log)"
  [ -f "$build/tools/tolvik_host" ] || exit 1
  status=1
fi
for check in test-tmux test-readme; do
  echo "== coverage: scripts/$check.sh on $build"
  TOLVIK_HOST=$PWD/$build/tools/tolvik_host "./scripts/$check.sh" || { echo "coverage: $check failed"; status=1; }
done

# A source that moved to another target leaves its old object and notes in
# an earlier build; gcovr would merge those notes with the current ones.
ninja -C "$build" -t cleandead >/dev/null
find "$build" -name '*.gcno' | while read -r notes; do [ -f "${notes%.gcno}.o" ] || rm -f "$notes"; done

# One pass over the counters into a tracefile, then one report per folder.
# Exception and compiler-made unreachable branches are left out: see
# docs/reliability.md ("Coverage"). Only the build is searched: the wine
# prefix's drive Z: links to /.
trace=$build/coverage.json
filters=()
for floor in "${floors[@]}"; do
  read -r folder _ <<<"$floor"
  filters+=(--filter "$folder/")
done
report=(gcovr --root . --object-directory "$build" "${filters[@]}" --exclude 'tools/tests/'
  --exclude-throw-branches --exclude-unreachable-branches --json "$trace" "$build")
[ -n "${TOLVIK_COVERAGE_HTML:-}" ] && report+=(--html-details "$TOLVIK_COVERAGE_HTML")
if ! "${report[@]}" >"$build/gcovr.log" 2>&1; then
  cat "$build/gcovr.log"; echo "coverage: gcovr failed"; exit 1
fi

for floor in "${floors[@]}"; do
  read -r folder min_lines min_branches <<<"$floor"
  summary=$build/coverage-$folder.json
  echo "== coverage: $folder/ (floors: lines $min_lines%, branches $min_branches%)"
  gcovr --root . --add-tracefile "$trace" --filter "$folder/" --json-summary-pretty \
    --json-summary "$summary" --print-summary --fail-under-line "$min_lines" \
    --fail-under-branch "$min_branches" >"$build/gcovr-$folder.log" 2>&1
  rc=$?
  python3 - "$summary" <<'PY'
import json, sys

def percent(covered, total):
    return f"{100.0 * covered / total:5.1f}%" if total else "    -"

files = json.load(open(sys.argv[1]))["files"]
width = max(len(f["filename"]) for f in files)
for f in sorted(files, key=lambda f: f["filename"]):
    lines = f"{percent(f['line_covered'], f['line_total'])} {f['line_covered']:>4}/{f['line_total']:<4}"
    branches = f"{percent(f['branch_covered'], f['branch_total'])} {f['branch_covered']:>4}/{f['branch_total']:<4}"
    print(f"  {f['filename']:<{width}}  {lines}  {branches}")
PY
  grep -E '^(lines|branches):' "$build/gcovr-$folder.log" | sed "s|^|$folder/ |"
  if [ $rc -ne 0 ]; then
    grep -iE 'fail|below|error' "$build/gcovr-$folder.log" | sed "s|^|coverage: $folder/: |"
    echo "coverage: $folder/ is below its floors (lines $min_lines%, branches $min_branches%)"
    status=1
  fi
done
exit $status
