#!/usr/bin/env bash
# clang-tidy with the root's .clang-tidy over every source of src/, emulator/,
# tools/ and winshim/ that a build compiles, by its compile_commands.json,
# the files in parallel: the test clang-tidy of the linux32 preset. Exit 1
# naming each finding (every check is an error there).
#   scripts/test-clang-tidy.sh [BUILD]   (default build/linux32)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build/linux32}")
command -v run-clang-tidy >/dev/null ||
  { echo "test-clang-tidy: run-clang-tidy is missing (scripts/setup.sh installs clang-tidy)"; exit 1; }
[ -f "$build/compile_commands.json" ] || { echo "test-clang-tidy: no $build/compile_commands.json"; exit 1; }

folders="(src|emulator|tools|winshim)/"
# Headers count where they are ours, also when reached through the plugin's
# layer folders in the build (src/CMakeLists.txt).
log=$build/clang-tidy.log
run-clang-tidy -p "$build" -quiet -j "$(nproc 2>/dev/null || echo 2)" \
  -header-filter="^($root/|$build/src/layers/[a-z]+/)$folders" "^$root/$folders" >"$log" 2>&1
status=$?
mapfile -t findings < <(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^/[^:]+:[0-9]+:[0-9]+: (warning|error):' | sort -u)
files=$(grep -oE "\"file\": \"$root/$folders[^\"]*" "$build/compile_commands.json" | sort -u | wc -l)
if [ $status -ne 0 ] || [ ${#findings[@]} -ne 0 ]; then
  [ ${#findings[@]} -eq 0 ] && tail -n 20 "$log"
  printf '%s\n' "${findings[@]}" | sed "s|^$root/||"
  echo "test-clang-tidy: ${#findings[@]} findings (log: $log)"
  exit 1
fi
echo "test-clang-tidy: $files files, no findings"
