#!/usr/bin/env bash
# Sets up, builds and runs every test: the logic on the host, then the Win32
# layer and the whole program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset host
cmake --build --preset host
ctest --preset host

cmake --preset i686
cmake --build --preset i686
cmake --preset x86-64 >/dev/null
cmake --build --preset x86-64

. scripts/display.sh
kelvo_ensure_display
stop() {
  local build
  for build in i686 x86-64; do WINEPREFIX="$PWD/build/$build/wineprefix" wineserver -k 2>/dev/null || true; done
  kelvo_stop_display
}
trap stop EXIT
ctest --preset i686
# The Windows parts again as a 64-bit program, under 64-bit Wine.
ctest --preset x86-64
