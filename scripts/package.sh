#!/usr/bin/env bash
# Builds the release programs for 32-bit and 64-bit Windows, each from a
# clean build tree, and writes what a user downloads:
#   KelvoTop-<version>-x86.zip and KelvoTop-<version>-x64.zip (each holding
#   the stripped KelvoTop.exe, LICENSE and README.txt) and SHA256SUMS.
# The same commit gives the same bytes: a build without link times, a strip
# that stamps the program with the commit's time ($SOURCE_DATE_EPOCH when set)
# and zip entries in a fixed order, all dated at that time.
# Usage: scripts/package.sh [output folder, default dist]
# The build trees go to $KELVO_PACKAGE_BUILD (default build/package).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-dist}" && cd "${1:-dist}" && pwd)
builds=${KELVO_PACKAGE_BUILD:-$PWD/build/package}
scripts/setup.sh

version=$(scripts/version.sh)
# The README's download section names the archives of this version.
if ! sed -n '/^## Download and install/,/^## /p' README.md | grep -qF "KelvoTop-$version-x86.zip"; then
  echo "README.md's \"Download and install\" section does not name KelvoTop-$version-x86.zip;" \
       "bring it to version $version (from CMakeLists.txt)." >&2
  exit 1
fi
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

# Text files with Windows line ends, so every editor shows their lines.
windows_text() { sed 's/\r*$/\r/' "$1"; }

# package <archive suffix> <toolchain> <mingw prefix>
package() {
  local suffix=$1 toolchain=$2 mingw=$3
  local build=$builds/$suffix stage=$builds/$suffix-stage
  rm -rf "$build" "$stage"
  nice -n 10 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/$toolchain.cmake" >/dev/null
  nice -n 10 cmake --build "$build" --target KelvoTop
  mkdir -p "$stage"
  "$mingw-strip" -o "$stage/KelvoTop.exe" "$build/KelvoTop.exe"
  windows_text LICENSE >"$stage/LICENSE"
  sed "s/@VERSION@/$version/" packaging/README.txt.in | windows_text /dev/stdin >"$stage/README.txt"
  rm -f "$out/KelvoTop-$version-$suffix.zip"
  scripts/zip_release.py "$out/KelvoTop-$version-$suffix.zip" "$SOURCE_DATE_EPOCH" \
    "$stage/KelvoTop.exe" "$stage/LICENSE" "$stage/README.txt"
}

package x86 mingw-i686 i686-w64-mingw32
package x64 mingw-x86-64 x86_64-w64-mingw32
(cd "$out" && sha256sum "KelvoTop-$version-x86.zip" "KelvoTop-$version-x64.zip" >SHA256SUMS)
echo "Packaged KelvoTop $version into $out:"
(cd "$out" && ls -l "KelvoTop-$version-x86.zip" "KelvoTop-$version-x64.zip" SHA256SUMS)
