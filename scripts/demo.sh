#!/usr/bin/env bash
# Try it: installs what is missing, builds the linux32 preset (showing its
# progress), makes a sample tree under build/sample and starts the
# interactive host on it with the plugin loaded and a welcome box that says
# what to press. Drive C: is the sample tree, so C:\ (where new views open)
# is build/sample. Extra arguments go to the host (e.g. --lang de).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
mkdir -p build
log=build/demo-build.log
echo "demo: configuring (linux32)..."
cmake --preset linux32 >"$log" 2>&1 || { tail -n 30 "$log"; echo "demo: configuring failed (log: $log)"; exit 1; }
# The build's own progress ("[12/140] Building ...") on one line, the whole
# output in the log.
# On a terminal the line is rewritten in place; elsewhere every tenth step
# is printed.
progress() {
  local line count=0
  while IFS= read -r line; do
    case "$line" in
      \[*/*\]*)
        count=$((count + 1))
        if [ -t 1 ]; then
          printf '\r\033[Kdemo: building %.70s' "$line"
        elif [ $((count % 10)) -eq 1 ]; then
          echo "demo: building ${line%% *}"
        fi ;;
    esac
  done
  if [ -t 1 ]; then printf '\r\033[K'; fi
}
set +e
cmake --build --preset linux32 --target tolvik_host 2>&1 | tee -a "$log" | progress
status=${PIPESTATUS[0]}
set -e
if [ "$status" -ne 0 ]; then
  tail -n 30 "$log"
  echo "demo: the build failed (log: $log)"
  exit 1
fi
echo "demo: built"

sample=build/sample
./scripts/sample-tree.sh "$sample"

host=build/linux32/tools/tolvik_host
args=(--root "$sample" --select beach.jpg,harbour.jpg "$sample/photos/2025" "$sample/projects" "$@")
if [ -t 0 ] && [ -t 1 ]; then
  exec "$host" --welcome "${args[@]}"
fi
# No terminal (a pipe, CI): show the list once as text instead.
echo "demo: no terminal; the list as the host draws it:"
exec "$host" "${args[@]}" --keys "F11 Enter dump Esc"
