#!/usr/bin/env bash
# Numbers typed into fields the program holds to their bounds, and the clock's date typed part by
# part, in the real program under a virtual X screen (Xvfb, 1280 x 800) with xdotool as the user,
# against the simulated controller on a pseudo-terminal, leaving screenshots for a person to look
# at: an analog threshold trigger's On and Off typed far beyond their bounds (the bound stays,
# the diagram shows what OK stored); the new diagram's Properties: COM0's "Delay between polls"
# Ctrl+A and -123 (123), the fixed value of AQ0 3.5.7 (3.75); an analog amplifier's Maximum
# Ctrl+A, 20000 and Tab (the end the gain allows) and its gain pasted 1.239 (1.23); the PI
# controller's KC typed 1.239 (1.23) and pasted 10.0057 (10.00); the AND mask's Mask pasted
# 12345678901 (FFFF); and the clock dialog's Minute and Second emptied and typed,
# Hour stepped with Up, the date's day, month (Right from the day) and year typed, written to the
# controller and read back. In English, or in Chinese with the language setting zh_CN.
#   scripts/typed-numbers-shots.sh [en_US|zh_CN] [build folder] [folder for the pictures]
# (QARVO_DISPLAY: the X display)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
language=${1:-en_US}
build=${2:-$top/build-test}
app=$build/src/qarvo-editor
out=${3:-/tmp/qarvo-typed-numbers-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session "${QARVO_DISPLAY:-:103}"

private_settings
set_language "$language"

"$build/tests/qarvo-simcontroller" 2188 >"$work/sim.out" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; xvfb_cleanup' EXIT
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(head -1 "$work/sim.out")

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 4

# The menu bar's Options (no diagram open) and Tools (a diagram open) in either language.
if [ "$language" = zh_CN ]; then options_x=197; tools_x=196; else options_x=155; tools_x=140; fi
# The Properties sheet's Parameter and COM0 tabs.
if [ "$language" = zh_CN ]; then parameter_x=126; com0_x=228; else parameter_x=205; com0_x=345; fi

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.7}"; }
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.5}"; }
# Empties the field under the pointer's click and types into it.
retype() { click_in "$1" "$2" "$3"; xdotool key ctrl+a BackSpace; xdotool type --delay 120 -- "$4"; sleep 0.3; }
# Ctrl+A in the field under the pointer's click, and the keys typed over what it selects.
overtype() { click_in "$1" "$2" "$3"; xdotool key ctrl+a; xdotool type --delay 120 -- "$4"; sleep 0.3; }
# Ctrl+A in the field under the pointer's click, and the text pasted with Ctrl+V from the clipboard.
paste_over() {
  printf %s "$4" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
  local clip=$!
  sleep 0.3; click_in "$1" "$2" "$3"; xdotool key ctrl+a ctrl+v; sleep 0.3
  kill $clip 2>/dev/null || true
}
# Places a block of the palette's list (its position there) at X Y on the diagram, and opens it.
place_open() { click 33 "$1" 0.5; click "$2" "$3"; xdotool key Escape; sleep 0.3; xdotool mousemove "$2" $(($3 + 18)) click --repeat 2 --delay 80 1; sleep 1.5; }

# Options > COM Configuration: the controller's pseudo-terminal, then "Connect to Devices".
click $options_x 8; click $((options_x + 45)) 30 1.5
config=$(xdotool getwindowfocus)
click_in "$config" 160 45; xdotool key End; xdotool key --repeat 40 BackSpace
xdotool type --delay 30 "$pty"; sleep 0.5
click_in "$config" 90 95 1
# A new diagram; its Properties sheet ("Show at new file"): COM0's delay between polls, then the
# Parameter page's fixed analog output values (the outputs no longer keeping their last values).
xdotool key ctrl+n; sleep 2
props=$(xdotool getwindowfocus)
click_in "$props" $com0_x 20; overtype "$props" 214 250 "-123"
shot com0-delay-minus
click_in "$props" $parameter_x 20; click_in "$props" 46 293; click_in "$props" 143 319 1.5
fixed=$(xdotool getwindowfocus)
overtype "$fixed" 95 45 "3.5.7"
shot fixed-aq0-two-points
xdotool key Return; sleep 1
click_in "$props" 261 478 1.5
# File > Properties again: what OK stored.
click 20 8; click 64 163 2; props=$(xdotool getwindowfocus)
click_in "$props" $com0_x 20; shot com0-delay-stored
xdotool key Escape; sleep 1

# The analog threshold trigger from the palette's Misc tab, placed and opened.
palette_tab 3
click 33 337 0.5; click 500 300; xdotool key Escape; sleep 0.3
xdotool mousemove 501 318 click --repeat 2 --delay 80 1; sleep 1.5
sheet=$(xdotool getwindowfocus)
retype "$sheet" 223 231 "-99999999999"
shot threshold-on-minus
retype "$sheet" 223 231 "3000000"
retype "$sheet" 223 257 "-99999999999"
shot threshold-on-off
xdotool key Return; sleep 1
shot threshold-stored

# An analog amplifier and a PI controller from the same tab (the list scrolled three steps down
# with its scroll bar's lower arrow to show the latter), the AND mask from the Aux tab.
place_open 383 700 300
sheet=$(xdotool getwindowfocus)
overtype "$sheet" 138 133 "20000"; xdotool key Tab; sleep 0.5
shot amplifier-maximum-left
paste_over "$sheet" 337 107 "1.239"; xdotool key Tab; sleep 0.5
shot amplifier-gain-pasted
xdotool key Return; sleep 1
for _ in 1 2 3; do click 138 595 0.2; done
place_open 569 900 300
sheet=$(xdotool getwindowfocus)
# The user-defined parameter set, last in its list, opens KC to typing.
click_in "$sheet" 191 264; xdotool key End Return; sleep 0.5
overtype "$sheet" 258 293 "1.239"
shot pi-kc-typed
paste_over "$sheet" 258 293 "10.0057"
shot pi-kc-pasted
xdotool key Return; sleep 1
palette_tab 4
place_open 471 500 450
sheet=$(xdotool getwindowfocus)
paste_over "$sheet" 75 120 "12345678901"
shot mask-pasted
xdotool key Return; sleep 1
shot blocks-stored

# Tools > Clock Setting/Calibration.
click $tools_x 8; click $((tools_x + 80)) 51 1.5
clock=$(xdotool getwindowfocus)
retype "$clock" 95 117 "37"
retype "$clock" 155 117 "42"
click_in "$clock" 40 117; xdotool key Up Up; sleep 0.3
# The date: a click on the day and 07, Right to the month and 11, a click on the year and 2031.
click_in "$clock" 28 44; xdotool type --delay 120 "07"
click_in "$clock" 28 44; xdotool key Right; xdotool type --delay 120 "11"
click_in "$clock" 75 44; xdotool type --delay 120 "2031"; sleep 0.3
shot clock-typed
# Write, then Read: the controller's clock back in the fields.
click_in "$clock" 280 57 2
click_in "$clock" 280 27 2
shot clock-read-back
echo "screenshots in $out"
