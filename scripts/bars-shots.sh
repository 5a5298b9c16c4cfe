#!/usr/bin/env bash
# Docked bars in the real program under a virtual X screen (Xvfb, 1280 x 800, no window
# manager) with xdotool as the user, leaving screenshots for a person to look at: the three
# simulation bars in their row at the bottom of a diagram, the Outputs bar dragged along the
# row by its caption (it stays where it is, with no empty band under the row), dragged beyond
# the Simulation bar (the two change places), dragged up into the diagram (it floats) and
# docked again by a double click on its caption, and the main window's Information window
# dragged to the left side beside the palette. The clicks are screen positions of this window layout.
#   scripts/bars-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-bars-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :95

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-1.5}"; }
away() { xdotool mousemove 900 300; sleep 0.5; }

"$app" >>"$work/app.log" 2>&1 &
app_pid=$!
sleep 6
# A new diagram with an AND block, and the simulation (F3).
xdotool key ctrl+n; sleep 2; xdotool key Escape; sleep 1
click 33 103 0.5; click 600 300 1
xdotool key Escape; sleep 0.5; click 900 500 0.3; xdotool key F3; sleep 3
away; shot 1-simulation-bars
# The Outputs bar's caption dragged 150 pixels to the right, along its row: it stays there.
drag 454 616 604 616 0.8
away; shot 2-outputs-dragged-along-its-row
# Dragged beyond the middle of the Simulation bar: the two change places.
drag 454 616 1150 616 0.8
away; shot 3-outputs-dragged-beyond-simulation
# Dragged up into the diagram it floats; a double click on its caption docks it again at its place.
drag 844 616 600 400 0.8
away; shot 4-outputs-floating
double_click 598 376
away; shot 5-outputs-docked-again
# The Information window's caption dragged to the left edge: it docks beside the palette.
drag 10 720 25 400 0.8
away; shot 6-information-window-at-the-left
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
