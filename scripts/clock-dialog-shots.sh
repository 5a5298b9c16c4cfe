#!/usr/bin/env bash
# The device clock dialog in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user, against the simulated controller on a pseudo-terminal, leaving
# screenshots for a person to look at: the COM configuration with the controller's path typed
# in, the clock dialog as the Tools menu opens it (the PC's time, placed left of the screen's
# middle), and the dialog after Read (the controller's clock, or the link-check box when the
# port did not take).
#   scripts/clock-dialog-shots.sh [build folder] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-test}
out=${2:-/tmp/qarvo-clock-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :102

"$build/tests/qarvo-simcontroller" 2188 >"$work/controller.txt" &
controller_pid=$!
trap 'kill $controller_pid 2>/dev/null || true; xvfb_cleanup' EXIT
sleep 0.5
port=$(head -1 "$work/controller.txt")

"$build/src/qarvo-editor" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4

window() { xdotool search --onlyvisible --name "$1" | head -1; }
# A click at a point of a window's client area.
click_in() { xdotool mousemove --window "$(window "$1")" "$2" "$3" click 1; sleep "${4:-0.7}"; }

# Options, COM Configuration: the controller's path typed into the port box, Connect to Devices.
xdotool mousemove 155 8 click 1; sleep 0.7; xdotool mousemove 200 30 click 1; sleep 1.5
xdotool mousemove 640 366 click 1; sleep 0.5
xdotool key --delay 100 End $(printf 'BackSpace %.0s' $(seq 20)); sleep 0.3
xdotool type --delay 150 "$port"; sleep 0.5
shot com-config-typed
click_in "Communication Configuration" 90 95 1
# Tools, Clock Setting/Calibration (the second item, below Transfer).
xdotool mousemove 100 8 click 1; sleep 0.7; xdotool mousemove 150 52 click 1; sleep 1.5
shot clock-dialog-open
click_in "Clock Setting/Calibration" 280 30 2
shot clock-dialog-read
echo "screenshots in $out"
