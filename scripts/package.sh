#!/usr/bin/env bash
# The Windows package: builds the win32 preset's package (build preset
# win32-package: the DLL and the target tolvik_package, cmake/package.cmake)
# and copies it to dist/: tolvik-<version>-win32.zip and SHA256SUMS. Prints
# the zip's path and the DLL's size.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
mkdir -p build
if ! { { [ -f build/win32/build.ninja ] || cmake --preset win32; } &&
       cmake --build --preset win32-package; } >build/package-build.log 2>&1; then
  tail -n 30 build/package-build.log
  echo "package: the win32 build failed (log: build/package-build.log)"
  exit 1
fi

zip_name=$(awk 'NR == 1 {print $2}' build/win32/dist/SHA256SUMS)
mkdir -p dist
cp "build/win32/dist/$zip_name" build/win32/dist/SHA256SUMS dist/
size=$(stat -c %s build/win32/package/tolvik/tolvik.dll)
echo "package: dist/$zip_name"
echo "package: $(cat dist/SHA256SUMS)"
echo "package: tolvik.dll $size bytes ($((size / 1024)) KB stripped)"
