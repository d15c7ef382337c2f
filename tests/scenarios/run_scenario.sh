#!/usr/bin/env bash
# Plays one scenario script in an empty working folder and compares the snapshots it
# prints with the script's .expected file byte for byte, and its exit status with the
# .status file when there is one (0 otherwise).
# Usage: run_scenario.sh DRIVER SCRIPT WORKDIR
set -u
driver=$1 script=$2 work=$3
base=${script%.script}
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && "$driver" "$script" >actual.jsonl 2>stderr.txt)
status=$?
expected_status=0
[ -f "$base.status" ] && expected_status=$(tr -d '[:space:]' <"$base.status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"; cat "$work/stderr.txt"; exit 1
fi
if ! cmp -s "$base.expected" "$work/actual.jsonl"; then
  line=$(cmp "$base.expected" "$work/actual.jsonl" 2>&1 | sed -n 's/.* line \([0-9]*\).*/\1/p')
  echo "snapshot ${line:-?} differs from $base.expected (all output: $work/actual.jsonl)"
  diff <(sed -n "${line:-1}p" "$base.expected" | tr ',' '\n') \
       <(sed -n "${line:-1}p" "$work/actual.jsonl" | tr ',' '\n') | head -n 20
  exit 1
fi
