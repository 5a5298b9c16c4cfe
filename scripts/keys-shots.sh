#!/usr/bin/env bash
# The keyboard of a modal property sheet in the real program under a virtual X screen (Xvfb,
# 1280 x 800) with xdotool as the user, leaving screenshots for a person to look at: File > New
# (its Properties sheet escaped), an AND placed from the palette and named, then its sheet opened
# by a double click and "Block name" given Ctrl+A and Ctrl+X before OK, Ctrl+A, Ctrl+X and Ctrl+Z
# before OK, and Ctrl+A and Ctrl+X before Cancel. The name box takes the keys and the diagram
# keeps its AND. Then the simulation, stopped, with Ctrl+A and 40 typed into the Simulation bar's
# step box, which then reads 40. The run is made once without a window manager and, when openbox
# is installed, once more under it. After each run the script says whether the program lived and
# whether the address sanitizer reported anything. The clicks are screen positions of this
# window layout.
#   scripts/keys-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-keys-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :91

wm_pid=
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
keys() { xdotool key --delay 150 "$@"; sleep 0.6; }
start() {
  "$app" >"$work/app-$1.log" 2>&1 &
  app_pid=$!
  sleep 4
}
# Whether the program still runs, and what the sanitizer said.
report() {
  if kill -0 "$app_pid" 2>/dev/null; then echo "$1: the program lives"; else echo "$1: the program DIED"; fi
  if grep -q "ERROR: AddressSanitizer\|runtime error:" "$work/app-$1.log"; then
    echo "$1: sanitizer report:"; grep -m5 "ERROR: AddressSanitizer\|runtime error:\|#[0-9] " "$work/app-$1.log" || true
  else
    echo "$1: no sanitizer report"
  fi
}
stop() {
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=
}

# Positions inside the main window and inside the sheet, measured from their client areas (a
# window manager's frame moves both). The main window fills the screen with a frame or without,
# so what lies along its bottom (the palette's tab strip, the Simulation bar) keeps its place on
# the screen.
window_at() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
  if [ -z "$id" ]; then echo 0 0; return; fi
  xwininfo -id "$id" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x + 0, y + 0 }'
}
main_y=0
at() { click "$1" $(($2 + main_y)) "${3:-0.6}"; }
sheet_x=0; sheet_y=0
in_sheet() { click $((sheet_x + $1)) $((sheet_y + $2)) "${3:-0.6}"; }
# Where the AND goes; its sheet's "Block name" box and buttons.
and_x=560; and_y=222
open_sheet() {
  at 900 500 0.3
  xdotool mousemove "$and_x" $((and_y + 20 + main_y)) click --repeat 2 --delay 80 1; sleep 1.5
  read -r sheet_x sheet_y < <(window_at "\\[AND\\]")
}
name_box() { in_sheet 145 58 0.4; }
press_ok() { in_sheet 44 259 1.5; }
press_cancel() { in_sheet 125 259 1.5; }
# The Simulation bar's Stop button and step box.
sim_stop_x=976; sim_stop_y=605
sim_box_x=1092; sim_box_y=605

session() {
  local run=$1
  start "$run"
  xdotool key ctrl+n; sleep 2
  # A new diagram opens its Properties sheet first ("Show at new file"): closed unchanged.
  xdotool key Escape; sleep 1
  read -r _ main_y < <(window_at "QARVO Editor")
  # The AND from the BSC tab of the palette; Escape ends the insert tool.
  palette_tab 0; at 33 103 0.3
  at "$and_x" "$and_y"
  xdotool key Escape; sleep 0.5
  # Named "Pump" first, so that the keys have a text to work on.
  open_sheet; shot "$run-1-sheet"
  name_box; xdotool type --delay 60 Pump; sleep 0.3
  press_ok; shot "$run-2-named"

  open_sheet; name_box
  keys ctrl+a ctrl+x; shot "$run-3-cut-in-name"
  press_ok; shot "$run-4-after-cut-ok"
  open_sheet; name_box
  xdotool type --delay 60 Pump; sleep 0.3
  keys ctrl+a ctrl+x ctrl+z; shot "$run-5-cut-undone-in-name"
  press_ok; shot "$run-6-after-undo-ok"
  open_sheet; name_box
  keys ctrl+a ctrl+x; shot "$run-7-cut-before-cancel"
  press_cancel; shot "$run-8-after-cancel"

  # The simulation, stopped (its step controls take input then); the step box given Ctrl+A and 40.
  at 900 500 0.3
  xdotool key F3; sleep 2
  shot "$run-9-simulation"
  click "$sim_stop_x" "$sim_stop_y" 1
  click "$sim_box_x" "$sim_box_y" 0.4
  keys ctrl+a; xdotool type --delay 80 40; sleep 0.5
  shot "$run-10-step-box-40"
  report "$run"
  stop
}

session plain
if command -v openbox >/dev/null 2>&1; then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  sleep 1
  session openbox
  kill "$wm_pid" 2>/dev/null || true
fi
echo "pictures in $out"
