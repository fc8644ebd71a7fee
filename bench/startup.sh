#!/usr/bin/env bash
# Start-up time and memory of KelvoTop.exe under Wine for 0 and 1,000 stored
# entries per list, in a Wine prefix of its own. Run after scripts/test.sh or
# `cmake --build --preset i686`.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset i686 --target KelvoTop startup_probe
. scripts/display.sh
kelvo_ensure_display
export WINEPREFIX="$PWD/build/i686/bench-prefix"
trap 'wineserver -k 2>/dev/null || true; kelvo_stop_display' EXIT
# A Wine desktop with a taskbar, as on Windows; without a window manager Wine
# would wait on every window that is hidden.
cmake/wine-run.sh reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null
cmake/wine-run.sh reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1000 /f >/dev/null
for entries in 0 1000; do
  cmake/wine-run.sh build/i686/startup_probe.exe 'build\i686\KelvoTop.exe' "$entries" 5
done
