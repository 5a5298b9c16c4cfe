#!/usr/bin/env bash
# A file named on the command line relative to the folder the program starts in, in the real
# program under a virtual X screen (Xvfb, 1280 x 800, no window manager) with xdotool as the
# user, leaving screenshots for a person to look at: started in plant/ with "sump.dfb", the File
# menu lists the file once; started from other/, which has a sump.dfb of its own, the recent
# entry opens plant's file; started in other/ with "sump.dfb", the two entries of one name show
# their folders, and the entry of plant's opens plant's diagram beside other's.
# The clicks are screen positions of this window layout.
#   scripts/recent-files-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# The program starts in other folders: its path is taken whole first.
app=$(realpath "${1:-$top/build/src/qarvo-editor}")
out=${2:-/tmp/qarvo-recent-files-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :46

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }
away() { xdotool mousemove 900 600; sleep 0.5; }
# start FOLDER [FILE]: the program started in the folder, with the file named as typed there.
start() {
  (cd "$work/$1" && exec "$app" ${2:+"$2"} >>"$work/app.log" 2>&1) &
  app_pid=$!
  sleep 6
}
file_menu() { click 15 8 1; }

# Two diagrams of one name in two folders: plant's is for the 77X series, other's for the 3X
# (the status bar names the series of the diagram in front).
mkdir -p "$work/plant" "$work/other"
cp "$top/tests/data/golden/fbd-newer-behaviour.dfb" "$work/plant/sump.dfb"
cp "$top/tests/data/golden/fbd-older-catalogue.dfb" "$work/other/sump.dfb"

start plant sump.dfb
away; shot 1-plant-sump-opened-by-relative-name
file_menu
shot 2-file-menu-lists-it-once
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.5
stop

# From another folder the entry (in the menu without a document) still means plant's file.
start other
file_menu
shot 3-file-menu-from-other-folder
click 40 75 3
away; shot 4-recent-entry-opened-plant-sump
stop

# Other's own sump.dfb: two entries of one name, each with its folder.
start other sump.dfb
file_menu
shot 5-two-entries-show-their-folders
click 40 299 3
# Window > Tile: other's 3X diagram beside plant's 77X one.
click 254 8; click 265 51 1.5
away; shot 6-plant-sump-beside-other-sump
stop
echo "screenshots in $out"
