#!/usr/bin/env bash
# Sets up, builds and starts KelvoTop.exe under Wine on the current display
# (or on a private Xvfb when there is none). Its lists live in a Wine prefix
# inside the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset i686
cmake --build --preset i686 --target KelvoTop

. scripts/display.sh
if ! kelvo_display_usable; then
  kelvo_ensure_display
  echo "No usable display: KelvoTop runs on the virtual display $DISPLAY."
  trap kelvo_stop_display EXIT
fi
export WINEPREFIX="$PWD/build/wine-run"
echo "Starting KelvoTop: its icon waits in the notification area (right-click it)."
cmake/wine-run.sh build/i686/KelvoTop.exe
