#!/usr/bin/env bash
# Plays one scenario script with the in-memory driver and with the GTK driver (real X
# input on the real window, on the session's virtual display), each in an empty folder,
# and compares exit status and snapshots; on a difference it names the first snapshot
# key that differs.
# Usage: compare_drivers.sh MEMORY_DRIVER GTK_DRIVER SNAPSHOT_DIFF SESSION_DIR WORK_DIR SCRIPT
set -euo pipefail
memory_driver=$(realpath "$1") gtk_driver=$(realpath "$2") snapshot_diff=$(realpath "$3")
session_dir=$4 work=$5 script=$(realpath "$6")
rm -rf "$work" && mkdir -p "$work/memory" "$work/gtk"
# shellcheck disable=SC1091
source "$session_dir/session.env"

memory_status=0
(cd "$work/memory" && "$memory_driver" "$script" >snapshots.jsonl 2>stderr.txt) ||
  memory_status=$?
gtk_status=0
(cd "$work/gtk" && timeout 120 "$gtk_driver" "$script" </dev/null \
  >snapshots.jsonl 2>stderr.txt) || gtk_status=$?

if [ "$memory_status" != "$gtk_status" ]; then
  echo "FAIL: exit status: in-memory $memory_status, GTK $gtk_status" \
    "($(cat "$work/gtk/stderr.txt"))" >&2
  exit 1
fi
"$snapshot_diff" "$work/memory/snapshots.jsonl" "$work/gtk/snapshots.jsonl" in-memory GTK || {
  echo "FAIL: the drivers differ (snapshots in $work)" >&2
  exit 1
}
echo "same snapshots ($(wc -l <"$work/memory/snapshots.jsonl")), exit status $memory_status"
