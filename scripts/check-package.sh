#!/usr/bin/env bash
# Packages the program into a temporary folder and checks what a user gets:
# both archives with exactly KelvoTop.exe, LICENSE and README.txt; each
# KelvoTop.exe built for its Windows and carrying the project's version, and
# importing only what the oldest Windows named in the READMEs has; the
# program this host runs under Wine starts and shows its icon; SHA256SUMS
# matches; a second packaging from other build trees gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-arch.sh
kelvo_choose_wine_build
. scripts/display.sh
kelvo_ensure_display
work=$(mktemp -d)
trap 'rm -rf "$work"; kelvo_stop_display' EXIT
version=$(scripts/version.sh)
# The program that starts the unpacked KelvoTop.exe, from the Wine build.
cmake --preset "$KELVO_WINE_BUILD" >/dev/null
nice -n 10 cmake --build --preset "$KELVO_WINE_BUILD" --target package_start_test

fail() { echo "check-package: $*" >&2; exit 1; }

KELVO_PACKAGE_BUILD=$work/build1 scripts/package.sh "$work/dist1"

# check_archive <archive suffix> <machine of its program>
check_archive() {
  local archive=$work/dist1/KelvoTop-$version-$1.zip unpacked=$work/$1 expected
  [ -f "$archive" ] || fail "$archive is missing"
  python3 -m zipfile -e "$archive" "$unpacked"
  [ "$(cd "$unpacked" && ls -A | paste -sd' ')" = "KelvoTop.exe LICENSE README.txt" ] ||
    fail "$archive holds $(cd "$unpacked" && ls -A | paste -sd' '), not KelvoTop.exe LICENSE README.txt"
  expected="Machine $2
FILEVERSION $version.0
PRODUCTVERSION $version.0
FileVersion $version
ProductVersion $version"
  diff <(echo "$expected") <(scripts/pe_version.py "$unpacked/KelvoTop.exe" |
    grep -E '^(Machine|FILEVERSION|PRODUCTVERSION|FileVersion|ProductVersion) ') ||
    fail "KelvoTop.exe of $archive: wrong machine or version (above: expected, found)"
  tr -d '\r' <"$unpacked/LICENSE" | cmp -s - LICENSE || fail "LICENSE of $archive differs from LICENSE"
}
check_archive x86 i386
check_archive x64 x86-64
scripts/check_imports.py "$work/x86/KelvoTop.exe" "$work/x64/KelvoTop.exe" ||
  fail "a KelvoTop.exe imports a function that is newer than the oldest Windows the READMEs name, or unlisted"

# The program of the architecture this host runs, started as a user would.
if [ "$KELVO_WINE_BUILD" = i686 ]; then run=x86; else run=x64; fi
exe=$work/$run/KelvoTop.exe
KELVO_PACKAGED_EXE="Z:${exe//\//\\}" \
  cmake/e2e-run.sh "$PWD/build/$KELVO_WINE_BUILD" "$PWD/build/$KELVO_WINE_BUILD/package_start_test.exe" ||
  fail "the KelvoTop.exe of KelvoTop-$version-$run.zip did not start or show its icon under Wine"

(cd "$work/dist1" && sha256sum -c SHA256SUMS) || fail "SHA256SUMS does not match the archives"

KELVO_PACKAGE_BUILD=$work/build2 scripts/package.sh "$work/dist2"
for file in "KelvoTop-$version-x86.zip" "KelvoTop-$version-x64.zip" SHA256SUMS; do
  cmp "$work/dist1/$file" "$work/dist2/$file" || fail "$file differs between two runs"
done
echo "check-package: KelvoTop $version archives for x86 and x64 are complete and the same on a second run;" \
     "the $run program started under Wine and showed its icon."
