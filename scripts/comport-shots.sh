#!/usr/bin/env bash
# The Communication Configuration dialog in the real program under a virtual X screen (Xvfb,
# 1280 x 800) with xdotool as the user, leaving screenshots for a person to look at: the dialog
# as it opens, "Automatic Detection" while it waits for a controller that does not answer (the
# button shows the path and the window keeps painting), the link-check box after 3 seconds, and
# the dialog again with the chosen port selected.
#   scripts/comport-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-comport-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :96

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4

dialog() { xdotool search --name "Communication Configuration" | head -1; }
# A click at a point of the dialog's client area.
click_in() { xdotool mousemove --window "$(dialog)" "$1" "$2" click 1; sleep "${3:-0.5}"; }
# Options, then its first item, COM Configuration (with the mouse: the keyboard stays with
# whichever window had it last, as no window manager hands it on).
open_dialog() { xdotool mousemove 155 8 click 1; sleep 0.7; xdotool mousemove 200 30 click 1; sleep 1.5; }

open_dialog
shot com-config-open
# Automatic Detection, right of Connect to Devices below the port box.
click_in 260 95 1
shot com-config-detecting
sleep 3
shot com-config-no-answer
# The box's OK, then Connect to Devices.
xdotool mousemove 828 386 click 1; sleep 0.5
click_in 90 95 1
open_dialog
shot com-config-reopened
xdotool key Escape; sleep 0.5
echo "screenshots in $out"
