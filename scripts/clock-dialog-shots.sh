#!/usr/bin/env bash
# The device clock dialog in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user, against the simulated controller on a pseudo-terminal, leaving
# screenshots for a person to look at: the clock dialog as the Tools menu opens it (the PC's
# time, placed left of the screen's middle), after Write (the PC's time into the controller's
# clock) and after Read (the controller's clock back in the fields), and the summer/winter time
# dialog after its read, with the information window's lines below.
#   scripts/clock-dialog-shots.sh [build folder] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-test}
app=$build/src/qarvo-editor
out=${2:-/tmp/qarvo-clock-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :102

# A controller of the 0x21 series: its clock registers take the 12-byte record as written.
"$build/tests/qarvo-simcontroller" 2188 >"$work/sim.out" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; xvfb_cleanup' EXIT
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(head -1 "$work/sim.out")

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4

clock() { xdotool search --onlyvisible --name "Clock Setting/Calibration" | head -1; }
dialog() { xdotool search --name "Communication Configuration" | head -1; }
# A click at a point of a window's client area.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.7}"; }

# Options > COM Configuration: the controller's pseudo-terminal typed over the box's text, then
# "Connect to Devices".
xdotool mousemove 155 8 click 1; sleep 0.7; xdotool mousemove 200 30 click 1; sleep 1.5
# The box's text emptied and the controller's path typed in its place.
click_in "$(dialog)" 160 45; xdotool key End; xdotool key --repeat 40 BackSpace
xdotool type --delay 30 "$pty"; sleep 0.5
click_in "$(dialog)" 90 95 1
# A new diagram, so that the information window shows.
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1

# Tools > Clock Setting/Calibration.
xdotool mousemove 140 8 click 1; sleep 0.7; xdotool mousemove 220 51 click 1; sleep 1.5
shot clock-dialog-open
# Write (the second button at the right), then Read (the first).
click_in "$(clock)" 280 57 2
shot clock-dialog-written
click_in "$(clock)" 280 27 2
shot clock-dialog-read
click_in "$(clock)" 280 114 1
# Tools > SummerTime/WinterTime: the rule read from the controller first.
xdotool mousemove 140 8 click 1; sleep 0.7; xdotool mousemove 220 73 click 1; sleep 1.5
shot summer-time-dialog
echo "screenshots in $out"
