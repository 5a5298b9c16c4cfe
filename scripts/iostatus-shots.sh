#!/usr/bin/env bash
# The I/O status monitor in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user, against the simulated controller on a pseudo-terminal whose inputs,
# outputs, analog values, flags and clock change twice a second. It leaves screenshots for a
# person to look at: the monitor as it opens, the I/O table after the first cycles and again a
# few seconds later scrolled to the outputs and analog values, the flags and the analog flags,
# and the link-check box once the controller has gone and a cycle failed.
#   scripts/iostatus-shots.sh [program] [simulated controller] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
sim=${2:-$top/build-test/tests/qarvo-simcontroller}
out=${3:-/tmp/qarvo-iostatus-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :103

"$sim" 5188 C100 --running >"$work/sim.out" 2>&1 &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; xvfb_cleanup' EXIT
for _ in 1 2 3 4 5 6 7 8 9 10; do [ -s "$work/sim.out" ] && break; sleep 0.2; done
pty=$(head -1 "$work/sim.out")

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4

window() { xdotool search --name "$1" | head -1; }
monitor="I/O Status Overview"
# A click at a point of the monitor's client area.
click_in() { xdotool mousemove --window "$(window "$monitor")" "$1" "$2" click 1; sleep "${3:-0.5}"; }

# Tools, I/O Status... (with the mouse: the keyboard stays with whichever window had it last, as
# no window manager hands it on).
xdotool mousemove 108 8 click 1; sleep 0.7; xdotool mousemove 146 117 click 1; sleep 2
# The pseudo-terminal typed into the port box over the first port listed.
click_in 780 21 0.3
for _ in $(seq 16); do xdotool key BackSpace; done
xdotool type --delay 30 "$pty"; sleep 0.5
shot iostatus-open
# Wider, so that the table shows more columns (the settings follow the right edge).
xdotool windowmove "$(window "$monitor")" 5 60; xdotool windowsize "$(window "$monitor")" 1270 420; sleep 1
# Connect; a cycle every 3 s.
click_in 1135 330 4.5
shot iostatus-points
# The table scrolled right to the outputs and analog values (two clicks in its scroll bar right
# of the handle), two cycles later.
click_in 895 380 0.3; click_in 895 380 6
shot iostatus-analog-points
# Show: Flags, then Analog flags.
click_in 1031 248 3.5
shot iostatus-flags
click_in 1031 266 3.5
shot iostatus-analog-flags
# The controller goes: the next cycle fails and the monitor says so.
kill "$sim_pid"; wait "$sim_pid" 2>/dev/null || true
sleep 4
shot iostatus-controller-gone
echo "screenshots in $out"
