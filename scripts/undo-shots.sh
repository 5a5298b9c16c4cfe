#!/usr/bin/env bash
# Edits, the save prompt and Undo in the real program under a virtual X screen (Xvfb, 1280 x 800)
# with xdotool as the user, leaving screenshots for a person to look at: a new diagram's first
# Properties undone; Edit > Align on a saved diagram, File > Close asking to save, Ctrl+Z taking
# the alignment back and Close then asking nothing; Ctrl+Z after Ctrl+S asking at Close and
# Ctrl+Y back to the saved state not asking; a value written by the in-place editor of a running
# message text asking at Close and taken back by one Ctrl+Z; a ladder contact placed with its
# sheet gone in one Ctrl+Z; a paste that added a page undone; File > Page Layout and File >
# Message Text Settings on a saved diagram, each asking at Close and taken back by one Ctrl+Z,
# in English and in Chinese; the Align menu in Chinese. The clicks are screen positions of this
# window layout.
#   scripts/undo-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-undo-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :163

private_settings

start() {
  "$app" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 6
}
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-2.5}"; }
away() { xdotool mousemove 900 600; sleep 0.5; }
key() { xdotool key "$1"; sleep "${2:-1}"; }
# A new diagram; its Properties sheet ("Show at new file") closed unchanged.
new_diagram() { key ctrl+n 3; key Escape 1.5; }
save_as() { key ctrl+s 2; xdotool key ctrl+a; xdotool type "$1"; key Return 2; }
# Two ANDs from the BSC tab.
two_ands() { click 33 103 0.4; click 330 150; click 560 300; key Escape 0.3; }
# A saved newer diagram: View > Page Layout with four pages across, then File > Message Text
# Settings with CS2 as the default and a scope time of 9. After each OK Close asks to save;
# Ctrl+Z brings back what the file holds (the dialog opened again shows it) and Close asks
# nothing. $1: the language's name in the pictures; $2: the View menu's x; $3 $4: its Page
# Layout item; $5 $6: the File menu's Message Text Settings item.
dialogs_undone() {
  cp "$top/tests/data/golden/fbd-newer-behaviour.dfb" "$work/dialogs.dfb"
  start "$work/dialogs.dfb"
  click "$2" 8; click "$3" "$4" 1.5
  xdotool type 4; sleep 0.3; shot "$1-1-layout-typed"
  key Return 1.5; key ctrl+F4 1.5; shot "$1-2-close-asks-after-layout"
  key Escape; key ctrl+z 1.5
  click "$2" 8; click "$3" "$4" 1.5; shot "$1-3-layout-after-undo"
  key Escape; key ctrl+F4 1.5; shot "$1-4-layout-undone-closed-unasked"
  key ctrl+o 1.5; xdotool type "$work/dialogs.dfb"; key Return 3
  click 20 8; click "$5" "$6" 1.5
  click 637 338 0.4; click 648 395 0.3; xdotool key ctrl+a; xdotool type 9; sleep 0.3
  shot "$1-5-settings-changed"
  click 697 513 1.5; key ctrl+F4 1.5; shot "$1-6-close-asks-after-settings"
  key Escape; key ctrl+z 1.5
  click 20 8; click "$5" "$6" 1.5; shot "$1-7-settings-after-undo"
  key Escape; key ctrl+F4 1.5; shot "$1-8-settings-undone-closed-unasked"
  stop
}

start
# The first edit of a new diagram: a creator in File > Properties, OK, Ctrl+Z.
new_diagram
click 20 8; click 64 163 2
xdotool type --delay 100 "Anna"; sleep 0.3; shot 1-properties-typed
key Return; key ctrl+z
click 20 8; click 64 163 2; shot 2-properties-after-undo
key Escape

# Edit > Align on a saved diagram: Close asks; Ctrl+Z brings back the saved diagram, Close asks nothing.
two_ands
save_as "$work/two.dfb"
key ctrl+a 0.3
click 56 8 0.5; click 84 231; shot 3-align-menu
click 325 231; away; shot 4-aligned
key ctrl+F4 1.5; shot 5-close-asks-after-align
key Escape; key ctrl+z; away; shot 6-align-undone
key ctrl+F4 1.5; shot 7-closed-unasked
stop

# Undo after a save: Close asks; Redo back to the saved diagram: Close asks nothing.
start "$work/two.dfb"
click 33 103 0.4; click 800 200; key Escape 0.3
key ctrl+s 1.5; key ctrl+z; away; shot 8-undone-after-save
key ctrl+F4 1.5; shot 9-close-asks-after-undo
key Escape; key ctrl+y; key ctrl+F4 1.5; shot 10-redo-to-saved-closes-unasked
stop

# A message text showing a counter's value, saved; the value written with the in-place editor
# during the simulation; Close asks, and one Ctrl+Z returns to the saved diagram.
start
new_diagram
palette_tab 2; click 33 103 0.3
click 330 150; click 330 300; key Escape 0.3
palette_tab 3
click 33 108 0.4; click 560 300; key Escape 0.3
for _ in $(seq 1 30); do xdotool mousemove 138 595 click 1; done; sleep 0.5
click 33 541 0.4; click 560 140
drag 346 168 545 150
drag 346 318 545 318
key Escape 0.3
double_click 560 160
click 345 268; xdotool type --delay 120 "Count:"; sleep 0.3
click 400 406; click 560 406; click 345 298; click 883 408
click 775 578 1
save_as "$work/message.dfb"
click 287 32 1.5; click 330 168 1.5; click 637 330 1
double_click 594 398 1.5
xdotool key ctrl+a; xdotool type --delay 120 "42"; sleep 0.3; shot 11-inplace-typed
key Return; click 287 32 1.5; away
key ctrl+F4 1.5; shot 12-close-asks-after-inplace-write
key Escape; key ctrl+z; key ctrl+F4 1.5; shot 13-inplace-undone-closes-unasked

# A ladder contact placed, its sheet opened at once and confirmed: one Ctrl+Z removes it.
click 30 31 1; click 94 75 3; key Escape 1.5
palette_tab 2
click 33 103 0.4; click 400 150 2; shot 14-contact-sheet
key Return; key Escape 0.5; away; shot 15-contact-placed
key ctrl+z; click 56 8 0.8; shot 16-contact-undone-edit-menu
key Escape 0.5
stop

# A paste that widens a new diagram to two pages, undone: one page again (the scroll bar).
cp "$top/tests/data/golden/fbd-newer-behaviour.dfb" "$work/sample.dfb"
start "$work/sample.dfb"
click 700 500 0.5
key ctrl+a 0.3; key ctrl+c 0.5
new_diagram
click 300 400 0.5
key ctrl+v 2; away; shot 17-pasted-two-pages
key ctrl+z 1.5; away; shot 18-paste-undone-one-page
stop

dialogs_undone en 96 143 207 106 185

# The Chinese interface: Edit > Align keeps its English items.
set_language zh_CN
start
new_diagram
two_ands
key ctrl+a 0.3
click 62 8 0.8; click 104 232; shot 19-zh-align-menu
click 375 232; away; shot 20-zh-aligned
stop
dialogs_undone zh 140 180 208 75 186
echo "pictures in $out"
