#!/usr/bin/env bash
# The wine session around the win32 tests, run by CTest as their set-up and
# clean-up (see tests/CMakeLists.txt); WINEPREFIX comes from the test preset.
#   wine_session.sh start LETTER FOLDER   starts a persistent wineserver for
#       the prefix (creating the prefix on first use) and maps drive LETTER:
#       to FOLDER in the prefix's dosdevices, for the tests' temporary tree;
#   wine_session.sh stop                  ends the session.
# Every wine process gets /dev/null for its streams: a background process of
# wine that kept CTest's output pipe open would hang the run.
set -euo pipefail
: "${WINEPREFIX:?is not set: run the win32 tests with ctest --preset win32}"

case ${1:-} in
start)
  letter=${2,,}
  folder=$3
  mkdir -p "$WINEPREFIX" "$folder"
  # A server already running for this prefix (a run that stopped early) is
  # reused; the trivial wine call below is what must work.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1
  ln -sfn "$folder" "$WINEPREFIX/dosdevices/$letter:"
  echo "wine ready in $WINEPREFIX; drive ${letter^^}: is $folder"
  ;;
stop)
  wineserver -k </dev/null >/dev/null 2>&1 || true
  ;;
*)
  echo "usage: $0 start LETTER FOLDER | stop" >&2
  exit 2
  ;;
esac
