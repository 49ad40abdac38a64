#!/usr/bin/env bash
# The Windows package (scripts/package.sh): dist/SHA256SUMS holds the zip's
# SHA-256; the zip holds exactly the DLL, every language and help file of
# lang/ (unchanged, each in its language's code page:
# scripts/lang_codepages.py) and INSTALL.txt in one folder; its DLL passes the
# export check, is a 32-bit PE image and carries the zip's version in its
# version resource. Then the package is built once more from a copy of the
# sources in another folder, at a later time and without the compiler cache:
# the DLL and the zip must be the same to the bit. The test package of the
# win32 preset.
set -uo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

status=0
fail() { echo "test-package: FAIL: $*"; status=1; }

./scripts/package.sh >/dev/null || { echo "test-package: FAIL: scripts/package.sh failed"; exit 1; }
[ -f dist/SHA256SUMS ] || { echo "test-package: FAIL: no dist/SHA256SUMS"; exit 1; }
zip_name=$(awk 'NR == 1 {print $2}' dist/SHA256SUMS)
version=$(sed -n 's/^tolvik-\([0-9][0-9.]*\)-win32\.zip$/\1/p' <<<"$zip_name")
[ -n "$version" ] || { echo "test-package: FAIL: dist/SHA256SUMS names no tolvik-<version>-win32.zip: '$zip_name'"; exit 1; }
zip_path="dist/$zip_name"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "dist/SHA256SUMS does not match $zip_path"

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

./scripts/test-exports.sh "$dll" || fail "the packaged DLL fails scripts/test-exports.sh"

i686-w64-mingw32-objdump -f "$dll" 2>/dev/null | grep -q 'file format pei-i386' || fail "tolvik.dll is no 32-bit PE image"
strings -el "$dll" | grep -qx "$version" || fail "the version resource does not hold $version"
for f in lang/*.lng lang/*.hlf; do
  cmp -s "$f" "$work/tolvik/$(basename "$f")" || fail "$(basename "$f") differs from $f"
done
python3 scripts/lang_codepages.py "$work"/tolvik/*.lng "$work"/tolvik/*.hlf >"$work/codepages.log" ||
  { sed 's/^/  /' "$work/codepages.log"; fail "a language file is not in its code page"; }
grep -q "Copy this folder" "$work/tolvik/INSTALL.txt" || fail "INSTALL.txt does not say how to install"
grep -q "tolvik $version" "$work/tolvik/INSTALL.txt" || fail "INSTALL.txt does not name version $version"

# Once more, from a copy of the sources (committed or not) under another path.
copy="$work/elsewhere/tolvik-copy"
mkdir -p "$copy"
git ls-files -z -co --exclude-standard | xargs -0 -I{} sh -c '[ -e "$1" ] && printf "%s\0" "$1"' _ {} |
  tar --null -T - -cf - | tar -xf - -C "$copy" || fail "cannot copy the sources to $copy"
echo "test-package: building again in $copy"
if (cd "$copy" && env -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_C_COMPILER_LAUNCHER CCACHE_DISABLE=1 \
      SOURCE_DATE_EPOCH="$(git -C "$OLDPWD" log -1 --format=%ct)" ./scripts/package.sh >"$work/again.log" 2>&1); then
  for f in build/win32/src/tolvik.dll "$zip_path" dist/SHA256SUMS; do
    if ! cmp -s "$f" "$copy/$f"; then
      fail "$f differs between two builds of the same sources: $(cmp "$f" "$copy/$f" 2>&1 | head -n 1)"
      case $f in *.dll)
        diff <(i686-w64-mingw32-objdump -p "$f" | grep -E 'Time/Date|CheckSum') \
             <(i686-w64-mingw32-objdump -p "$copy/$f" | grep -E 'Time/Date|CheckSum') | sed 's/^/  /' ;;
      esac
    fi
  done
else
  tail -n 20 "$work/again.log"; fail "the second build of the package failed"
fi

size=$(stat -c %s "$dll")
echo "test-package: $(cat dist/SHA256SUMS)"
echo "test-package: tolvik.dll is $size bytes ($((size / 1024)) KB)"
[ "$size" -lt $((150 * 1024)) ] || echo "test-package: note: the DLL is over the 150 KB goal"
[ $status -eq 0 ] && echo "test-package: ok, the same SHA-256 from two folders"
exit $status
