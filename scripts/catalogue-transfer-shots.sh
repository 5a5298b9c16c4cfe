#!/usr/bin/env bash
# The block catalogue through the real program and the simulated controller and back, under a
# virtual X screen (Xvfb, 1280 x 800) with xdotool as the user: qarvo-catalogue writes the
# catalogue of a generation (every function-block type with its settings off their defaults,
# I/O points away from index 0, names, message texts, program name and password "QARVO") as a
# project file; the program opens it, downloads it to qarvo-simcontroller, uploads it into a
# new document (answering the password dialog), saves that, and qarvo-catalogue compares the
# saved file with the original block by block. Screenshots are left for a person to look at.
#   scripts/catalogue-transfer-shots.sh [newer|older] [build folder] [folder for the pictures]
# Exit status: that of the comparison (0 when every block came back).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
generation=${1:-newer}
build=${2:-$top/build-test}
out=${3:-/tmp/qarvo-catalogue-shots}
app=$build/src/qarvo-editor
sim=$build/tests/qarvo-simcontroller
tool=$build/tests/qarvo-catalogue
. "$top/scripts/xvfb-session.sh"
xvfb_session "${QARVO_DISPLAY:-:93}"

if [ "$generation" = older ]; then hardware=1188; firmware=B100; else hardware=5288; firmware=C100; fi
"$tool" make "$work/catalogue.dfb" "$generation"
"$sim" "$hardware" "$firmware" >"$work/sim.out" 2>&1 &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; xvfb_cleanup' EXIT
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(head -1 "$work/sim.out")
echo "simulated controller on $pty"

"$app" "$work/catalogue.dfb" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 6
shot catalogue-opened

dialog() { xdotool search --onlyvisible --name "$1" | head -1; }
wait_dialog() {
  for _ in $(seq 100); do [ -n "$(dialog "$1")" ] && return 0; sleep 0.2; done
  echo "no window \"$1\"" >&2; return 1
}

# Until the program has used less than 0.1 s of processor time in 2 s (an upload decodes, lays
# out and draws the diagram before it takes input again).
wait_idle() {
  local before now
  before=$(awk '{print $14 + $15}' "/proc/$app_pid/stat")
  for _ in $(seq 900); do
    sleep 2
    now=$(awk '{print $14 + $15}' "/proc/$app_pid/stat")
    [ $((now - before)) -lt 10 ] && return 0
    before=$now
  done
}

# Options > COM Configuration: the controller's pseudo-terminal typed over the box's text, then
# "Connect to Devices".
xdotool mousemove 193 8 click 1; sleep 0.7
shot catalogue-options-menu
xdotool mousemove 238 30 click 1; sleep 1.5
wait_dialog "Communication Configuration"
com=$(dialog "Communication Configuration")
xdotool mousemove --window "$com" 160 45 click 1; sleep 0.5
xdotool key End; xdotool key --repeat 40 BackSpace; xdotool type --delay 30 "$pty"; sleep 0.5
xdotool mousemove --window "$com" 90 95 click 1; sleep 1

# PC->Device: the information window after the controller's end frame.
xdotool key ctrl+d; sleep 9; wait_idle
shot catalogue-downloaded

# Device->PC: the program asks for the password the program carries.
xdotool key ctrl+u
wait_dialog "password"; sleep 1
xdotool mousemove --window "$(dialog password)" 183 35 click 1; sleep 0.3
xdotool type --delay 60 "QARVO"; sleep 0.5
shot catalogue-password
xdotool key Return
# The progress window stays until the diagram is drawn.
wait_idle
xdotool mousemove 900 500; sleep 0.5
shot catalogue-uploaded

# The uploaded diagram saved under a name of its own.
xdotool key ctrl+s; sleep 2
xdotool key ctrl+a; xdotool type "$work/uploaded.dfb"; xdotool key Return; sleep 3
shot catalogue-saved
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=

status=0
"$tool" compare "$work/catalogue.dfb" "$work/uploaded.dfb" | tee "$out/compare.txt" || status=$?
echo "pictures and the comparison in $out"
exit "$status"
