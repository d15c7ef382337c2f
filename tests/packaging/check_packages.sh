#!/usr/bin/env bash
# Checks the packages that packaging/make_packages.sh wrote into OUT as a user would meet
# them: lintian finds no error and no warning in the .deb, the launcher is valid, the
# unpacked package's vidomat-calc gives the dialog's video rate and its vidomat starts on
# a virtual X display and ends on Escape with status 0, and the zip holds the very
# vidomat.exe that the Wine tests ran.
# Usage: check_packages.sh OUT WINDOWS_EXE
set -euo pipefail
out=$(realpath "$1") exe=$(realpath "$2")
version=$(sed -n 's/^project(vidomat VERSION \([0-9.]*\).*/\1/p' \
  "$(dirname "$0")/../../CMakeLists.txt")
deb=$out/vidomat_${version}_amd64.deb zip=$out/vidomat-$version-win64.zip
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || stop_display "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "check_packages: $*" >&2
  exit 1
}

echo "--- lintian $(basename "$deb")"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian reports errors or warnings"

echo "--- the launcher"
dpkg-deb -x "$deb" "$work/root"
desktop=$work/root/usr/share/applications/vidomat.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the launcher"
for size in 16 32 48 64 128; do
  [ -s "$work/root/usr/share/icons/hicolor/${size}x$size/apps/vidomat.png" ] ||
    fail "no ${size}x$size icon"
done

echo "--- vidomat-calc from the package"
json=$(cd "$work" && "$work/root/usr/bin/vidomat-calc" --medium "4,7 GB" --time 1:30:00 \
  --audio 224000 --json)
grep -q '"168": "6 610 645"' <<<"$json" || fail "vidomat-calc gives: $json"

echo "--- vidomat from the package, on a virtual X display"
dir=$work
# shellcheck source=tests/xvfb_display.sh
source "$(dirname "$0")/../xvfb_display.sh"
read -r number xvfb_pid < <(start_display) || true
[ -n "${xvfb_pid:-}" ] || fail "no virtual X display"
display=:$number
mkdir -p "$work/config" "$work/cwd"
(cd "$work/cwd" && DISPLAY=$display XDG_CONFIG_HOME=$work/config \
  "$work/root/usr/bin/vidomat" >"$work/vidomat.log" 2>&1) &
program=$!
window=""
for _ in $(seq 100); do
  window=$(DISPLAY=$display xdotool search --name "Berechnung von Video-Datenraten" 2>/dev/null |
    head -1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window appeared ($(cat "$work/vidomat.log"))"
DISPLAY=$display xdotool windowfocus --sync "$window" key Escape
status=0
timeout 10 tail --pid="$program" -f /dev/null || fail "vidomat did not end on Escape"
wait "$program" || status=$?
[ "$status" = 0 ] || fail "vidomat ended with status $status"
[ -s "$work/config/vidomat/Vidomat.ini" ] || fail "no settings file in XDG_CONFIG_HOME"
[ -z "$(ls -A "$work/cwd")" ] || fail "vidomat wrote into its working directory"

echo "--- $(basename "$zip")"
unzip -l "$zip"
# Listings are read whole before they are searched: grep -q would stop reading early and
# make the lister fail on a closed pipe.
listing=$(unzip -Z1 "$zip")
grep -qx vidomat.exe <<<"$listing" || fail "the zip does not list vidomat.exe"
unzip -p "$zip" vidomat.exe >"$work/vidomat.exe"
cmp -s "$work/vidomat.exe" "$exe" || fail "the zip's vidomat.exe is not $exe"
echo "packages checked"
