#!/usr/bin/env bash
# The program Properties sheet in the real program under a virtual X screen (Xvfb, 1280 x 800)
# with xdotool as the user, leaving screenshots for a person to look at: File > Properties on
# the sample diagram of the newer generation, each of its nine pages, the fixed values of the
# analog outputs, a COM page set to the text panel, and the hardware page refusing an older
# line; then the Parameter and LCD pages of the older sample, without the newer controls. The
# clicks are screen positions of this window layout (the sheet centred over the main window,
# its top-left corner at 406,151; sclick takes positions inside the sheet).
#   scripts/properties-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-properties-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :104

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
sclick() { click $(($1 + 406)) $(($2 + 151)) "${3:-0.8}"; }
start() {
  cp "$1" "$work/sample.dfb"
  "$app" "$work/sample.dfb" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 6
}
# File > Properties.
open_sheet() { click 20 8; click 64 163 2; }
cancel_sheet() { xdotool key Escape; sleep 1; }
# The tab strip shows the tabs that fit whole around the chosen one, with an arrow at either end
# where tabs are left out, which picks the tab before or after it. A tab by its number: eight
# clicks at the left end (the arrow, or the first tab once it shows), then the right arrow that
# many times; that arrow is gone once the last tab shows, so the last tab is clicked itself.
last_tab() {
  for _ in 1 2 3 4 5 6 7 8; do sclick 14 20 0.2; done
  for ((i = 0; i < $1; i++)); do sclick 452 20 0.2; done
  if [ "$1" = 8 ]; then sclick 400 20 0.2; fi
  sleep 0.6
}

# A 108 x 64 logo: a black frame and diagonal on white (palette black, white).
python3 - "$work/logo.bmp" <<'PY'
import struct, sys
rows = []
for y in range(64):
    row = bytearray(16)
    for x in range(108):
        white = not (x in (0, 107) or y in (0, 63) or x == y or x == 107 - y)
        if white:
            row[x // 8] |= 0x80 >> (x % 8)
    rows.append(bytes(row))
pixels = b"".join(reversed(rows))
header = b"BM" + struct.pack("<IHHI", 62 + len(pixels), 0, 0, 62)
info = struct.pack("<IiiHHIIiiII", 40, 108, 64, 1, 1, 0, len(pixels), 2835, 2835, 2, 0)
open(sys.argv[1], "wb").write(header + info + b"\0\0\0\0\xff\xff\xff\0" + pixels)
PY

start "$top/tests/data/golden/fbd-newer-behaviour.dfb"
# The logo file typed in, taken with OK, shows in its preview when the sheet opens again.
open_sheet
last_tab 7
sclick 240 59; xdotool type --delay 20 "$work/logo.bmp"; sleep 0.5
sclick 261 478 1.5
open_sheet
shot newer-1-general
sclick 120 20; shot newer-2-comment
sclick 205 20; shot newer-3-parameter
sclick 45 293; sclick 143 318 1.5; shot newer-3-parameter-fixed-values
xdotool key Escape; sleep 1
sclick 282 20; shot newer-4-protect
last_tab 4; shot newer-5-com0
last_tab 5; shot newer-6-com1
sclick 243 76; xdotool key Down Down Return; sleep 1; shot newer-6-com1-text-panel
last_tab 6; shot newer-7-com2
last_tab 7; shot newer-8-lcd-setting
last_tab 8; shot newer-9-hardware
sclick 95 87 1; shot newer-9-hardware-refused
cancel_sheet
stop

start "$top/tests/data/golden/fbd-older-behaviour.dfb"
open_sheet
sclick 205 20; shot older-3-parameter
last_tab 7; shot older-8-lcd-setting
last_tab 8; shot older-9-hardware
cancel_sheet
stop
echo "pictures in $out"
