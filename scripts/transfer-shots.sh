#!/usr/bin/env bash
# PC->Device and Device->PC in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user and the simulated controller on a pseudo-terminal, leaving screenshots for
# a person to look at: the port chosen in Communication Configuration, the sample diagram (I1
# and I2 into an AND into Q1) downloaded with the progress window during the transfer and the
# information window after it, then uploaded into a new document and the information window
# again. The clicks are screen positions of this window layout.
#   scripts/transfer-shots.sh [program] [simulated controller] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build-test/src/qarvo-editor}
sim=${2:-$top/build-test/tests/qarvo-simcontroller}
out=${3:-/tmp/qarvo-transfer-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :101

"$sim" 5188 >"$work/sim.out" 2>&1 &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; xvfb_cleanup' EXIT
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(head -1 "$work/sim.out")
echo "simulated controller on $pty"

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
dialog() { xdotool search --name "Communication Configuration" | head -1; }
click_in() { xdotool mousemove --window "$(dialog)" "$1" "$2" click 1; sleep "${3:-0.5}"; }
# The box's text emptied and the controller's path typed in its place.
type_port() { click_in 160 45; xdotool key End; xdotool key --repeat 40 BackSpace; xdotool type --delay 30 "$pty"; sleep 0.5; }

# Options > COM Configuration: the controller's pseudo-terminal typed over the box's text, then
# "Connect to Devices".
xdotool mousemove 155 8 click 1; sleep 0.7; xdotool mousemove 200 30 click 1; sleep 1.5
type_port
shot transfer-port
click_in 90 95 1

# The sample diagram in a new document: I1, I2 and Q1 from the I/O tab, the AND from BSC,
# wired pin to pin; then the selection tool again.
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1
palette_tab 2; click 33 103 0.3
click 330 150; click 330 300
click 33 333 0.3; click 760 232
palette_tab 0; click 33 103 0.3; click 560 222
drag 346 168 545 230
drag 346 318 545 238
drag 575 242 745 250
xdotool key Escape; sleep 0.3
xdotool mousemove 900 500; sleep 0.5
shot transfer-diagram

# PC->Device: the progress window during the controller's 5 s pause, the log after the end.
xdotool key ctrl+d; sleep 2
shot transfer-download-progress
sleep 7
shot transfer-download-done

# Device->PC into a new document. On the pseudo-terminal it is over before a picture of its
# progress window could be taken: the picture shows the new document and the log.
xdotool key ctrl+u; sleep 4
shot transfer-upload-done
echo "screenshots in $out"
