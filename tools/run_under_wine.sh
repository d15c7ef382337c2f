#!/usr/bin/env bash
# Starts vidomat.exe under Wine on the user's X display. It runs in RUN_DIR/work, where it
# keeps its settings file Vidomat.ini, with a Wine prefix of its own in RUN_DIR/wineprefix.
# Usage: run_under_wine.sh VIDOMAT_EXE RUN_DIR
set -euo pipefail
exe=$(realpath "$1")
dir=$(mkdir -p "$2" && cd "$2" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  echo "vidomat: no X display (DISPLAY is not set). vidomat.exe is a Windows program and runs" \
    "under Wine, which shows its windows on an X display: run this from a desktop session" \
    "or with X forwarding (ssh -X)." >&2
  exit 1
fi
if ! command -v wine >/dev/null; then
  echo "vidomat: Wine is not installed; 'make deps' (as root) installs it." >&2
  exit 1
fi
export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "vidomat: setting up the Wine prefix $WINEPREFIX (once)"
  mkdir -p "$WINEPREFIX"
  wineboot -i >"$dir/wineboot.log" 2>&1
  # Debian's Wine looks for its own fonts (MS Sans Serif, Marlett) in the wrong place;
  # in the prefix's Fonts folder it finds them, as on Windows.
  if [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
fi
mkdir -p "$dir/work"
cd "$dir/work"
exec wine "$exe"
