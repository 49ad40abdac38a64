#!/usr/bin/env bash
# The Windows package: builds the product's DLL (build preset win32-plugin)
# and makes dist/tolvik-<version>-win32.zip holding one folder, tolvik/, with
# exactly the stripped DLL, every language file and help file of lang/, and
# INSTALL.txt; dist/SHA256SUMS beside it holds the zip's SHA-256. Prints the
# zip's path and the DLL's size.
# The zip is bit for bit the same for the same sources in any folder and at
# any time: the DLL builds reproducibly (cmake/reproducible.cmake), the
# stripped DLL's header and every entry of the zip carry the same time,
# SOURCE_DATE_EPOCH or else the last commit's, and the entries have a fixed
# order and fixed permissions. scripts/test-package.sh checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

# The one place that reads the version; scripts/test-package.sh takes it from
# the zip's name in dist/SHA256SUMS.
version=$(sed -n 's/^project(tolvik VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no project VERSION in CMakeLists.txt"; exit 1; }
stamp=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$stamp" ] || { echo "package: set SOURCE_DATE_EPOCH (no git history here)"; exit 1; }

./scripts/setup.sh
mkdir -p build
# A folder configured already is built as it is: the package test runs in it.
if ! { { [ -f build/win32/build.ninja ] || cmake --preset win32; } &&
       cmake --build --preset win32-plugin; } >build/package-build.log 2>&1; then
  tail -n 30 build/package-build.log
  echo "package: the win32 build failed (log: build/package-build.log)"
  exit 1
fi

stage=build/package/tolvik
rm -rf build/package
mkdir -p "$stage" dist
# strip stamps the PE header with SOURCE_DATE_EPOCH, else with the time now.
SOURCE_DATE_EPOCH=$stamp i686-w64-mingw32-strip --strip-all -o "$stage/tolvik.dll" build/win32/src/tolvik.dll
cp lang/*.lng lang/*.hlf "$stage/"
languages=$(sed -s -n '1s/^\.Language=\([^,]*\),.*/\1/p' lang/*.lng | tr -d '\r' | paste -sd, | sed 's/,/, /g')

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
Languages: $languages.

Uninstall: close the file manager and delete the folder.
EOF

zip_name="tolvik-$version-win32.zip"
python3 - "dist/$zip_name" "$stamp" build/package tolvik <<'PY'
import os, sys, time, zipfile

path, stamp, root, folder = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
# A zip's times start in 1980.
when = time.gmtime(max(stamp, 315532800))[:6]
names = sorted(os.listdir(os.path.join(root, folder)))
with zipfile.ZipFile(path + ".part", "w") as archive:
    for name in names:
        entry = zipfile.ZipInfo(f"{folder}/{name}", date_time=when)
        entry.create_system = 3
        entry.external_attr = 0o100644 << 16
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(root, folder, name), "rb") as f:
            archive.writestr(entry, f.read(), compresslevel=9)
os.replace(path + ".part", path)
PY
(cd dist && sha256sum "$zip_name" >SHA256SUMS)

size=$(stat -c %s "$stage/tolvik.dll")
echo "package: dist/$zip_name"
echo "package: $(cat dist/SHA256SUMS)"
echo "package: tolvik.dll $size bytes ($((size / 1024)) KB stripped)"
