#!/usr/bin/env bash
# Lists, frames, tabs and the status bar in the real program under a virtual X screen (Xvfb,
# 1280 x 800) with xdotool as the user, in English and then, after Options > Language, in
# Chinese, leaving screenshots for a person to look at: the catalogue diagram's status bar (the
# series in its own pane), the on-delay B8 and the up/down counter B22 with their lists of
# blocks, the analog amplifier B26 (boxes clear of the frame lines), File > Properties with its
# tabs stepped to the last by the arrow, and the Properties sheet as the analog output AQ000
# opens it (on the Parameter page, with its tabs) with the "Value range type" lists. The clicks
# are screen positions of this window layout.
#   scripts/fit-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-fit-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :96

private_settings

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; sleep "${3:-2}"; }
start() {
  cp "$top/tests/data/golden/fbd-newer-catalogue.dfb" "$work/catalogue.dfb"
  "$app" "$work/catalogue.dfb" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 6
}

# Every picture of one language, named after it.
series() {
  start
  shot "$1-1-main"
  double_click 851 195; shot "$1-2-on-delay"; xdotool key Escape; sleep 1
  double_click 351 375; shot "$1-3-counter"; xdotool key Escape; sleep 1
  double_click 751 375; shot "$1-4-analog-amplifier"; xdotool key Escape; sleep 1
  # File > Properties; the right arrow picks the next tab eight times. It is gone once the last
  # tab shows (in English before the eighth), so the last tab is clicked itself too.
  click 20 8; click 50 163 2; shot "$1-5-properties"
  for _ in 1 2 3 4 5 6 7 8; do click 856 171 0.4; done
  click 806 171 0.4
  shot "$1-6-properties-last-tab"
  click 748 630 1
  # The diagram scrolled to AQ000; its first button opens the Properties on the Parameter page.
  for _ in 1 2 3; do click 1200 628 0.4; done
  double_click 939 284
  click 639 351 2; shot "$1-7-properties-from-aq000"
  click 527 528 2; shot "$1-8-value-range-types"
  click 900 533 1; click 748 630 1; click 679 461 1
  stop
}

series en

# Options > Language: Simple Chinese, OK, and the restart notice.
start
click 193 8; click 223 51 1.5
xdotool key Down; sleep 0.5
click 622 423 1.5; xdotool key Return; sleep 1
stop
if ! iconv -f UTF-16LE -t UTF-8 "$settings" 2>/dev/null | grep -q 'zh_CN'; then
  echo "Options > Language did not choose Chinese" >&2
  exit 1
fi
series zh
echo "pictures in $out"
