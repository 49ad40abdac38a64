#!/usr/bin/env bash
# The Windows package holds exactly the DLL, the language files, the help
# files and INSTALL.txt in one folder; its DLL passes the export check, is a
# 32-bit PE image and carries the version in its version resource.
set -uo pipefail
cd "$(dirname "$0")/.."

status=0
fail() { echo "test-package: FAIL: $*"; status=1; }

./scripts/package.sh >/dev/null || { echo "test-package: FAIL: scripts/package.sh failed"; exit 1; }
version=$(sed -n 's/^project(tolvik VERSION \([0-9][0-9.]*\).*/\1/p' CMakeLists.txt)
zip_path="dist/tolvik-$version-win32.zip"
[ -f "$zip_path" ] || { echo "test-package: FAIL: no $zip_path"; exit 1; }

expected=$( { echo tolvik/tolvik.dll; echo tolvik/INSTALL.txt
              for f in lang/*.lng lang/*.hlf; do echo "tolvik/$(basename "$f")"; done; } | sort)
listed=$(unzip -Z1 "$zip_path" | sort)
[ "$listed" = "$expected" ] || fail "expected the entries
$expected
got
$listed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip_path" -d "$work" || fail "cannot unpack $zip_path"
dll="$work/tolvik/tolvik.dll"

# The export check also looks at the Linux library: build it when missing.
so=build/linux32/src/libtolvik.so
if [ ! -f "$so" ]; then
  { cmake --preset linux32 && cmake --build --preset linux32 --target tolvik; } >/dev/null 2>&1
fi
./scripts/test-exports.sh "$dll" "$so" || fail "the packaged DLL fails scripts/test-exports.sh"

i686-w64-mingw32-objdump -f "$dll" 2>/dev/null | grep -q 'file format pei-i386' || fail "tolvik.dll is no 32-bit PE image"
strings -el "$dll" | grep -qx "$version" || fail "the version resource does not hold $version"
for f in lang/*.lng lang/*.hlf; do
  cmp -s "$f" "$work/tolvik/$(basename "$f")" || fail "$(basename "$f") differs from $f"
done
grep -q "Copy this folder" "$work/tolvik/INSTALL.txt" || fail "INSTALL.txt does not say how to install"
grep -q "tolvik $version" "$work/tolvik/INSTALL.txt" || fail "INSTALL.txt does not name version $version"

size=$(stat -c %s "$dll")
echo "test-package: tolvik.dll is $size bytes ($((size / 1024)) KB)"
[ "$size" -lt $((150 * 1024)) ] || echo "test-package: note: the DLL is over the 150 KB goal"
[ $status -eq 0 ] && echo "test-package: ok"
exit $status
