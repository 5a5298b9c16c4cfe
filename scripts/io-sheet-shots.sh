#!/usr/bin/env bash
# The sheets of an input block and of a ladder contact in the real program under a virtual X
# screen (Xvfb, 1280 x 800) with xdotool as the user, leaving screenshots for a person to look
# at: an input placed in a new diagram and its sheet (the operand page with its number list
# open, the simulation page); a make contact placed in a new ladder diagram, whose sheet opens
# at once, and its search box. The clicks are screen positions of this window layout.
#   scripts/io-sheet-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-io-sheet-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :121

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-1.5}"; }

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1

# An input from the I/O tab; the insert tool ends with Escape.
palette_tab 2
click 33 103 0.3; click 330 150
xdotool key Escape; sleep 0.5
shot io-placed
double_click 331 170; shot io-input-sheet
click 755 257 1; shot io-input-numbers
xdotool key Escape; sleep 0.5
click 693 179 1; shot io-input-simulation
click 680 461 1

# File > New > Ladder diagram, its Properties sheet closed unchanged; a make contact from the
# I/O tab (the third, as in a function block diagram) opens its sheet when placed.
click 19 8 0.6; click 47 29 1; click 258 51 2
xdotool key Escape; sleep 1
palette_tab 2
click 33 103 0.3; click 300 120 2; shot lad-contact-sheet
# Typed into the search box, "s2" selects the first entry beginning with S2.
click 695 591 0.5; xdotool type --delay 150 "s2"; sleep 1; shot lad-contact-search

kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
