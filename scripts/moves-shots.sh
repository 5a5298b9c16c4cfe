#!/usr/bin/env bash
# Moves and Undo in the real program under a virtual X screen (Xvfb, 1280 x 800) with xdotool as
# the user, leaving screenshots for a person to look at, in English and in Chinese: I000 of the
# behaviour diagram dragged 8 px, the Edit menu offering Undo, Ctrl+Z taking the move back and
# Close then asking nothing; the catalogue diagram on a base of one page (which its rows pass),
# Ctrl+A and a block dragged 100 px to the right: the base refuses the move, the Edit menu offers
# no Undo, Close asks nothing and the file keeps the bytes saved before the drag. The
# clicks are screen positions of this window layout.
#   scripts/moves-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-moves-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session "${QARVO_DISPLAY:-:133}"
private_settings

start() {
  "$app" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 6
}
key() { xdotool key "$1"; sleep "${2:-1}"; }
away() { xdotool mousemove 900 720; sleep 0.5; }

# $1: the language's name in the pictures; $2: the Edit menu's x.
moves() {
  local edit_x=$2
  edit_menu() { xdotool mousemove "$edit_x" 8 click 1; sleep 0.8; shot "$1"; key Escape 0.5; }
  cp "$top/tests/data/golden/fbd-newer-behaviour.dfb" "$work/behaviour.dfb"
  start "$work/behaviour.dfb"
  drag 254 105 262 105 0.8; away
  edit_menu "$1-1-edit-menu-after-8px-drag"
  key ctrl+z 1.5; away; shot "$1-2-drag-undone"
  key ctrl+F4 1.5; shot "$1-3-closed-unasked"
  stop

  # The base's rectangle (0, 0, 2048, 1536) made one page (1024 x 768).
  python3 -c 'import struct,sys; b=open(sys.argv[1],"rb").read(); r=struct.pack("<4i",0,0,2048,1536); open(sys.argv[2],"wb").write(b.replace(r,struct.pack("<4i",0,0,1024,768),1))' \
    "$top/tests/data/golden/fbd-newer-catalogue.dfb" "$work/catalogue.dfb"
  start "$work/catalogue.dfb"
  key ctrl+s 2; cp "$work/catalogue.dfb" "$work/saved.dfb"
  key ctrl+a 0.5
  drag 253 195 353 195 1.5; shot "$1-4-move-refused"
  key Return 1.5; away; shot "$1-5-after-refusal"
  edit_menu "$1-6-edit-menu-after-refusal"
  key ctrl+F4 1.5; shot "$1-7-closed-unasked"
  # Were the diagram still open (Close asking), its save would show what the move changed.
  key Escape 0.5; key ctrl+s 2
  stop
  cmp "$work/saved.dfb" "$work/catalogue.dfb" && echo "$1: the file holds the bytes saved before the drag"
}

set_language en_US
moves en 56
set_language zh_CN
moves zh 62
echo "pictures in $out"
