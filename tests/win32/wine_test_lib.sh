# Helpers of the Wine tests, sourced by them after setting SESSION_DIR (made by
# wine_session.sh start), PROBE (window_probe.exe) and WORK (an empty folder of the test).
# shellcheck shell=bash disable=SC1091,SC2034
source "$SESSION_DIR/session.env"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts a Windows program in WORK; its Wine process id goes to program_pid.
program_pid=
program_status=
start_program() {
  (cd "$WORK" && exec wine "$1" </dev/null >"$WORK/program.out" 2>"$WORK/program.err") &
  program_pid=$!
}

# Waits until the program has ended and sets program_status; fails after SECONDS.
wait_for_exit() {
  local end=$((SECONDS + $1))
  while kill -0 "$program_pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$end" ] || fail "the program still runs after $1 s"
    sleep 0.2
  done
  program_status=0
  wait "$program_pid" || program_status=$?
  program_pid=
}

# A program a failed test leaves behind is ended, so that the next test starts afresh.
end_program() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
}
trap end_program EXIT

wait_for_window() { # TITLE SECONDS
  local end=$((SECONDS + $2))
  until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    if [ -n "$program_pid" ] && ! kill -0 "$program_pid" 2>/dev/null; then
      fail "the program ended before window \"$1\" appeared: $(cat "$WORK/program.err")"
    fi
    [ "$SECONDS" -lt "$end" ] || fail "no window \"$1\" within $2 s"
    sleep 0.2
  done
}

wait_until_gone() { # TITLE SECONDS
  local end=$((SECONDS + $2))
  while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || fail "window \"$1\" still shown after $2 s"
    sleep 0.2
  done
}

# Writes what window_probe.exe sees of window TITLE to FILE: probe FILE TITLE [FONT POINTS]
probe() {
  local file=$1
  shift
  timeout 30 wine "$PROBE" "$@" </dev/null 2>"$WORK/probe.err" | tr -d '\r' >"$file" ||
    fail "window_probe $*: $(cat "$WORK/probe.err")"
}

# Probes window TITLE into FILE until combo box ID shows TEXT (the program handles the
# X server's input at its own pace); fails after SECONDS.
wait_for_field_text() { # FILE TITLE ID TEXT SECONDS
  local end=$((SECONDS + $5))
  while :; do
    probe "$1" "$2"
    [ "$(field_text "$1" "$3")" = "$4" ] && return 0
    [ "$SECONDS" -lt "$end" ] ||
      fail "field $3 shows \"$(field_text "$1" "$3")\", expected \"$4\" within $5 s"
    sleep 0.2
  done
}

# Reading a probe's lines.
control_rect() { # FILE ID -> LEFT TOP RIGHT BOTTOM
  awk -v id="$2" '$1 == "control" && $2 == id { print $4, $5, $6, $7; exit }' "$1"
}
field_text() { # FILE ID
  awk -v id="$2" '$1 == "text" && $2 == id { sub(/^text [0-9-]+ ?/, ""); print; exit }' "$1"
}
item_index() { # FILE ID TEXT
  awk -v id="$2" -v text="$3" '$1 == "item" && $2 == id {
      line = $0; sub(/^item [0-9-]+ [0-9]+ ?/, "", line)
      if (line == text) { print $3; exit } }' "$1"
}
item_height() { # FILE ID
  awk -v id="$2" '$1 == "items" && $2 == id { print $4; exit }' "$1"
}

# (No --sync: it waits for the pointer to move, forever when it is there already.)
click() { # X Y
  xdotool mousemove "$1" "$2" sleep 0.1 click 1
  sleep 0.3
}

# The display has no window manager: no window is given the keyboard, X sends the keys to
# the window under the pointer. A user clicks into the dialog before typing to it; this
# clicks the empty spot between the group boxes 1003 and 1004, where a click does nothing.
click_empty_spot() { # PROBE_FILE
  local top right bottom left
  read -r _ top right bottom < <(control_rect "$1" 1003)
  read -r left _ < <(control_rect "$1" 1004)
  click $(((right + left) / 2)) $(((top + bottom) / 2))
}

# Little-endian unsigned number of WIDTH bytes at OFFSET of FILE.
file_number() { # FILE OFFSET WIDTH
  local bytes value=0 i
  read -r -a bytes < <(od -An -v -tu1 -j "$2" -N "$3" "$1")
  for ((i = $3 - 1; i >= 0; i--)); do
    value=$((value * 256 + bytes[i]))
  done
  echo "$value"
}
