#!/usr/bin/env bash
# Installs every Debian package the builds, tests and demo need; quick when all is there.
set -euo pipefail

# Release-free names where Debian has them (libclang-rt-dev follows clang;
# g++-multilib brings the 32-bit libstdc++ of the default g++).
packages=(
  cmake ninja-build g++ g++-multilib clang libclang-rt-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386
  libc6-dbg:i386 libbenchmark-dev:i386 libgtest-dev
  googletest valgrind tmux unzip python3 clang-format clang-tidy gcovr
)

missing=()
for p in "${packages[@]}"; do
  name=${p%%:*}
  arch=${p#*:}; [ "$arch" = "$p" ] && arch=""
  query=$name; [ -n "$arch" ] && query="$name:$arch"
  if ! dpkg-query -W -f='${Status}' "$query" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
# The posix thread model is the one with std::mutex.
if update-alternatives --list i686-w64-mingw32-g++ >/dev/null 2>&1; then
  $SUDO update-alternatives --set i686-w64-mingw32-g++ /usr/bin/i686-w64-mingw32-g++-posix >/dev/null || true
  $SUDO update-alternatives --set i686-w64-mingw32-gcc /usr/bin/i686-w64-mingw32-gcc-posix >/dev/null || true
fi
