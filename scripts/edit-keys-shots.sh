#!/usr/bin/env bash
# The editing keys in the real program under a virtual X screen (Xvfb, 1280 x 800, no window
# manager) with xdotool as the user, leaving screenshots for a person to look at: File > New's
# Properties sheet with Delete, Home, End, the arrows and Shift in Creator and Project Name, its
# Comment page reached with Ctrl+Tab and given two lines, Up, Home and Delete, and the pages
# stepped with Ctrl+Page Down and Ctrl+Page Up; the COM port box edited in its middle; a message
# text block's cells given Delete and its sheet Ctrl+Tab; the clock dialog's date typed and
# stepped; Page Layout's picture as the numbers are typed. No box glyph appears anywhere. The
# clicks are screen positions of this window layout.
#   scripts/edit-keys-shots.sh [program] [folder for the pictures] [display]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-edit-keys-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session "${3:-:107}"

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }

"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 5

# Creator "xAlice Smithyz" becomes "Alice Smith"; Project Name "Tank 2" becomes "Tan 2".
xdotool key ctrl+n; sleep 2.5
type_text "xAlice Smithyz"; keys Home Delete End BackSpace Left Delete
keys Tab; type_text "Pumps"; keys shift+Home; type_text "Tank 2"; keys Left Left shift+Left Delete
shot 1-properties-general
# The comment "first line" / "second" becomes "irst linesecon".
keys ctrl+Tab; type_text "first line"; keys Return; type_text "second"
keys Up End Delete Home Delete Down End BackSpace
shot 2-properties-comment
keys ctrl+Next; shot 3-properties-ctrl-page-down
keys ctrl+Prior ctrl+Prior; shot 4-properties-ctrl-page-up-twice
keys Return

# Options > COM Configuration: "/dev/ttyS0" becomes "/dev/ttyACM1", then Shift+Home selects.
click 192 8; click 250 30 1.5
click 700 366 0.4
keys End BackSpace BackSpace; type_text "USB0"; keys Home Delete; type_text "/"
keys Right Right Right Right shift+End Delete; type_text "ttyACM1"; keys Left Left shift+Home
shot 5-com-port
keys Escape

# A message text block from the Misc tab (its list scrolled down with the scroll bar's lower
# arrow): "Hello" in its cells, two of them deleted.
palette_tab 3
for _ in $(seq 1 30); do xdotool mousemove 138 595 click 1; done; sleep 0.5
click 33 541 0.4; click 400 400; xdotool key Escape; sleep 0.3
xdotool mousemove 400 418 click --repeat 2 --delay 80 1; sleep 2.5
click 333 268 0.4; xdotool type --delay 120 "Hello"; keys Left Delete Left Left Delete
shot 6-message-cells
keys ctrl+Tab; shot 7-block-sheet-ctrl-tab
keys ctrl+Tab Escape

# Tools > Clock Setting/Calibration: the date typed as 15.06 and its year stepped down.
click 140 8; click 224 51 2
xdotool type --delay 150 "1506"; keys Down
shot 8-clock-date
keys Escape

# View > Page Layout: 4 across, then 3 down.
click 96 8; click 143 207 1.5
type_text 4; shot 9-page-layout-4
keys Tab; type_text 3; shot 10-page-layout-4x3
keys Escape

if grep -q "ERROR: AddressSanitizer\|runtime error:" "$work/app.log"; then
  echo "sanitizer report:"; grep -m5 "ERROR: AddressSanitizer\|runtime error:" "$work/app.log"
fi
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
echo "pictures in $out"
