#!/usr/bin/env bash
# Runs a Windows program under Wine in a private prefix inside the build tree
# (never the user's own), creating the prefix on first use.
set -euo pipefail
exe=$1
build_dir=${KELVO_BUILD_DIR:-$(cd "$(dirname "$exe")" && pwd)}
export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix}
. "$(dirname "$0")/wine-prefix.sh"
kelvo_make_prefix
exec wine "$@"
