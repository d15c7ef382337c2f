#!/usr/bin/env bash
# The start time of the calculator: from the start of the process to the first drawing
# of its window, for vidomat (GTK) and, in the same run, vidomat.exe under Wine, each
# started RUNS times (20) on a virtual X display without a window manager; prints the
# median, the fastest and the slowest start of each. A measurement, not a test.
#
# Usage: bench/start_time.sh [RUNS]   (from the top of the repository; builds what it
# needs: build-run/vidomat in Release, build-win32/vidomat.exe)
set -euo pipefail
runs=${1:-20}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/vidomat-start-time.XXXXXX)
title="Berechnung von Video-Datenraten"
session=$work/session
trap '"$top/tests/win32/wine_session.sh" stop "$session" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

cmake -S "$top" -B "$top/build-run" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$top/build-run" -j2 --target vidomat >/dev/null
make -C "$top" --no-print-directory build-win32 >/dev/null
g++ -O2 -std=c++17 -o "$work/first_paint" "$top/bench/first_paint.cpp" -lX11 -lXdamage

# One display and one Wine prefix (with its server kept running) for both programs.
"$top/tests/win32/wine_session.sh" start "$session" >/dev/null
# shellcheck disable=SC1091
source "$session/session.env"

measure() { # NAME COMMAND...
  local name=$1 times=()
  shift
  mkdir -p "$work/run"
  for _ in $(seq "$runs"); do
    times+=("$(cd "$work/run" && XDG_CONFIG_HOME=$work/config "$work/first_paint" "$title" "$@")")
    sleep 0.3
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v name="$name" -v runs="$runs" '
    { t[NR] = $1 }
    END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
          printf "| %-20s | %6d | %9.1f | %7.1f | %7.1f |\n", name, runs, m, t[1], t[NR] }'
}

echo "| program              | starts | median ms | fastest | slowest |"
echo "|----------------------|-------:|----------:|--------:|--------:|"
measure "vidomat (GTK)" "$top/build-run/vidomat"
measure "vidomat.exe (Wine)" wine "$top/build-win32/vidomat.exe"
