#!/usr/bin/env bash
# The Windows package: builds the win32 preset and makes
# dist/tolvik-<version>-win32.zip holding one folder, tolvik/, with exactly
# the stripped DLL, the language files, the help files and INSTALL.txt.
# Prints the zip's path and the DLL's size.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^project(tolvik VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no project VERSION in CMakeLists.txt"; exit 1; }

./scripts/setup.sh
mkdir -p build
if ! { cmake --preset win32 && cmake --build --preset win32 --target tolvik; } >build/package-build.log 2>&1; then
  tail -n 30 build/package-build.log
  echo "package: the win32 build failed (log: build/package-build.log)"
  exit 1
fi

stage=build/package/tolvik
rm -rf build/package
mkdir -p "$stage" dist
i686-w64-mingw32-strip --strip-all -o "$stage/tolvik.dll" build/win32/src/tolvik.dll
cp lang/*.lng lang/*.hlf "$stage/"

# The install note, with Windows line ends.
sed 's/$/\r/' >"$stage/INSTALL.txt" <<EOF
tolvik $version: saved panel views for a two-panel file manager

Install
  1. Close the file manager.
  2. Copy this folder, tolvik, into the file manager's plugin folder
     (Plugins\\tolvik beside the other plugins).
  3. Start the file manager again. Its plugin menu (F11) now holds
     "tolvik: panel views"; F1 in the view list shows the help.

Files
  tolvik.dll                     the plugin (32-bit Windows)
  tolvik_<language>.lng          its texts, one file per language
  tolvik_<language>.hlf          its help, one file per language
  INSTALL.txt                    this note
The file manager picks the language file that matches its own language.

Uninstall: close the file manager and delete the folder.
EOF

# Stable dates: every file carries the time of the last commit.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
touch -d "@$stamp" "$stage" "$stage"/*

zip_path="dist/tolvik-$version-win32.zip"
rm -f "$zip_path"
(cd build/package && zip -q -X -D -r "../../$zip_path" tolvik)

size=$(stat -c %s "$stage/tolvik.dll")
echo "package: $zip_path"
echo "package: tolvik.dll $size bytes ($((size / 1024)) KB stripped)"
