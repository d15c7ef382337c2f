#!/usr/bin/env bash
# Starts and stops what the Wine tests run in: a virtual X display on a free display
# number and a fresh Wine prefix, both kept in SESSION_DIR.
#   wine_session.sh start SESSION_DIR   writes SESSION_DIR/session.env for the tests
#   wine_session.sh stop SESSION_DIR    ends Wine and the display, removes the prefix
# The display has no window manager: Wine manages its windows itself and draws their
# frames, so a screenshot shows the windows as a user sees them, title bar included.
set -euo pipefail
action=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
env_file=$dir/session.env
# shellcheck source=tests/xvfb_display.sh
source "$(dirname "$0")/../xvfb_display.sh"

stop() {
  if [ -f "$env_file" ]; then
    # shellcheck disable=SC1090
    source "$env_file"
    WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$WINEPREFIX timeout 20 wineserver -w >/dev/null 2>&1 || true
    stop_display "${XVFB_PID:-}"
    rm -rf "$WINEPREFIX" "$env_file"
  fi
}

case $action in
  start)
    stop
    read -r number pid < <(start_display) || true
    [ -n "${pid:-}" ] || exit 1
    prefix=$dir/wineprefix
    rm -rf "$prefix"
    mkdir -p "$prefix"
    cat >"$env_file" <<EOF
export DISPLAY=:$number
export XVFB_PID=$pid
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
EOF
    # shellcheck disable=SC1090
    source "$env_file"
    # The Wine server stays up for the whole session, so each program starts quickly; its
    # output goes to a file, so that no test waits for it to close the test's pipes.
    setsid wineserver -p </dev/null >"$dir/wineserver.log" 2>&1
    timeout 120 wineboot -i </dev/null >"$dir/wineboot.log" 2>&1
    # Debian's Wine does not find its own fonts where the fonts-wine package puts them, and
    # would draw "MS Sans Serif" with a wider substitute and the title bar buttons as
    # letters. In the prefix's Fonts folder it finds them, as Windows has them there.
    cp /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
    # No window manager: Wine manages its windows itself (otherwise it waits two seconds
    # for a window manager each time a window hides) and draws their frames.
    for value in Managed Decorated; do
      timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v $value /t REG_SZ /d N /f \
        </dev/null >>"$dir/wineboot.log" 2>&1
    done
    echo "display :$number, prefix $prefix"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: wine_session.sh start|stop SESSION_DIR" >&2
    exit 2
    ;;
esac
