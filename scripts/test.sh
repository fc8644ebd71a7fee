#!/usr/bin/env bash
# Sets up, builds and runs every test: the logic on the host, then the Win32
# layer and the whole program under Wine, as the 32-bit and the 64-bit
# program. A host that cannot run 32-bit programs (or KELVO_WINE_ARCH=x86-64)
# still builds the 32-bit program and its tests, and runs the 64-bit ones.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/wine-arch.sh
kelvo_choose_wine_build

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
  for build in i686 x86-64; do
    (export WINEPREFIX="$PWD/build/$build/wineprefix"; . cmake/wine-prefix.sh; wineserver -k 2>/dev/null) || true
  done
  kelvo_stop_display
}
trap stop EXIT

# The names of the tests of a preset, on one line.
tests_of() { ctest --preset "$1" -N | sed -n 's/^ *Test *#[0-9]*: //p' | paste -sd, | sed 's/,/, /g'; }

summary=("host: $(ctest --preset host -N | grep -c 'Test *#') tests of the logic, native, the fuzz target's corpus replayed among them ($(ls fuzz/corpus | wc -l) inputs)")
if [ "$KELVO_WINE_BUILD" = i686 ]; then
  ctest --preset i686
  summary+=("i686: $(tests_of i686) under 32-bit Wine ($KELVO_WINE_LOADER)")
else
  summary+=("i686: built, not run (see above)")
fi
# The Windows parts and the whole program again as a 64-bit program.
ctest --preset x86-64
summary+=("x86-64: $(tests_of x86-64) under 64-bit Wine (/usr/lib/wine/wine64)")
# What a user downloads: both archives, built twice, and one of them started.
scripts/check-package.sh
summary+=("package: KelvoTop-$(scripts/version.sh)-x86.zip and -x64.zip hold KelvoTop.exe of that version, LICENSE and README.txt, match SHA256SUMS and come out the same twice; the $KELVO_WINE_BUILD program started from its archive under Wine")

echo "All tests passed:"
printf '  %s\n' "${summary[@]}"
