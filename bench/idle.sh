#!/usr/bin/env bash
# CPU time of KelvoTop.exe under Wine over 60 s of waiting after its custom
# tab was selected, in a throw-away prefix, as the 32-bit program (the 64-bit
# one where the host runs no 32-bit programs, or KELVO_WINE_ARCH=x86-64).
# Run after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-arch.sh
kelvo_choose_wine_build
build=$PWD/build/$KELVO_WINE_BUILD
cmake --build --preset "$KELVO_WINE_BUILD" --target KelvoTop idle_probe
. scripts/display.sh
kelvo_ensure_display
trap kelvo_stop_display EXIT
cmake/e2e-run.sh "$build" "$build/idle_probe.exe" "${1:-60}"
