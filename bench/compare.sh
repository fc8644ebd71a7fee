#!/usr/bin/env bash
# KelvoTop.exe against a bare tray program under Wine, in turns, at 0, 100, 1,000
# and 10,000 stored entries per list: popup, start-up, memory, Properties,
# Load DeskTop and OK. Runs in a throw-away prefix with a Wine desktop; the
# fixture files are made once, in build/<build>/bench-fixture, and kept.
# <build> is i686, or x86-64 where the host runs no 32-bit programs or
# KELVO_WINE_ARCH=x86-64 asks for it.
# Usage: bench/compare.sh [<entries per list>:<runs>...]  (default 0:7 100:7 1000:7 10000:7)
# KELVO_COMPARE_OPTIONS="FolderMenus=0" (names and values of section Options,
# comma-separated) stores those options with the lists before every start.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- 0:7 100:7 1000:7 10000:7
. scripts/wine-arch.sh
kelvo_choose_wine_build
build=$PWD/build/$KELVO_WINE_BUILD
cmake --preset "$KELVO_WINE_BUILD" >/dev/null
cmake --build --preset "$KELVO_WINE_BUILD" --target compare_probe
fixture=$build/bench-fixture

# <prefix>-1.txt ... <prefix>-<count>.txt in <folder>, made here at once:
# Wine would look through the whole folder for every new name.
make_files() {
  local folder=$1 prefix=$2 count=$3
  mkdir -p "$folder"
  [ "$count" -eq 0 ] || [ -e "$folder/$prefix-$count.txt" ] ||
    (cd "$folder" && seq -f "$prefix-%.0f.txt" "$count" | xargs touch)
}
for size in "$@"; do
  entries=${size%%:*}
  make_files "$fixture/stored" Custom "$entries"
  make_files "$fixture/stored" Desktop "$entries"
  make_files "$fixture/desktop-$entries" Note "$entries"
done

. scripts/display.sh
kelvo_ensure_display
trap kelvo_stop_display EXIT
[ -z "${KELVO_COMPARE_OPTIONS:-}" ] || echo "Options stored before every start: $KELVO_COMPARE_OPTIONS"
cmake/e2e-run.sh "$build" "$build/compare_probe.exe" \
  "Z:$(printf '%s' "$fixture" | tr / '\\')" "$@"
