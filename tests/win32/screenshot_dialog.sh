#!/usr/bin/env bash
# Starts vidomat.exe, takes a screenshot of the display and checks the calculator dialog
# on it: its client area is the template's 257 x 238 dialog units in pixels of the
# template font (MS Sans Serif, 8 points), the window around it adds no more than a
# frame, a title bar and a menu bar, and it shows a drawn dialog, not an empty area.
# The screenshot stays in WORK_DIR (screen.png, dialog.png) to be looked at.
# Usage: screenshot_dialog.sh VIDOMAT_EXE PROBE_EXE SESSION_DIR WORK_DIR
set -euo pipefail
exe=$(realpath "$1")
PROBE=$(realpath "$2") SESSION_DIR=$3 WORK=$4 # read by wine_test_lib.sh
rm -rf "$WORK" && mkdir -p "$WORK"
# shellcheck source=tests/win32/wine_test_lib.sh
source "$(dirname "$0")/wine_test_lib.sh"

title="Berechnung von Video-Datenraten"
start_program "$exe"
wait_for_window "$title" 60
sleep 0.5 # let the first paint finish
probe "$WORK/dialog.txt" "$title" "MS Sans Serif" 8
read -r _ base_x base_y < <(grep '^base_units ' "$WORK/dialog.txt")
read -r _ client_width client_height < <(grep '^client ' "$WORK/dialog.txt")
read -r _ left top right bottom < <(grep '^window ' "$WORK/dialog.txt")

# Dialog units to pixels as the dialog manager converts them (rounded to nearest).
expected_width=$(((257 * base_x * 2 + 4) / 8))
expected_height=$(((238 * base_y * 2 + 8) / 16))
echo "base units $base_x x $base_y: client area $client_width x $client_height," \
  "expected $expected_width x $expected_height; window $((right - left)) x $((bottom - top))"
[ "$client_width" = "$expected_width" ] && [ "$client_height" = "$expected_height" ] ||
  fail "client area $client_width x $client_height, expected $expected_width x $expected_height"

# What the X server shows: Wine draws the whole window, frame included, so the X window
# is the window's rectangle.
window_id=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
read -r x_left x_top x_width x_height < <(xwininfo -id "$window_id" |
  awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
       /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}')
[ "$x_left $x_top $x_width $x_height" = "$left $top $((right - left)) $((bottom - top))" ] ||
  fail "X window at $x_left,$x_top size $x_width x $x_height; Windows says $left,$top to $right,$bottom"
frame_width=$((x_width - client_width))
frame_height=$((x_height - client_height))
((frame_width >= 2 && frame_width <= 16)) || fail "side frames $frame_width pixels wide"
# Title bar and menu bar each about one line of the system font, plus the frame.
((frame_height >= 30 && frame_height <= 70)) ||
  fail "title bar, menu bar and frame $frame_height pixels high"

import -display "$DISPLAY" -window root "$WORK/screen.png"
convert "$WORK/screen.png" -crop "${x_width}x${x_height}+${x_left}+${x_top}" +repage \
  "$WORK/dialog.png"
colours=$(convert "$WORK/dialog.png" -format %k info:)
((colours >= 6)) || fail "the dialog shows only $colours colours"
# The title bar differs from the dialog's face, which fills most of the client area.
face=$(convert "$WORK/dialog.png" -crop "$((client_width / 2))x4+$((frame_width / 2 + 2))+$((x_height - 6))" \
  +repage -format '%[fx:int(255*mean)]' info:)
caption=$(convert "$WORK/dialog.png" -crop "$((x_width / 2))x6+$((x_width / 2 - 4))+6" \
  +repage -format '%[fx:int(255*mean)]' info:)
echo "$colours colours; mean brightness of the title bar $caption, of the dialog's face $face"
((caption - face > 20 || face - caption > 20)) ||
  fail "no title bar to be seen (brightness $caption against $face)"

click_empty_spot "$WORK/dialog.txt"
xdotool key Escape
wait_until_gone "$title" 15
wait_for_exit 30
[ "$program_status" = 0 ] || fail "exit code $program_status"
