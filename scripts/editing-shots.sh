#!/usr/bin/env bash
# A scripted editing session in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user, leaving screenshots for a person to look at: the palette's tabs for a
# document of the newer and of the older controller generation, I1, I2, an AND and Q1 placed
# from the palette, a pin's balloon tip, the blocks wired pin to pin, the wire being drawn, and
# the simulation with the inputs clicked on and off. The clicks are screen positions of this
# window layout.
#   scripts/editing-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :97

start() {
  "$app" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 4
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
# Press on one point, move there in steps with the button held, release.
drag() {
  xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2
  for f in 1 2 3 4; do
    xdotool mousemove $(($1 + ($3 - $1) * f / 4)) $(($2 + ($4 - $2) * f / 4)); sleep 0.15
  done
  [ -n "${5:-}" ] && shot "$5"
  xdotool mouseup 1; sleep 0.4
}

# Each of the palette's tabs in turn, chosen with its tab strip's arrows.
palette_tabs() {
  local n=0
  for tab in BSC TMR IO Misc Aux Math Profile; do
    palette_tab $((n++)); shot "palette-$1-$tab"
  done
}

# A document of the newer generation (File New).
start
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1
palette_tabs newer

# I1, I2 and Q1 from the I/O tab, the AND from BSC; the insert tool stays on after each click.
palette_tab 2; click 33 103 0.3
click 330 150; click 330 300
click 33 333 0.3; click 760 232
palette_tab 0; click 33 103 0.3; click 560 222
shot placed
# Resting the mouse on the AND's first input: its balloon, the stem on the pin.
xdotool mousemove 540 230; sleep 0.3; xdotool mousemove 545 230; sleep 1.2; shot pin-tip
# Wires drawn from output pins to input pins, still with the insert tool.
drag 346 168 545 230 wire-in-progress
drag 346 318 545 238
drag 575 242 745 250
xdotool mousemove 900 500; sleep 0.5; shot wired

# The simulation (its toolbar button, the waveform), then the inputs clicked: I1, I2 (Q1 on), I1 again (Q1 off).
click 287 32 1.5
xdotool mousemove 900 500; sleep 0.5; shot simulation
click 330 168 1; xdotool mousemove 900 500; sleep 0.5; shot simulation-I1
click 330 318 1; xdotool mousemove 900 500; sleep 0.5; shot simulation-I1-I2
click 330 168 1; xdotool mousemove 900 500; sleep 0.5; shot simulation-I2
stop

# An empty document of the older generation: the palette offers that generation's blocks.
base64 -d >"$work/older.dfb" <<'DFB'
VVVVqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqq
qqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqqgAAAAABAAAAAQAAAAEA
AAABAAAAAQAAAAEAAAABAAAAAQAAAAEAAAABAAAA//7/AP/+/wAAAAAA//7/AP/+/wD//v8AAAAA
AAAAAAAABQAAIAMAAAEAAAD//v8A//7/AAAAgD///v8A//7/AP/+/wD//v8A//7/AP/+/wD//v8A
//7/AP/+/wD//v8AAQAAAP/+/wAAAAAAAAAAAIgTAABaAAAA7P///wEAAAAAAAAAAQAAAAMAAAAA
AAAAAAAAAAEAAAAAAAAAyAAAAAAAAAAAAAAAAAAAAAEAAAAAAAAAAQAAAAMAAAAAAAAAAAAAAAEA
AAAAAAAAyAAAAAAAAAAAAAAAAAAAAAEAAAAAAAAAAQAAAAMAAAAAAAAAAAAAAAEAAAAAAAAAyAAA
AAAAAAAAAAAAAAAAAAAAAAAAAAAAAACIIQAAAMEAAP/+/xA3ADUAWAAgAFMAZQByAGkAZQBzACAA
QwAxAC4AWABYAAAAAAA=
DFB
start "$work/older.dfb"
palette_tabs older
stop
echo "pictures in $out"
