#!/usr/bin/env bash
# Makes the Windows package from a built DLL (cmake/package.cmake), run from
# the project root:
#   cmake/package.sh DLL STRIP VERSION STAGE DIST
# DIST/tolvik-VERSION-win32.zip holds one folder, tolvik/, with exactly the
# stripped DLL, every language and help file of lang/ and INSTALL.txt;
# DIST/SHA256SUMS holds the zip's SHA-256. The zip is bit for bit the same
# for the same sources in any folder and at any time: the DLL builds
# reproducibly (cmake/reproducible.cmake), the stripped DLL's header and
# every entry of the zip carry the same time, SOURCE_DATE_EPOCH or else the
# last commit's, and the entries have a fixed order and fixed permissions.
set -euo pipefail
export LC_ALL=C
[ $# -eq 5 ] || { echo "usage: $0 DLL STRIP VERSION STAGE DIST" >&2; exit 2; }
dll=$1 strip=$2 version=$3 stage=$4 dist=$5
stamp=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$stamp" ] || { echo "package: set SOURCE_DATE_EPOCH (no git history here)"; exit 1; }

rm -rf "$stage"
mkdir -p "$stage/tolvik" "$dist"
# strip stamps the PE header with SOURCE_DATE_EPOCH, else with the time now.
SOURCE_DATE_EPOCH=$stamp "$strip" --strip-all -o "$stage/tolvik/tolvik.dll" "$dll"
cp lang/*.lng lang/*.hlf "$stage/tolvik/"
languages=$(sed -s -n '1s/^\.Language=\([^,]*\),.*/\1/p' lang/*.lng | tr -d '\r' | paste -sd, | sed 's/,/, /g')

# The install note, with Windows line ends.
sed 's/$/\r/' >"$stage/tolvik/INSTALL.txt" <<NOTE
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
NOTE

zip_name="tolvik-$version-win32.zip"
python3 - "$dist/$zip_name" "$stamp" "$stage" tolvik <<'PY'
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
(cd "$dist" && sha256sum "$zip_name" >SHA256SUMS)
