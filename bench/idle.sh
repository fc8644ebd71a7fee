#!/usr/bin/env bash
# CPU time of KelvoTop.exe under Wine over 60 s of waiting after its custom
# tab was selected, in a throw-away prefix. Run after scripts/test.sh or
# `cmake --build --preset i686`.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset i686 --target KelvoTop idle_probe
. scripts/display.sh
kelvo_ensure_display
trap kelvo_stop_display EXIT
cmake/e2e-run.sh "$PWD/build/i686" "$PWD/build/i686/idle_probe.exe" "${1:-60}"
