#!/usr/bin/env bash
# The Windows package as the win32 build made it (target tolvik_package,
# cmake/package.cmake): DIST/SHA256SUMS holds the zip's SHA-256; the zip
# holds exactly the DLL, every language and help file of lang/ (unchanged)
# and INSTALL.txt in one folder; its DLL passes the export check, is a
# 32-bit PE image and carries the zip's version in its version resource. The
# build is the same in any folder and at any time: neither DLL holds the
# source or the build folder's path, the linked DLL's header no link time,
# and every entry of the zip the same time. The test package of the win32
# preset; it builds and writes nothing.
#   scripts/test-package.sh DIST DLL NAMES   DLL the linked one, NAMES the export names
set -uo pipefail
[ $# -eq 3 ] || { echo "usage: $0 DIST DLL NAMES" >&2; exit 2; }
dist=$1 linked=$2 names=$3
cd "$(dirname "$0")/.."
export LC_ALL=C

status=0
fail() { echo "test-package: FAIL: $*"; status=1; }

[ -f "$dist/SHA256SUMS" ] || { echo "test-package: FAIL: no $dist/SHA256SUMS"; exit 1; }
zip_name=$(awk 'NR == 1 {print $2}' "$dist/SHA256SUMS")
version=$(sed -n 's/^tolvik-\([0-9][0-9.]*\)-win32\.zip$/\1/p' <<<"$zip_name")
[ -n "$version" ] || { echo "test-package: FAIL: SHA256SUMS names no tolvik-<version>-win32.zip: '$zip_name'"; exit 1; }
zip_path="$dist/$zip_name"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match $zip_path"

expected=$( { echo tolvik/tolvik.dll; echo tolvik/INSTALL.txt
              for f in lang/*.lng lang/*.hlf; do echo "tolvik/$(basename "$f")"; done; } | sort)
listed=$(unzip -Z1 "$zip_path" | sort)
[ "$listed" = "$expected" ] || fail "expected the entries
$expected
got
$listed"
times=$(unzip -Z -T "$zip_path" | awk '$1 ~ /^-/ {print $7}' | sort -u)
[ "$(wc -l <<<"$times")" -eq 1 ] || fail "the zip's entries carry different times: $(echo $times)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip_path" -d "$work" || fail "cannot unpack $zip_path"
dll="$work/tolvik/tolvik.dll"

./scripts/test-exports.sh "$names" "$dll" || fail "the packaged DLL fails scripts/test-exports.sh"

i686-w64-mingw32-objdump -f "$dll" 2>/dev/null | grep -q 'file format pei-i386' || fail "tolvik.dll is no 32-bit PE image"
strings -el "$dll" | grep -qx "$version" || fail "the version resource does not hold $version"
for f in lang/*.lng lang/*.hlf; do
  cmp -s "$f" "$work/tolvik/$(basename "$f")" || fail "$(basename "$f") differs from $f"
done
grep -q "Copy this folder" "$work/tolvik/INSTALL.txt" || fail "INSTALL.txt does not say how to install"
grep -q "tolvik $version" "$work/tolvik/INSTALL.txt" || fail "INSTALL.txt does not name version $version"

for path in "$PWD" "$(realpath "$(dirname "$linked")/..")"; do
  for f in "$linked" "$dll"; do
    grep -qaF "$path" "$f" && fail "$(basename "$(dirname "$f")")/$(basename "$f") holds the path $path"
  done
done
# 0, which objdump shows as the first second of 1970.
stamp=$(i686-w64-mingw32-objdump -p "$linked" | grep -m1 '^Time/Date')
[[ $stamp == *" 1970" ]] || fail "the linked DLL's header holds a link time: $stamp"

size=$(stat -c %s "$dll")
echo "test-package: $(cat "$dist/SHA256SUMS")"
echo "test-package: tolvik.dll is $size bytes ($((size / 1024)) KB)"
[ "$size" -lt $((150 * 1024)) ] || echo "test-package: note: the DLL is over the 150 KB goal"
[ $status -eq 0 ] && echo "test-package: ok"
exit $status
