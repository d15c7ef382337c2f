#!/usr/bin/env bash
# Starts vidomat on the session's virtual display with an XDG_CONFIG_HOME that does not
# exist yet, in an empty working folder, and closes it with Escape: once untouched, once
# after typing a reserve with real input (xdotool). Each close must end the program with
# status 0 and leave the 300-byte settings file in $XDG_CONFIG_HOME/vidomat (the folders
# made at the first save, not before), the second one with the typed value in it;
# nothing may appear in the working folder.
# Usage: run_program.sh VIDOMAT SESSION_DIR WORK_DIR
set -euo pipefail
program=$(realpath "$1") session_dir=$2 work=$3
rm -rf "$work" && mkdir -p "$work/cwd"
# shellcheck disable=SC1091
source "$session_dir/session.env"
export XDG_CONFIG_HOME=$work/config
settings=$XDG_CONFIG_HOME/vidomat/Vidomat.ini
title="Berechnung von Video-Datenraten"
pid=

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
end_program() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
  fi
}
trap end_program EXIT

start() {
  (cd "$work/cwd" && exec "$program" </dev/null >"$work/out.txt" 2>"$work/err.txt") &
  pid=$!
  local end=$((SECONDS + 30))
  until window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) &&
    [ -n "$window" ]; do
    kill -0 "$pid" 2>/dev/null || fail "vidomat ended before its window showed: $(cat "$work/err.txt")"
    [ "$SECONDS" -lt "$end" ] || fail "no window \"$title\" within 30 s"
    sleep 0.1
  done
  sleep 0.3
}

# A point of the dialog given in dialog units (base units 6 x 13 pixels): the dialog's
# face of 386 x 387 pixels fills the window's bottom, inside its invisible border.
point() { # X_UNITS Y_UNITS
  local x y width height border
  read -r x y width height < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $NF}
    /Absolute upper-left Y/ {y = $NF} /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
    END {print x, y, w, h}')
  border=$(((width - 386) / 2))
  echo "$((x + border + ($1 * 6 * 2 + 4) / 8)) $((y + height - border - 387 + ($2 * 13 + 4) / 8))"
}

close_with_escape() {
  xdotool key Escape
  local end=$((SECONDS + 20))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || fail "vidomat still runs 20 s after Escape"
    sleep 0.1
  done
  status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" = 0 ] || fail "exit status $status after Escape: $(cat "$work/err.txt")"
}

check_settings() {
  [ -f "$settings" ] || fail "no $settings after the close"
  [ "$(stat -c %s "$settings")" = 300 ] || fail "$settings holds $(stat -c %s "$settings") bytes"
  [ "$(od -An -tx1 -N4 "$settings" | tr -d ' ')" = 55443322 ] || fail "$settings: no record"
  [ -z "$(ls -A "$work/cwd")" ] || fail "written into the working folder: $(ls -A "$work/cwd")"
}

start
[ ! -e "$XDG_CONFIG_HOME" ] || fail "the settings folder was made before the first save"
read -r x y < <(point 125 230) # an empty spot beside "BEENDEN": the pointer on the dialog
xdotool mousemove "$x" "$y"
close_with_escape
check_settings
cp "$settings" "$work/untouched.ini"

start
read -r x y < <(point 210 80) # the reserve field 177, right of its text
xdotool mousemove "$x" "$y" click 1
xdotool type --delay 50 "77"
sleep 0.3
close_with_escape
check_settings
cmp -s "$settings" "$work/untouched.ini" && fail "the typed reserve did not reach the settings file"
echo "two runs closed with Escape, status 0; $settings written; working folder empty"
