#!/usr/bin/env bash
# Prints the program's version, set in project() of CMakeLists.txt.
set -euo pipefail
version=$(sed -n 's/^project(KelvoTop VERSION \([0-9.]*\) .*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
[ -n "$version" ] || { echo "No version in project() of CMakeLists.txt." >&2; exit 1; }
echo "$version"
