#!/usr/bin/env bash
# Installs what building and testing KelvoTop on Debian needs. Safe to run again.
set -euo pipefail

need_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
          mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine32:i386 wine64 fonts-wine fonts-liberation fonts-wqy-microhei
          xvfb xauth imagemagick x11-utils xdotool locales)

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root dpkg --add-architecture i386
fi
todo=$(missing)
if [ -n "$todo" ]; then
  export DEBIAN_FRONTEND=noninteractive
  need_root apt-get update -q
  # shellcheck disable=SC2086
  need_root apt-get install -y -q --no-install-recommends $todo
fi
