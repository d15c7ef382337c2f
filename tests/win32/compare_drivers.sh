#!/usr/bin/env bash
# Plays one scenario script with the in-memory driver and with the Windows driver under
# Wine (real input on the real dialog), each in an empty folder, and compares exit status
# and snapshots; on a difference it names the first snapshot key that differs.
# Usage: compare_drivers.sh MEMORY_DRIVER WINDOWS_DRIVER SNAPSHOT_DIFF SESSION_DIR WORK_DIR SCRIPT
set -euo pipefail
memory_driver=$(realpath "$1") windows_driver=$(realpath "$2") snapshot_diff=$(realpath "$3")
SESSION_DIR=$4 WORK=$5 script=$(realpath "$6")
rm -rf "$WORK" && mkdir -p "$WORK/memory" "$WORK/windows"
# shellcheck source=tests/win32/wine_test_lib.sh
source "$(dirname "$0")/wine_test_lib.sh"

memory_status=0
(cd "$WORK/memory" && "$memory_driver" "$script" >snapshots.jsonl 2>stderr.txt) ||
  memory_status=$?
play_windows() {
  windows_status=0
  (cd "$WORK/windows" && timeout 120 wine "$windows_driver" "$script" </dev/null \
    >snapshots.jsonl 2>stderr.txt) || windows_status=$?
}
play_windows
# Now and then Wine fails to start the program at all: it ends at once, having printed
# nothing. That says nothing about the program, so the script is played once more.
if [ "$windows_status" != 0 ] && [ ! -s "$WORK/windows/snapshots.jsonl" ] &&
  [ ! -s "$WORK/windows/stderr.txt" ]; then
  echo "Wine did not start the driver; playing the script again"
  rm -rf "$WORK/windows" && mkdir -p "$WORK/windows"
  play_windows
fi

if [ "$memory_status" != "$windows_status" ]; then
  fail "exit status: in-memory $memory_status, Windows $windows_status" \
    "($(cat "$WORK/windows/stderr.txt"))"
fi
"$snapshot_diff" "$WORK/memory/snapshots.jsonl" "$WORK/windows/snapshots.jsonl" \
  in-memory Windows || fail "the drivers differ (snapshots in $WORK)"
echo "same snapshots ($(wc -l <"$WORK/memory/snapshots.jsonl")), exit status $memory_status"
