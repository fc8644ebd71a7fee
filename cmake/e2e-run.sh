#!/usr/bin/env bash
# Runs the end-to-end tests in a fresh private Wine prefix inside the build
# tree. A template prefix is set up once per build tree; each run starts from
# a new copy of it, so no state of an earlier run (stored lists, file
# associations, running programs) can leak into this one.
# Usage: e2e-run.sh <build dir> <test exe> [test arguments...]
set -euo pipefail
build_dir=$1
shift
template=$build_dir/e2e-template
prefix=$build_dir/e2e-prefix
arch_given=${WINEARCH:-}
. "$(dirname "$0")/wine-prefix.sh"
if [ -z "$arch_given" ]; then
  WINEARCH=$(kelvo_exe_winearch "$1")
  kelvo_choose_loader
fi

# The marker is written last, so a set-up that was cut short starts over.
if [ ! -f "$template/.kelvo-template-ready" ]; then
  rm -rf "$template"
  WINEPREFIX=$template kelvo_boot_prefix
  # Everything runs in a virtual desktop with Wine's own taskbar, as on a
  # Windows desktop: no X window manager is needed (without one, Wine waits
  # on every hidden window) and the icon sits in a real notification area.
  WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null
  WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1000 /f >/dev/null
  WINEPREFIX=$template wineserver -w
  # The tests must not see or touch the real home folder.
  kelvo_own_user_folders "$template"
  touch "$template/.kelvo-template-ready"
fi

if [ -d "$prefix" ]; then
  WINEPREFIX=$prefix kelvo_end_prefix
  rm -rf "$prefix"
fi
cp -a "$template" "$prefix"
# Drive Q: leads to a folder of the prefix, which a test deletes to take the
# drive away, as an unplugged stick goes.
mkdir -p "$prefix/kelvo-away-drive"
ln -s ../kelvo-away-drive "$prefix/dosdevices/q:"

export WINEPREFIX=$prefix
# Whatever the tests started (the program, a file manager) ends with them.
trap kelvo_end_prefix EXIT
KELVO_E2E_PRIVATE_PREFIX=1 wine "$@"
