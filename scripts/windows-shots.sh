#!/usr/bin/env bash
# Where windows appear and how they are arranged, in the real program under a virtual X screen
# (Xvfb, 1280 x 800, no window manager) with xdotool as the user, leaving screenshots for a
# person to look at: the Properties sheet of a new diagram centred over the main window, the
# Tools menu with the keys of its commands, the Comment dialog centred, the simulation's
# "Message texts" sheet centred, two diagrams tiled and cascaded, one taken to the front by a
# click, dragged by its caption and maximised again, and the palette dragged wider, the program
# ended and started again with the palette at its first width (bar sizes last for the run only).
# The clicks are screen positions of this window layout.
#   scripts/windows-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-windows-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :92

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-2.5}"; }
away() { xdotool mousemove 900 600; sleep 0.5; }
start() {
  "$app" >>"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 6
}
window_menu() { click 254 8; click "$1" "$2" 1.5; }

start
# A new diagram opens its Properties sheet first: over the middle of the main window.
xdotool key ctrl+n; sleep 2
shot 1-properties-sheet-centred
xdotool key Escape; sleep 1

# The Tools menu shows the keys of Simulation, Connect and Insert Comments.
click 140 8 1
shot 2-tools-menu-keys
# The first Esc closes the menu, the second leaves the menu bar.
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.5

# Insert Comments (F9) and a click on the diagram place a comment; a double click on it opens
# the Comment dialog over the middle.
xdotool key F9; sleep 0.5
click 900 450 1
xdotool key Escape; sleep 0.5
double_click 930 458 2
shot 3-comment-dialog-centred
xdotool key Escape; sleep 0.5

# A message text enabled by I1 (as in msgtext-sim-shots.sh); the simulation with I1 on opens
# the "Message texts" sheet, which opens over the middle of the main window.
palette_tab 2; click 33 103 0.3
click 330 150; click 330 300
xdotool key Escape; sleep 0.3
palette_tab 3
click 33 108 0.4; click 560 300; xdotool key Escape; sleep 0.3
for _ in $(seq 1 30); do xdotool mousemove 138 595 click 1; done; sleep 0.5
click 33 541 0.4; click 560 140
drag 346 168 545 150 0.6
drag 346 318 545 318 0.6
xdotool key Escape; sleep 0.3
double_click 560 160
click 345 268; xdotool type --delay 120 "Count:"; sleep 0.3
click 775 578 1
click 287 32 1.5
click 330 168 2
away; shot 4-message-texts-centred
# The simulation ends (its sheet goes with it).
click 287 32 1.5

# A second diagram; Window > Tile, then Cascade; a click into the diagram at the back brings
# it to the front where it stands (a click on its caption).
xdotool key ctrl+n; sleep 2; xdotool key Escape; sleep 1
window_menu 265 51
away; shot 5-tiled
window_menu 280 29
away; shot 6-cascaded
click 600 57 1
away; shot 7-cascaded-back-one-in-front
# Its caption drags it; a double click there maximises it again.
drag 600 57 750 137 0.6
away; shot 8-dragged-by-its-caption
double_click 750 137 1.5
away; shot 9-maximised-again
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=

# The palette's border dragged 100 pixels to the right; File > Exit; the next start shows the
# palette at its first width again.
start
shot 10-palette-before
drag 153 300 253 300 0.6
away; shot 11-palette-dragged
click 20 8; click 45 99 2
wait "$app_pid" 2>/dev/null || true; app_pid=
start
away; shot 12-palette-after-restart
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
