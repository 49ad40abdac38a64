#!/usr/bin/env bash
# A built library exports exactly the plugin's entry points, undecorated, by
# the names of the build's list of them (NAMES: src/export_names.txt of the
# build, made from src/host/export_names.h); a DLL imports nothing but
# Windows' own DLLs; a Linux library takes the three Windows calls from
# libwinshim.so and defines none of them. The tests exports.dll (win32) and
# exports.so (linux32).
#   scripts/test-exports.sh NAMES LIBRARY...   each library a .dll or a .so
set -uo pipefail
[ $# -gt 1 ] || { echo "usage: $0 NAMES LIBRARY..." >&2; exit 2; }
names=$1
shift
mapfile -t libraries < <(realpath -m -s "$@")
status=0
fail() { echo "FAIL: $*"; status=1; }
sorted_words() { sort | tr '\n' ' ' | sed 's/ $//'; }

[ -s "$names" ] || { echo "FAIL: no export names in $names"; exit 1; }
expected=$(sorted_words <"$names")

check_dll() {
  local dll=$1 exports imports name table call
  exports=$(i686-w64-mingw32-objdump -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' \
            | sed -n 's/^\s*\[ *[0-9]*\] //p' | sorted_words)
  [ "$exports" = "$expected" ] || fail "DLL exports: expected '$expected', got '$exports'"
  imports=$(i686-w64-mingw32-objdump -p "$dll" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u)
  for name in $imports; do
    case "$name" in
      KERNEL32.DLL|USER32.DLL|MSVCRT.DLL|NTDLL.DLL|API-MS-WIN-*) ;;
      *) fail "DLL imports $name, which is not one of Windows' own DLLs" ;;
    esac
  done
  table=$(i686-w64-mingw32-objdump -p "$dll")
  for call in GetAsyncKeyState GetFileAttributesA DisableThreadLibraryCalls; do
    grep -q "\b$call\b" <<<"$table" || fail "DLL does not import $call"
  done
}

check_so() {
  local so=$1 defined undefined defined_all dynamic call
  defined=$(nm -D --defined-only "$so" | awk '$2 ~ /^[TW]$/ {print $3}' | grep -v -E '^_(init|fini)$' | sorted_words)
  [ "$defined" = "$expected" ] || fail "libtolvik.so exports: expected '$expected', got '$defined'"
  undefined=$(nm -D --undefined-only "$so"); defined_all=$(nm -D --defined-only "$so"); dynamic=$(readelf -d "$so")
  for call in GetAsyncKeyState GetFileAttributesA DisableThreadLibraryCalls; do
    grep -q "\b$call\b" <<<"$undefined" || fail "libtolvik.so does not import $call"
    grep -q "\b$call\b" <<<"$defined_all" && fail "libtolvik.so defines $call"
  done
  grep -q 'libwinshim.so' <<<"$dynamic" || fail "libtolvik.so does not link libwinshim.so"
  grep -q SYMBOLIC <<<"$dynamic" && fail "libtolvik.so is linked with -Bsymbolic"
}

for library in "${libraries[@]}"; do
  if [ ! -f "$library" ]; then
    fail "no library at $library"
  elif [[ $library == *.dll ]]; then
    check_dll "$library"
  else
    check_so "$library"
  fi
done
[ $status -eq 0 ] && echo "exports and imports of ${libraries[*]}: ok"
exit $status
