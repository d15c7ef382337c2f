#!/usr/bin/env bash
# Measures the real dialog's width-limited edit fields under Wine (edit_width_probe.exe
# check: font advances, formatting rectangles, how many of one character typing puts in)
# and compares them with the in-memory dialog's tables; any difference fails.
# Usage: check_edit_widths.sh EDIT_WIDTH_PROBE_EXE SESSION_DIR WORK_DIR
set -euo pipefail
probe_exe=$(realpath "$1")
SESSION_DIR=$2 WORK=$3 # read by wine_test_lib.sh
rm -rf "$WORK" && mkdir -p "$WORK"
# shellcheck source=tests/win32/wine_test_lib.sh
source "$(dirname "$0")/wine_test_lib.sh"

status=0
(cd "$WORK" && timeout 120 wine "$probe_exe" check </dev/null >measured.txt 2>probe.err) ||
  status=$?
grep '^differs' "$WORK/measured.txt" >&2 || true
[ "$status" = 0 ] || fail "the real edit fields differ from the tables (status $status, see $WORK)"
echo "same: $(grep -c '^advance' "$WORK/measured.txt") advances, $(grep -c '^edit' "$WORK/measured.txt") field widths, $(grep -c '^fill' "$WORK/measured.txt") fills"
