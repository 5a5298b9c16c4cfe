#!/usr/bin/env bash
# A message text composed in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user, leaving screenshots for a person to look at: an up/down counter and a
# message text placed in a new diagram; in the message text's sheet "Hi", a Chinese word, the
# counter's value inserted on line 2 and a bar graph of it on line 3; the sheet closed with OK,
# the diagram saved, closed, opened again and the sheet shown once more with the same message.
# The clicks are screen positions of this window layout.
#   scripts/msgtext-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-msgtext-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :95

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-2.5}"; }

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 5
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1

# The up/down counter (top of Misc) and the message text (further down).
palette_tab 3
click 33 108 0.4; click 600 200; xdotool key Escape; sleep 0.3
for _ in $(seq 1 30); do xdotool mousemove 138 595 click 1; done; sleep 0.5
click 33 541 0.4; click 400 400; xdotool key Escape; sleep 0.3
shot placed

# The sheet: text on line 1, the counter's value on line 2, a bar graph on line 3.
double_click 400 418
click 345 268; xdotool type --delay 120 "Hi "; xdotool type --delay 250 "中文"; sleep 0.5
click 400 406; click 560 406; click 345 298; click 883 408
click 345 328; click 922 263 1.5
shot bar-graph-dialog
click 683 250 0.8; click 683 252 0.8; click 666 445 1
shot composed
click 763 578 1

# Saved, closed and opened again from the recent files.
xdotool key ctrl+s; sleep 2
xdotool key ctrl+a; xdotool type "$work/message.dfb"; xdotool key Return; sleep 2
click 20 8 0.8; click 50 73 1.5
click 20 8 0.8; click 65 75 3
double_click 400 418
shot reopened
xdotool key Escape; sleep 1
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
