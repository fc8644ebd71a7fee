#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix inside the build tree
# (never the user's own), creating the prefix on first use.
set -euo pipefail
exe=$1
build_dir=${KELVO_BUILD_DIR:-$(cd "$(dirname "$exe")" && pwd)}
export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix}
export WINEARCH=${WINEARCH:-win32}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
  wineserver -w
  # Wine's own bitmap fonts give "MS Sans Serif" its real metrics.
  if [ -d /usr/share/wine/fonts ]; then
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
fi
exec wine "$@"
