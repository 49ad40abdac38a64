#!/usr/bin/env bash
# clang-tidy with the root's .clang-tidy over every source of src/, emulator/,
# tools/ (its tests left out, as tests/ is) and winshim/ that a build
# compiles, by its compile_commands.json, the files in parallel: the test
# clang-tidy of the Linux builds. Exit 1 naming each finding (every check is
# an error there).
#   scripts/test-clang-tidy.sh [BUILD]   (default build/linux32)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build/linux32}")
command -v run-clang-tidy >/dev/null ||
  { echo "test-clang-tidy: run-clang-tidy is missing (scripts/setup.sh installs clang-tidy)"; exit 1; }
[ -f "$build/compile_commands.json" ] || { echo "test-clang-tidy: no $build/compile_commands.json"; exit 1; }

folders="(src|emulator|tools/tolvik_host|winshim)/"
# The build's compile commands of those folders, each file once (the tests
# compile src/plugin/in_process_main.cpp into every program). clang cannot
# read gcc's precompiled headers: a copy of the header stands in for each.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$build/compile_commands.json" "$work" "^$root/$folders" <<'PY' || exit 1
import json, re, shutil, sys
source, work, ours = sys.argv[1], sys.argv[2], re.compile(sys.argv[3])
commands, headers = {}, {}
for entry in json.load(open(source)):
    if not ours.match(entry["file"]) or "cmake_pch" in entry["command"] and entry["file"] in commands:
        continue
    def copy(match):
        header = headers.setdefault(match[1], f"{work}/pch{len(headers)}.hxx")
        shutil.copyfile(match[1], header)
        return f"-include {header}"
    entry["command"] = re.sub(r"-include (\S+/cmake_pch\.hxx)\b", copy, entry["command"])
    commands[entry["file"]] = entry
json.dump(list(commands.values()), open(f"{work}/compile_commands.json", "w"), indent=0)
PY
# Headers count where they are ours, also when reached through the plugin's
# layer folders in the build (src/CMakeLists.txt).
log=$build/clang-tidy.log
run-clang-tidy -p "$work" -quiet -j "$(nproc 2>/dev/null || echo 2)" \
  -header-filter="^($root/$folders|$build/src/layers/)" "^$root/$folders" >"$log" 2>&1
status=$?
mapfile -t findings < <(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^/[^:]+:[0-9]+:[0-9]+: (warning|error):' | sort -u)
files=$(grep -c '"file"' "$work/compile_commands.json")
if [ $status -ne 0 ] || [ ${#findings[@]} -ne 0 ]; then
  [ ${#findings[@]} -eq 0 ] && tail -n 20 "$log"
  printf '%s\n' "${findings[@]}" | sed "s|^$root/||"
  echo "test-clang-tidy: ${#findings[@]} findings (log: $log)"
  exit 1
fi
echo "test-clang-tidy: $files files, no findings"
