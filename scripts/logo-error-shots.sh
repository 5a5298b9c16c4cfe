#!/usr/bin/env bash
# The LCD Setting page of the program Properties sheet choosing a logo file that the user may not
# read, in the real program under a virtual X screen (Xvfb, 1280 x 800) with xdotool as the
# user, in English and then in Chinese (chosen with Options > Language), leaving screenshots for
# a person to look at: the page, the file dialog with the file typed in, and the "Open file
# error!" box with the stop icon. The program runs as the user nobody, since root reads any file.
#   scripts/logo-error-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-logo-error-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :163
chmod 777 "$work"

# The settings file lives in the private home folder's configuration folder, the scratch files
# in a private temporary folder.
unset XDG_RUNTIME_DIR XDG_CONFIG_HOME
export TMPDIR=$work/tmp
mkdir -m 777 "$TMPDIR"

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
sclick() { click $(($1 + 406)) $(($2 + 151)) "${3:-0.8}"; }
start() {
  setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work" "$app" "$@" >>"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 12
}
cp "$top/tests/data/golden/fbd-newer-behaviour.dfb" "$work/sample.dfb"
chmod 666 "$work/sample.dfb"
head -c 1086 /dev/zero >"$work/locked-logo.bmp"
chmod 600 "$work/locked-logo.bmp"

# File > Properties, the LCD Setting tab (the eighth: the tab strip's right arrow chooses the
# next tab, in either language), Open, the file typed in, Open, and the box closed.
choose_locked_logo() {
  click 20 8 2; click 64 163 4
  for _ in 1 2 3 4 5 6 7; do sclick 452 20 0.3; done
  shot "$lang-1-lcd-page"
  click 824 209 3
  xdotool type --delay 20 "$work/locked-logo.bmp"; sleep 0.5
  shot "$lang-2-file-typed"
  xdotool key Return; sleep 3
  shot "$lang-3-open-error"
  xdotool key Return; sleep 1
  xdotool key Escape; sleep 1
}

lang=en
start "$work/sample.dfb"
choose_locked_logo
stop

# Options > Language: Simple Chinese, OK, and the restart notice; then the same in Chinese.
lang=zh
start
click 140 8; click 185 51 1.5
xdotool key Down; sleep 0.5; xdotool key Return; sleep 1.5; xdotool key Return; sleep 1
stop
start "$work/sample.dfb"
choose_locked_logo
stop
echo "pictures in $out"
