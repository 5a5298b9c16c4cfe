#!/usr/bin/env bash
# What a download says about what it cannot send, in the real program under a virtual X screen
# (Xvfb, 1280 x 800) with xdotool as the user and the simulated controller on a pseudo-terminal,
# in English and then in Chinese, leaving screenshots for a person to look at:
# - File > Properties, LCD Setting: a logo path typed into "Company logo" that names no file,
#   then OK: the page's refusal; a good 108 x 64 bitmap typed in and taken;
# - that bitmap changed since into one of 4 bits a pixel, then PC->Device: the box naming it,
#   and the information window after the download went on without the logo;
# - the older line's catalogue with a data log placed from the palette's Profile tab, and
#   PC->Device: the box naming the data log, and nothing sent.
# The clicks are screen positions of this window layout.
#   scripts/download-refusal-shots.sh [build folder] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-test}
out=${2:-/tmp/qarvo-download-refusal-shots}
app=$build/src/qarvo-editor
sim=$build/tests/qarvo-simcontroller
tool=$build/tests/qarvo-catalogue
. "$top/scripts/xvfb-session.sh"
xvfb_session "${QARVO_DISPLAY:-:132}"
private_settings

sim_pids=()
trap 'kill "${sim_pids[@]}" 2>/dev/null || true; xvfb_cleanup' EXIT
# start_sim MODEL FIRMWARE: a simulated controller; its pseudo-terminal in $pty.
start_sim() {
  "$sim" "$1" "$2" >"$work/sim-$1.out" 2>&1 &
  sim_pids+=($!)
  for _ in $(seq 50); do [ -s "$work/sim-$1.out" ] && break; sleep 0.1; done
  pty=$(head -1 "$work/sim-$1.out")
}

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
sclick() { click $(($1 + 406)) $(($2 + 151)) "${3:-0.8}"; }
start() {
  "$app" "$@" >>"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 8
}
# Options > COM Configuration (the menu's places $opts_x and $com_x, the dialog's caption
# $com_caption): the controller's pseudo-terminal typed over the box's text, then "Connect to
# Devices".
configure_port() {
  click "$opts_x" 8 0.7; click "$com_x" 30 1.5
  local com
  com=$(xdotool search --onlyvisible --name "$com_caption" | head -1)
  xdotool mousemove --window "$com" 160 45 click 1; sleep 0.5
  xdotool key End; xdotool key --repeat 40 BackSpace; xdotool type --delay 30 "$pty"; sleep 0.5
  xdotool mousemove --window "$com" 90 95 click 1; sleep 1
}

"$tool" make "$work/newer.dfb" newer
"$tool" make "$work/older.dfb" older
convert -size 108x64 xc:white -fill black -draw "rectangle 10,10 60,40" -type bilevel BMP3:"$work/logo.bmp"

# run LANGUAGE OPTIONS-X COM-X COM-CAPTION
run() {
  lang=$1 opts_x=$2 com_x=$3 com_caption=$4
  cp "$work/logo.bmp" "$work/logo-$lang.bmp"
  start_sim 5288 C100
  start "$work/newer.dfb"
  # File > Properties, the LCD Setting tab: the eighth, seven steps of the tab strip's right
  # arrow from General.
  click 20 8 2; click 64 163 4
  for _ in 1 2 3 4 5 6 7; do sclick 451 20 0.2; done
  # A path that names no file typed into the box, then OK.
  click 600 209; xdotool key ctrl+a; xdotool type --delay 20 "$work/none.bmp"; sleep 0.5
  xdotool key Return; sleep 2
  shot "$lang-1-typed-path-refused"
  xdotool key Return; sleep 1
  # The bitmap typed in and taken.
  click 600 209; xdotool key ctrl+a; xdotool type --delay 20 "$work/logo-$lang.bmp"; sleep 0.5
  xdotool key Return; sleep 2
  shot "$lang-2-logo-taken"
  # The file changed since: 4 bits a pixel.
  printf '\x04' | dd of="$work/logo-$lang.bmp" bs=1 seek=28 conv=notrunc status=none
  configure_port
  xdotool key ctrl+d; sleep 3
  shot "$lang-3-logo-named"
  xdotool key Return; sleep 20
  shot "$lang-4-downloaded-without-logo"
  stop

  # The older catalogue and a data log from the palette's last tab, Profile.
  start_sim 1188 B100
  start "$work/older.dfb"
  palette_tab 6
  click 33 103 0.5; click 700 590 0.5
  xdotool key Escape; xdotool mousemove 900 620; sleep 0.5
  configure_port
  xdotool key ctrl+d; sleep 3
  shot "$lang-5-data-log-named"
  xdotool key Return; sleep 2
  shot "$lang-6-nothing-sent"
  stop
}

set_language en_US
run en 193 238 "Communication Configuration"
set_language zh_CN
run zh 251 290 "COM配置"
echo "pictures in $out"
