# A virtual X display for the tests that show windows, sourced by the session scripts.
# shellcheck shell=bash

# Starts Xvfb on a display number it finds free itself (-displayfd: it takes the number
# and its lock in one go, so that sessions started at the same time by other test runs
# never share a display) and prints "NUMBER PID"; its output goes to $dir/xvfb.log.
# -noreset: by default the server resets whenever its last client leaves and drops every
# client still connecting at that moment, so a program started while a probe like xdotool
# disconnects would find no display.
start_display() {
  local number_file=$dir/xvfb.display number
  rm -f "$number_file"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$number_file" </dev/null >"$dir/xvfb.log" 2>&1 &
  local pid=$!
  for _ in $(seq 100); do
    number=$(head -n 1 "$number_file" 2>/dev/null || true)
    if [ -n "$number" ] && xdpyinfo -display ":$number" >/dev/null 2>&1; then
      echo "$number $pid"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  echo "Xvfb did not start: $(cat "$dir/xvfb.log")" >&2
  return 1
}

# Ends the display that start_display started.
stop_display() { # PID
  if [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; then
    kill "$1" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  fi
}
