#!/usr/bin/env bash
# Try it: installs what is missing, builds the linux32 preset, makes a sample
# tree under build/sample and starts the interactive host on it with the
# plugin loaded. Drive C: is the sample tree, so C:\ (where new views open)
# is build/sample. Extra arguments go to the host (e.g. --lang de).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
echo "demo: building (linux32)..."
cmake --preset linux32 >build-demo.log 2>&1 && cmake --build --preset linux32 --target tolvik_host >>build-demo.log 2>&1 \
  || { tail -n 30 build-demo.log; echo "demo: the build failed (log: build-demo.log)"; exit 1; }
mv build-demo.log build/demo-build.log

# A fresh sample tree each time: two projects, photos, music and notes.
sample=build/sample
rm -rf "$sample"
mkdir -p "$sample"/projects/{alpha/src,alpha/docs,beta/src} "$sample"/photos/{2024,2025} "$sample"/music "$sample"/notes
for f in alpha/README.md alpha/src/main.c alpha/src/util.c alpha/docs/guide.txt beta/README.md beta/src/app.py; do
  echo "$f" >"$sample/projects/$f"
done
for f in beach.jpg city.jpg forest.jpg harbour.jpg; do echo "$f" >"$sample/photos/2025/$f"; done
for f in winter.jpg spring.jpg; do echo "$f" >"$sample/photos/2024/$f"; done
for f in 01-intro.ogg 02-theme.ogg 03-finale.ogg; do echo "$f" >"$sample/music/$f"; done
printf 'Shopping\n- bread\n- coffee\n' >"$sample/notes/todo.txt"
printf 'Try the view list: F11, then Enter.\n' >"$sample/notes/hello.txt"

cat <<'EOF'

tolvik demo: the host emulator with the plugin loaded, on build/sample (drive C:).
  F11 then Enter   the view list (the plugin)       F12   the list in Ctrl mode
  in the list: arrows walk with a live preview, Enter keeps, Esc goes back,
  Ctrl+Shift+F3 new view, Ctrl+F3 duplicate, Del delete, F1 the plugin's help
  in the panels: Tab other panel, Ins select, s/r sort, v view mode,
  t/q/i/p tree, quick view, information, plugin panel; F1 all keys; F10 quits
EOF

host=build/linux32/tools/tolvik_host
args=(--root "$sample" --select beach.jpg,harbour.jpg "$sample/photos/2025" "$sample/projects" "$@")
if [ -t 0 ] && [ -t 1 ]; then
  exec "$host" "${args[@]}"
fi
# No terminal (a pipe, CI): show the list once as text instead.
echo
echo "demo: no terminal; the list as the host draws it:"
exec "$host" "${args[@]}" --keys "F11 Enter dump Esc"
