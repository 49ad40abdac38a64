#!/usr/bin/env bash
# The README's screens are the host's own output. Each one is the code block
# right after a line that starts with
#   `build/linux32/tools/tolvik_host ARGS` (drawn by scripts/readme-screens.sh)
# and is what that command prints, run as written from the project root over
# the sample tree build/sample (made afresh by scripts/sample-tree.sh), so
# that every command in the README can be copied and run.
#   scripts/readme-screens.sh          rewrites the blocks in README.md
#   scripts/readme-screens.sh --check  changes nothing; fails, showing the
#                                      difference, when a block is not what
#                                      the host prints
# TOLVIK_HOST names another build of the host to run in its place.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

mode=write
[ "${1:-}" = "--check" ] && mode=check

written=build/linux32/tools/tolvik_host
host=${TOLVIK_HOST:-$root/$written}
if [ -z "${TOLVIK_HOST:-}" ]; then
  { [ -f build/linux32/build.ninja ] || cmake --preset linux32; } >/dev/null 2>&1
  cmake --build --preset linux32 --target tolvik_host >/dev/null 2>&1 \
    || { echo "readme-screens: cannot build $host"; exit 1; }
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
./scripts/sample-tree.sh build/sample

# README.md with every marked block replaced by the host's output.
generate() {
  local line args argv in_block=0 pending=0
  while IFS= read -r line || [ -n "$line" ]; do
    if [ "$in_block" = 1 ]; then
      [ "$line" = '```' ] && { in_block=0; echo "$line"; }
      continue
    fi
    if [ "$pending" = 1 ] && [ "$line" = '```' ]; then
      echo "$line"
      # The arguments as the README writes them, split at blanks outside
      # quotes by xargs, which expands nothing.
      mapfile -d '' -t argv < <(xargs -r printf '%s\0' <<<"$args")
      set -- "${argv[@]}"
      (cd "$root" && TZ=UTC "$host" "$@" 2>&1) | sed -e '/^----$/d' -e 's/[[:space:]]*$//'
      pending=0
      in_block=1
      continue
    fi
    if [[ "$line" =~ ^\`build/linux32/tools/tolvik_host\ ([^\`]*)\`\ \(drawn\ by\ scripts/readme-screens.sh\) ]]; then
      args=${BASH_REMATCH[1]}
      pending=1
    elif [[ "$line" =~ ^\`[^\`]*tolvik_host[^\`]*\`\ \(drawn\ by ]]; then
      echo "readme-screens: a screen's command must start with $written: $line" >&2
      return 1
    fi
    echo "$line"
  done <README.md
}

generate >"$work/README.md" || exit 1
if [ "$mode" = write ]; then
  cmp -s README.md "$work/README.md" || cp "$work/README.md" README.md
  echo "readme-screens: README.md is up to date"
  exit 0
fi
if ! diff -u README.md "$work/README.md" >"$work/diff"; then
  echo "readme-screens: the README's screens differ from what the host draws (scripts/readme-screens.sh rewrites them):"
  cat "$work/diff"
  exit 1
fi
echo "readme-screens: the README's screens are the host's"
