#!/usr/bin/env bash
# Wall time of one `vidomat-calc --json` call, median of RUNS, beside the floor of
# starting a process at all (`true`, the program) in the same run; the two are called
# alternately so that both see the same machine.
# Usage: bench/calc_wall_time.sh [VIDOMAT_CALC [RUNS]]
#   VIDOMAT_CALC defaults to build-bench/vidomat-calc (cmake -S . -B build-bench
#   -DCMAKE_BUILD_TYPE=Release && cmake --build build-bench --target vidomat-calc).
set -eu
calc=${1:-build-bench/vidomat-calc}
runs=${2:-200}
floor=$(type -P true)
[ -x "$calc" ] || { echo "no program at $calc" >&2; exit 2; }
calc=$(realpath "$calc")
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
cd "$work"

# Microseconds between two $EPOCHREALTIME readings (no process is started to read them).
micros() { local a=${1/./} b=${2/./}; echo $((10#$b - 10#$a)); }

calc_times=() floor_times=()
for ((i = 0; i < runs; ++i)); do
  start=$EPOCHREALTIME; "$calc" --json >/dev/null; end=$EPOCHREALTIME
  calc_times+=("$(micros "$start" "$end")")
  start=$EPOCHREALTIME; "$floor" >/dev/null; end=$EPOCHREALTIME
  floor_times+=("$(micros "$start" "$end")")
done

median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
calc_median=$(median "${calc_times[@]}")
floor_median=$(median "${floor_times[@]}")
printf '%-34s %12s\n' "median of $runs calls" "microseconds"
printf '%-34s %12d\n' "$floor" "$floor_median"
printf '%-34s %12d\n' "vidomat-calc --json" "$calc_median"
printf '%-34s %12d\n' "difference" "$((calc_median - floor_median))"
