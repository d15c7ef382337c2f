#!/usr/bin/env bash
# Starts and stops the virtual X display the GTK tests run on, kept in SESSION_DIR.
#   gtk_session.sh start SESSION_DIR   writes SESSION_DIR/session.env for the tests
#   gtk_session.sh stop SESSION_DIR    ends the display
# The display has no window manager: the program draws its own title bar.
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
    stop_display "${XVFB_PID:-}"
    rm -f "$env_file"
  fi
}

case $action in
  start)
    stop
    read -r number pid < <(start_display) || true
    [ -n "${pid:-}" ] || exit 1
    cat >"$env_file" <<END
export DISPLAY=:$number
export XVFB_PID=$pid
END
    echo "display :$number"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: gtk_session.sh start|stop SESSION_DIR" >&2
    exit 2
    ;;
esac
