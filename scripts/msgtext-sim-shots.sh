#!/usr/bin/env bash
# The message texts of a running simulation in the real program under a virtual X screen (Xvfb,
# 1280 x 800) with xdotool as the user, leaving screenshots for a person to look at: inputs I1
# and I2, an up/down counter counting I2 and a message text enabled by I1 that shows "Count:"
# and the counter's value, and on line 3 the ten characters of the special-character bar (each
# shows as itself in the editor and in the running display); the simulation started, I1 switched
# on (the "Message texts" sheet opens), the counter counted three times, the sheet in the
# detailed style, "Details" pressed for the LCD style, the in-place popup opened on the value by
# a double click, a new count typed and taken with Enter. The clicks are screen positions of this
# window layout.
#   scripts/msgtext-sim-shots.sh [program] [folder for the pictures] [en_US | zh_CN]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-msgtext-sim-shots}
language=${3:-en_US}
. "$top/scripts/xvfb-session.sh"
xvfb_session :106
private_settings
set_language "$language"

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-2.5}"; }
away() { xdotool mousemove 900 600; sleep 0.5; }

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 6
xdotool key ctrl+n; sleep 2
# A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
xdotool key Escape; sleep 1

# I1 and I2 from the I/O tab, the counter and the message text from Misc, wired with the insert
# tool still on: I1 to the message's enable input, I2 to the counter's count input.
palette_tab 2; click 33 103 0.3
click 330 150; click 330 300
xdotool key Escape; sleep 0.3
palette_tab 3
click 33 108 0.4; click 560 300; xdotool key Escape; sleep 0.3
for _ in $(seq 1 30); do xdotool mousemove 138 595 click 1; done; sleep 0.5
click 33 541 0.4; click 560 140
drag 346 168 545 150
drag 346 318 545 318
xdotool key Escape; sleep 0.3

# The message: "Count:" on line 1, the counter's value inserted on line 2, OK.
double_click 560 160
click 345 268; xdotool type --delay 120 "Count:"; sleep 0.3
click 400 406; click 560 406; click 345 298; click 883 408
# The bar's characters, one a cell: the cell clicked, the bar opened, a character chosen.
bar_x=(336 362 387 412 438 464 489 515 540 566)
for i in $(seq 0 9); do
  click $((335 + i * 20)) 331 0.4; click 847 263 0.8; click "${bar_x[$i]}" 269 0.6
done
shot composed
click 775 578 1
away; shot diagram

# The simulation; I1 on opens the sheet; I2 pressed and released three times counts to 3.
click 287 32 1.5
click 330 168 1.5
away; shot sheet-opened
for _ in 1 2 3; do click 330 318 0.4; click 330 318 0.4; done
away; shot sheet-details-style
click 637 330 1
away; shot sheet-lcd-style

# The in-place popup over the value, a new count typed and taken with Enter.
double_click 594 398 1.5
shot popup
xdotool key ctrl+a; xdotool type --delay 120 "42"; sleep 0.3
shot popup-typed
xdotool key Return; sleep 1
away; shot popup-applied
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
