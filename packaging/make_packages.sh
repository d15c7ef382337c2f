#!/usr/bin/env bash
# Builds the two packages a user installs, into OUT (default build-package/):
#   vidomat_<version>_amd64.deb   the GTK program and vidomat-calc, made the Debian way
#   vidomat-<version>-win64.zip   vidomat.exe (as built in build-win32/) and LIESMICH.txt
# The version is the one of the CMake project. The source tree is copied first, so the
# package build leaves nothing behind in it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-package}")
version=$(sed -n 's/^project(vidomat VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "make_packages: no version in CMakeLists.txt" >&2; exit 1; }
exe=$root/build-win32/vidomat.exe
[ -f "$exe" ] || { echo "make_packages: $exe is missing (make build-win32)" >&2; exit 1; }

rm -rf "$out" && mkdir -p "$out"

# --- Debian --------------------------------------------------------------------------
stage=$out/vidomat-$version
mkdir -p "$stage"
tar -C "$root" --exclude='./build*' --exclude=./.git --exclude=./debian/changelog \
  -cf - . | tar -C "$stage" -xf -
sed "s/@VERSION@/$version/" "$root/debian/changelog.in" >"$stage/debian/changelog"
rm "$stage/debian/changelog.in"
(cd "$stage" && dpkg-buildpackage -b -us -uc >"$out/dpkg-buildpackage.log" 2>&1) || {
  tail -40 "$out/dpkg-buildpackage.log" >&2
  exit 1
}
rm -rf "$stage"
deb=$out/vidomat_${version}_amd64.deb
[ -f "$deb" ] || { echo "make_packages: $deb was not written" >&2; exit 1; }

# --- Windows -------------------------------------------------------------------------
# The text file as Windows expects it: Windows-1252 with CR LF line ends.
zipdir=$out/zip
mkdir -p "$zipdir"
cp "$exe" "$zipdir/vidomat.exe"
iconv -f UTF-8 -t WINDOWS-1252 "$root/packaging/windows/LIESMICH.txt" |
  sed 's/$/\r/' >"$zipdir/LIESMICH.txt"
zip="$out/vidomat-$version-win64.zip"
(cd "$zipdir" && zip -q -X "$zip" vidomat.exe LIESMICH.txt)
rm -rf "$zipdir"

echo "$deb"
echo "$zip"
