#!/usr/bin/env bash
# Device->PC of a program with a password in the real program under a virtual X screen (Xvfb,
# 1280 x 800) with xdotool as the user and the simulated controller on a pseudo-terminal, leaving
# screenshots for a person to look at: the port chosen, a new diagram whose Properties give the
# program the password ABC, an input wired to an output and sent down (PC->Device), then
# Device->PC with ABC and Enter typed the moment the password dialog shows over the progress
# window. The information window then ends with "It Draws completely!".
# The run is made in English and in Chinese, each without a window manager and, when openbox is
# installed, under it. The clicks are positions of this window layout, measured from the main
# window's and the dialogs' client areas (a window manager's frame moves them).
#   scripts/password-upload-shots.sh [program] [simulated controller] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build-test/src/qarvo-editor}
sim=${2:-$top/build-test/tests/qarvo-simcontroller}
out=${3:-/tmp/qarvo-password-upload-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :97

private_settings
sim_pid=
wm_pid=
trap '[ -n "$sim_pid" ] && kill $sim_pid 2>/dev/null; [ -n "$wm_pid" ] && kill $wm_pid 2>/dev/null; xvfb_cleanup' EXIT

win() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
in_win() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep "${4:-0.5}"; }
main_y=0
at() { xdotool mousemove "$1" $(($2 + main_y)) click 1; sleep "${3:-0.5}"; }
drag() {
  xdotool mousemove "$1" $(($2 + main_y)); sleep 0.2; xdotool mousedown 1; sleep 0.2
  for f in 1 2 3 4; do
    xdotool mousemove $(($1 + ($3 - $1) * f / 4)) $(($2 + main_y + ($4 - $2) * f / 4)); sleep 0.15
  done
  xdotool mouseup 1; sleep 0.4
}

# run NAME LANGUAGE: one session against a fresh controller.
run() {
  local name=$1 language=$2 options_x=155 parameter_tab=205
  if [ "$language" = zh_CN ]; then options_x=197; parameter_tab=127; fi
  set_language "$language"
  "$sim" 5188 --password=ABC >"$work/sim.out" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
  local pty
  pty=$(head -1 "$work/sim.out")
  "$app" >"$work/app-$name.log" 2>&1 &
  app_pid=$!
  sleep 5
  main_y=$(xwininfo -id "$(win "QARVO Editor")" | awk '/Absolute upper-left Y/ { print $4 }')

  # Options > COM Configuration: the controller's path typed, then "Connect to Devices".
  at "$options_x" 8 0.7; at $((options_x + 45)) 30 1.5
  local dlg
  dlg=$(win "Communication Configuration|COM配置")
  in_win "$dlg" 160 45; xdotool key End; xdotool key --repeat 40 BackSpace
  xdotool type --delay 30 "$pty"; sleep 0.5
  in_win "$dlg" 90 95 1

  # A new diagram; its Properties sheet's Parameter page gives the program the password ABC.
  xdotool key ctrl+n; sleep 2
  local sheet
  sheet=$(win "^Properties$|^属性$")
  in_win "$sheet" "$parameter_tab" 20
  in_win "$sheet" 236 208; xdotool type --delay 30 ABC
  in_win "$sheet" 236 234; xdotool type --delay 30 ABC
  in_win "$sheet" 261 478 1

  # I000 wired to Q000 from the I/O tab of the palette, then PC->Device.
  # (The main window fills the screen with a frame or without: the palette's tab strip along its
  # bottom keeps its place on the screen, where palette_tab clicks.)
  palette_tab 2
  at 33 103 0.3; at 330 150
  at 33 333 0.3; at 560 150
  xdotool key Escape; sleep 0.3
  xdotool key F5; sleep 0.3; drag 346 168 545 168; xdotool key Escape; sleep 0.3
  xdotool key ctrl+d; sleep 9
  shot "$name-1-downloaded"

  # Device->PC: the password typed as soon as its dialog is on the screen.
  xdotool key ctrl+u
  for _ in $(seq 200); do [ -n "$(win "Type your password")" ] && break; sleep 0.02; done
  xdotool type --delay 20 ABC; xdotool key Return
  sleep 5
  shot "$name-2-uploaded"
  kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; app_pid=
  kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; sim_pid=
}

for language in en_US zh_CN; do
  run "$language-plain" "$language"
  if command -v openbox >/dev/null 2>&1; then
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 1
    run "$language-openbox" "$language"
    kill "$wm_pid" 2>/dev/null || true; wait "$wm_pid" 2>/dev/null || true; wm_pid=
  fi
done
echo "pictures in $out: the information window of each *-2-uploaded ends with \"It Draws completely!\""
