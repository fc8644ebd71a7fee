#!/usr/bin/env bash
# Sets up, builds and starts KelvoTop.exe under Wine on the current display.
# Without a usable display it runs on a private Xvfb, inside a Wine desktop
# whose taskbar shows the icon. Its lists live in a Wine prefix inside the
# build tree. A host that cannot run 32-bit programs (or
# KELVO_WINE_ARCH=x86-64) runs the 64-bit program, in a prefix of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/wine-arch.sh
kelvo_choose_wine_build
build=$KELVO_WINE_BUILD
cmake --preset "$build"
cmake --build --preset "$build" --target KelvoTop

. scripts/display.sh
if [ "$build" = i686 ]; then
  export WINEPREFIX="$PWD/build/wine-run" WINEARCH=win32
else
  export WINEPREFIX="$PWD/build/wine-run-x86-64" WINEARCH=win64
fi
scripts/run-prefix.sh "$WINEPREFIX"
if kelvo_display_usable; then
  echo "Starting KelvoTop: its icon waits in the notification area (right-click it)."
  exec cmake/wine-run.sh "build/$build/KelvoTop.exe"
fi
kelvo_ensure_display
trap kelvo_stop_display EXIT
echo "No usable display: KelvoTop runs in a Wine desktop on the virtual display $DISPLAY."
echo "Its icon waits at the right of that desktop's taskbar; stop it with Ctrl+C."
cmake/wine-run.sh explorer /desktop=shell,1280x1000 "Z:${PWD//\//\\}\\build\\$build\\KelvoTop.exe"
