#!/usr/bin/env bash
# Checks that every C++ source of src, emulator, tools, tests, bench and fuzz
# is as clang-format writes it with the repo's .clang-format. Exit 1 naming
# the files that are not; `clang-format -i FILE` formats one.
set -uo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
  echo "test-format: clang-format is missing (scripts/setup.sh installs it)"; exit 1
fi
mapfile -t files < <(find src emulator tools tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ ${#files[@]} -eq 0 ]; then
  echo "test-format: no sources found"; exit 1
fi
report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1)
status=$?
mapfile -t unformatted < <(grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u)
if [ $status -ne 0 ] || [ ${#unformatted[@]} -ne 0 ]; then
  [ ${#unformatted[@]} -eq 0 ] && echo "$report" | tail -n 5
  echo "test-format: ${#unformatted[@]} of ${#files[@]} files are not formatted:"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "test-format: ${#files[@]} files formatted"
