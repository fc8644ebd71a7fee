#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix inside the build tree
# (never the user's own), creating the prefix on first use. Without WINEARCH,
# the program's own architecture chooses the loader.
set -euo pipefail
exe=$1
build_dir=${KELVO_BUILD_DIR:-$(cd "$(dirname "$exe")" && pwd)}
export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix}
arch_given=${WINEARCH:-}
. "$(dirname "$0")/wine-prefix.sh"
if [ -z "$arch_given" ] && [ -f "$exe" ]; then
  WINEARCH=$(kelvo_exe_winearch "$exe")
  kelvo_choose_loader
fi
kelvo_make_prefix
if [ -z "${KELVO_BUILD_DIR:-}" ]; then
  exec "$WINELOADER" "$@"
fi
# A test run: what the tests started ends with them, stuck processes too.
trap kelvo_end_prefix EXIT
"$WINELOADER" "$@"
