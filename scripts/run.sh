#!/usr/bin/env bash
# Sets up, builds and starts KelvoTop.exe under Wine on the current display.
# Without a usable display it runs on a private Xvfb, inside a Wine desktop
# whose taskbar shows the icon. Its lists live in a Wine prefix inside the
# build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset i686
cmake --build --preset i686 --target KelvoTop

. scripts/display.sh
export WINEPREFIX="$PWD/build/wine-run"
scripts/run-prefix.sh "$WINEPREFIX"
if kelvo_display_usable; then
  echo "Starting KelvoTop: its icon waits in the notification area (right-click it)."
  exec cmake/wine-run.sh build/i686/KelvoTop.exe
fi
kelvo_ensure_display
trap kelvo_stop_display EXIT
echo "No usable display: KelvoTop runs in a Wine desktop on the virtual display $DISPLAY."
echo "Its icon waits at the right of that desktop's taskbar; stop it with Ctrl+C."
cmake/wine-run.sh explorer /desktop=shell,1280x1000 "Z:${PWD//\//\\}\\build\\i686\\KelvoTop.exe"
