#!/usr/bin/env bash
# Makes the demo's sample tree afresh in the folder given (default
# build/sample): two projects, photos, music and notes, every file and
# folder dated 2025-03-01 12:00 UTC so that the screens drawn from it are the
# same on every machine.
set -euo pipefail
sample=${1:-build/sample}
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
find "$sample" -exec touch -h -d '2025-03-01 12:00:00 UTC' {} +
