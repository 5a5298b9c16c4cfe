#!/usr/bin/env bash
# Property sheets in the real program under a virtual X screen (Xvfb, 1280 x 800) with xdotool as
# the user, leaving screenshots for a person to look at: an AND, an on-delay timer and a comment
# box placed in a new diagram; in the running simulation the modeless sheets of the AND and of
# the timer (one below the other); after the simulation the comment box's sheet and the AND's
# modal sheet. The clicks are screen positions of this window layout.
#   scripts/sheet-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-sheet-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :96

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-1.5}"; }
insert_comments() { click 140 8 1; click 200 251; }

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1

# The AND from BSC, the on-delay timer from TMR, a comment box from Tools.
click 33 103; click 400 200
palette_tab 1; click 33 103; click 400 350
xdotool key Escape; sleep 0.5
insert_comments; click 1000 120; insert_comments
shot placed

# The simulation (toolbar), then the sheets of the AND and of the timer.
click 287 32 1.5
double_click 401 220; shot simulation-and-sheet
double_click 401 370; shot simulation-timer-sheet

# Back to editing (the sheets close with the simulation): the comment box's sheet, then the
# AND's, modal with OK, Cancel and Help.
click 287 32 1.5
double_click 1030 128; shot editing-comment-sheet
xdotool key Escape; sleep 1
double_click 401 220; shot editing-and-sheet
xdotool key Escape; sleep 1
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
