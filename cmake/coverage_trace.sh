#!/usr/bin/env bash
# The coverage build's counters of one run of its suite, read once into
# BUILD/coverage.json with the options of gcovr.cfg: the set-up of the tests
# coverage.<folder> (cmake/coverage_report.cmake).
#   cmake/coverage_trace.sh BUILD
#   TOLVIK_COVERAGE_HTML  a file to write gcovr's annotated pages to as well
set -uo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/.."
command -v gcovr >/dev/null || { echo "coverage: gcovr is missing (scripts/setup.sh installs it)"; exit 1; }
# A source that moved to another target leaves its old object and notes in
# an earlier build; gcovr would merge those notes with the current ones.
ninja -C "$build" -t cleandead >/dev/null
find "$build" -name '*.gcno' | while read -r notes; do [ -f "${notes%.gcno}.o" ] || rm -f "$notes"; done
# Only the build is searched: the wine prefix's drive Z: links to /.
report=(gcovr --config gcovr.cfg --object-directory "$build" --json "$build/coverage.json" "$build")
[ -n "${TOLVIK_COVERAGE_HTML:-}" ] && report+=(--html-details "$TOLVIK_COVERAGE_HTML")
"${report[@]}"
