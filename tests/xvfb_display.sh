# A virtual X display for the tests that show windows, sourced by the session scripts.
# shellcheck shell=bash

# Starts Xvfb on the first free display number from 91 to 140 and prints "NUMBER PID";
# its output goes to $dir/xvfb.log.
start_display() {
  local number
  for number in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    setsid Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp \
      </dev/null >"$dir/xvfb.log" 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
      if xdpyinfo -display ":$number" >/dev/null 2>&1; then
        echo "$number $pid"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "no free X display number between 91 and 140" >&2
  return 1
}

# Ends the display that start_display started.
stop_display() { # PID
  if [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; then
    kill "$1" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  fi
}
