#!/usr/bin/env bash
# Starts the real vidomat.exe in an empty folder and uses it as a person would: types an
# audio rate, chooses a medium from its list with the mouse, presses Enter, opens the
# About box with Alt+"?" and closes it with its button, then ends the program with
# Escape. The settings file it writes must hold what was entered; the exit code is 0.
# Usage: drive_program.sh VIDOMAT_EXE PROBE_EXE SESSION_DIR WORK_DIR
set -euo pipefail
exe=$(realpath "$1")
PROBE=$(realpath "$2") SESSION_DIR=$3 WORK=$4 # read by wine_test_lib.sh
rm -rf "$WORK" && mkdir -p "$WORK"
# shellcheck source=tests/win32/wine_test_lib.sh
source "$(dirname "$0")/wine_test_lib.sh"

title="Berechnung von Video-Datenraten"
start_program "$exe"
wait_for_window "$title" 60
probe "$WORK/start.txt" "$title"

# Audio rate: click into the text, select it all, type a new rate.
read -r left top right bottom < <(control_rect "$WORK/start.txt" 175)
click $((right - 30)) $(((top + bottom) / 2))
xdotool key shift+Home
xdotool type --delay 30 "192000"
wait_for_field_text "$WORK/typed.txt" "$title" 175 "192000" 10

# Medium: open the list with its arrow and click the item "8,5 GB".
index=$(item_index "$WORK/start.txt" 174 "8,5 GB")
height=$(item_height "$WORK/start.txt" 174)
[ -n "$index" ] || fail "list 174 does not offer 8,5 GB: $(grep '^item 174' "$WORK/start.txt")"
read -r left top right bottom < <(control_rect "$WORK/start.txt" 174)
click $((right - 8)) $(((top + bottom) / 2))
click $(((left + right) / 2)) $((bottom + 1 + index * height + height / 2))
wait_for_field_text "$WORK/chosen.txt" "$title" 174 "8,5 GB" 10

xdotool key Return
sleep 0.3

# The About box opens modally and closes with its button.
xdotool key alt+question
wait_for_window "Info" 15
probe "$WORK/about.txt" "Info"
read -r left top right bottom < <(control_rect "$WORK/about.txt" 1)
click $(((left + right) / 2)) $(((top + bottom) / 2))
wait_until_gone "Info" 15

click_empty_spot "$WORK/start.txt"
xdotool key Escape
wait_until_gone "$title" 15
wait_for_exit 30
[ "$program_status" = 0 ] || fail "exit code $program_status"

ini=$WORK/Vidomat.ini
[ -f "$ini" ] || fail "no Vidomat.ini written"
size=$(stat -c %s "$ini")
[ "$size" = 300 ] || fail "Vidomat.ini has $size bytes"
magic=$(od -An -tx1 -N4 "$ini" | tr -d ' ')
[ "$magic" = 55443322 ] || fail "Vidomat.ini begins with $magic"
expect_number() { # OFFSET WIDTH VALUE WHAT
  local value
  value=$(file_number "$ini" "$1" "$2")
  [ "$value" = "$3" ] || fail "$4 at offset $1 is $value, expected $3"
}
expect_number 16 4 192000 "audio rate"
expect_number 8 8 68320000000 "max. data amount (8,5 GB)"
expect_number 4 4 $((0x01300000)) "mode flags (both remember options, medium 1)"
medium=$(dd if="$ini" bs=1 skip=100 count=7 2>/dev/null | od -An -c | tr -s ' ')
[ "$medium" = " 8 , 5 G B \\0" ] || fail "DVD medium text at offset 100 is \"$medium\""
echo "ok: settings file of 300 bytes with the typed audio rate and the chosen medium"
