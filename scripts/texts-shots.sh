#!/usr/bin/env bash
# Texts that users read in the real program under a virtual X screen (Xvfb, 1280 x 800) with
# xdotool as the user, in English and in Chinese, leaving screenshots for a person to look at:
# the block palette widened so that its names show, every tab for a diagram of the newer
# generation (77X series) and of the older one, the device clock dialog, the Modbus Read and
# Write pages of both generations, and a simulation of the newer sample diagram with its yearly
# timer (B19) showing the simulated date. The clicks are screen positions of this window layout.
#   scripts/texts-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-texts-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :97

private_settings

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-2}"; }
start() {
  cp "$top/tests/data/golden/$1" "$work/$1"
  "$app" "$work/$1" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 8
}
# The palette's right edge dragged right, so that its names show whole.
widen_palette() { drag 157 350 330 350 0.8; }
# Palette tab N (0 BSC ... 6 Profile) chosen with the arrows at the ends of the widened tab strip,
# which pick the tab before or after the chosen one: six steps left reach BSC, then N steps right
# (as palette_tab does at the palette's first width), further apart than the double-click time.
tab() {
  for _ in 1 2 3 4 5 6; do click 14 613 0.6; done
  for ((i = 0; i < $1; i++)); do click 318 613 0.6; done
  sleep 0.6
}
# The palette keeps the seven tabs it was made with; for the older generation its first four
# (which show in the widened strip, N clicked) list what that generation has.
older_tab() { click $((30 + 44 * $1)) 613 0.8; }
scroll_palette() { xdotool mousemove 150 400; for _ in $(seq "$1"); do xdotool click 5; sleep 0.1; done; sleep 0.8; }

shots_in() {
  local lang=$1
  # The newer generation, with the palette as the program starts: the device clock dialog
  # (Tools > Clock Setting/Calibration from the keyboard, as the menu bar's places differ by
  # language) and the properties of the Modbus Read (B43) and Write (B44) blocks.
  start fbd-newer-catalogue.dfb
  xdotool key alt+t; sleep 0.8; xdotool key Down Return; sleep 2
  shot "$lang-clock-dialog"
  xdotool key Escape; sleep 1
  double_click 1052 463; shot "$lang-modbus-read-newer"; xdotool key Escape; sleep 1
  double_click 1152 463; shot "$lang-modbus-write-newer"; xdotool key Escape; sleep 1
  # All seven tabs; the long Misc, Aux and Math lists also scrolled down.
  widen_palette
  tab 0; shot "$lang-palette-newer-1-bsc"
  tab 1; shot "$lang-palette-newer-2-tmr"
  tab 2; shot "$lang-palette-newer-3-io"
  tab 3; shot "$lang-palette-newer-4-misc"
  scroll_palette 15; shot "$lang-palette-newer-4-misc-end"
  tab 4; shot "$lang-palette-newer-5-aux"
  scroll_palette 15; shot "$lang-palette-newer-5-aux-end"
  tab 5; shot "$lang-palette-newer-6-math"
  scroll_palette 15; shot "$lang-palette-newer-6-math-end"
  tab 6; shot "$lang-palette-newer-7-profile"
  # The simulation (F3): the yearly timer B19 shows the simulated date under itself; the
  # corner of the diagram around it also enlarged.
  click 900 250 0.5; xdotool key F3; sleep 4
  shot "$lang-simulation-yearly-timer"
  convert "$out/$lang-simulation-yearly-timer.png" -crop 300x110+580+245 +repage -scale 200% \
    "$out/$lang-simulation-yearly-timer-enlarged.png"
  stop
  # The older generation: the Modbus blocks (B32, B33) a page to the right, then its first four tabs.
  start fbd-older-catalogue.dfb
  click 1000 628 1
  double_click 1047 373; shot "$lang-modbus-read-older"; xdotool key Escape; sleep 1
  double_click 1147 373; shot "$lang-modbus-write-older"; xdotool key Escape; sleep 1
  widen_palette
  older_tab 0; shot "$lang-palette-older-1-bsc"
  older_tab 1; shot "$lang-palette-older-2-tmr"
  older_tab 2; shot "$lang-palette-older-3-io"
  older_tab 3; shot "$lang-palette-older-4-misc"
  scroll_palette 6; shot "$lang-palette-older-4-misc-end"
  stop
}

set_language en_US
shots_in en
set_language zh_CN
shots_in zh
echo "pictures in $out"
