#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole linux32 suite: builds the
# linux32-coverage preset (gcov), runs every test program of it from zeroed
# counters, then prints the coverage per file and gcovr's totals
# ("lines: N% ...", "branches: N% ..."). Exit 0 when the build and every test
# passed and the totals reach the floors below (every line, and today's branch
# total rounded down: a change that leaves code untested fails; the branches
# left are explained in docs/reliability.md).
#   TOLVIK_COVERAGE_MIN_LINES     floor for lines, percent (default 100.0)
#   TOLVIK_COVERAGE_MIN_BRANCHES  floor for branches, percent (default 96.0)
#   TOLVIK_COVERAGE_HTML          a file to write gcovr's annotated pages to
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/linux32-coverage
min_lines=${TOLVIK_COVERAGE_MIN_LINES:-100.0}
min_branches=${TOLVIK_COVERAGE_MIN_BRANCHES:-96.0}
jobs=$(nproc 2>/dev/null || echo 2)

if ! command -v gcovr >/dev/null; then
  echo "coverage: gcovr is missing (scripts/setup.sh installs it)"; exit 1
fi
mkdir -p build
echo "== coverage: build ($build)"
if ! { cmake --preset linux32-coverage && cmake --build --preset linux32-coverage -j "$jobs"; } >build/coverage-build.log 2>&1; then
  tail -n 30 build/coverage-build.log; echo "coverage: build failed"; exit 1
fi

find "$build" -name '*.gcda' -delete
programs=$(find "$build" -type f -perm -u+x -name 'test_*' | sort)
if [ -z "$programs" ]; then
  echo "coverage: no test programs in $build"; exit 1
fi
echo "== coverage: run $(wc -w <<<"$programs") test programs"
failed=0
logs=$build/coverage-logs
rm -rf "$logs" && mkdir -p "$logs"
# Two at a time; libgcov merges the counters of concurrent processes.
if ! xargs -P "$jobs" -I{} sh -c '"$1" --gtest_brief=1 >"$2/$(basename "$1").log" 2>&1 || { echo "coverage: $1 failed"; exit 1; }' _ {} "$logs" <<<"$programs"; then
  failed=1
fi

# Exception and compiler-made unreachable branches are left out: see
# docs/reliability.md ("Coverage").
summary=$build/coverage-summary.json
report=(gcovr --root . --object-directory "$build" --filter 'src/' --exclude-throw-branches
  --exclude-unreachable-branches --json-summary "$summary" --print-summary
  "$build")  # search only the build: the wine prefix's drive Z: links to /
[ -n "${TOLVIK_COVERAGE_HTML:-}" ] && report+=(--html-details "$TOLVIK_COVERAGE_HTML")
if ! totals=$("${report[@]}" 2>"$build/gcovr.log"); then
  cat "$build/gcovr.log"; echo "coverage: gcovr failed"; exit 1
fi
python3 - "$summary" <<'EOF'
import json, sys

def percent(covered, total):
    return f"{100.0 * covered / total:5.1f}%" if total else "    -"

files = json.load(open(sys.argv[1]))["files"]
width = max(len(f["filename"]) for f in files)
print(f"{'file':<{width}}  {'lines':>17}  {'branches':>17}")
for f in sorted(files, key=lambda f: f["filename"]):
    lines = f"{percent(f['line_covered'], f['line_total'])} {f['line_covered']:>4}/{f['line_total']:<4}"
    branches = f"{percent(f['branch_covered'], f['branch_total'])} {f['branch_covered']:>4}/{f['branch_total']:<4}"
    print(f"{f['filename']:<{width}}  {lines}  {branches}")
EOF
echo "$totals" | grep -E '^(lines|branches):'

status=$failed
read -r lines branches < <(python3 -c '
import json, sys
s = json.load(open(sys.argv[1]))
print(s["line_percent"], s["branch_percent"])' "$summary")
if python3 -c 'import sys; sys.exit(float(sys.argv[1]) >= float(sys.argv[2]))' "$lines" "$min_lines"; then
  echo "coverage: lines at $lines%, below $min_lines%"; status=1
fi
if python3 -c 'import sys; sys.exit(float(sys.argv[1]) >= float(sys.argv[2]))' "$branches" "$min_branches"; then
  echo "coverage: branches at $branches%, below $min_branches%"; status=1
fi
exit $status
