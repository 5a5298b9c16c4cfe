#!/usr/bin/env bash
# Prints a diagram to a PDF file from the real program under a virtual X screen (Xvfb, 1280 x 800)
# with xdotool as the user, and checks and shows the result: the sample diagram gets a page
# layout of 3 x 2 pages (View > Page Layout) and is zoomed out to 25 %, Print Preview shows its
# pages after Print Setup (and again in a larger window), and the preview's Print... goes through
# the system's print dialog to a PDF file. pdfinfo must count six pages, drawn as lines and text
# (pdfimages finds no pictures in them), and the zoom must still be 25 % afterwards; page 1 (as a
# PNG at 200 dpi) and the dialogs are left as pictures to look at.
#   scripts/print-shots.sh [program] [folder for the pictures]   (QARVO_DISPLAY: the X display)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-print-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session "${QARVO_DISPLAY:-:105}"

for tool in pdfinfo pdftoppm pdfimages xdotool import; do
  command -v "$tool" >/dev/null || { echo "print-shots: $tool is missing (apt-get install poppler-utils xdotool imagemagick)" >&2; exit 1; }
done

# The sample diagram: a copy, so that the page layout changes nothing in the source tree.
cp "$top/tests/data/golden/fbd-newer-behaviour.dfb" "$work/sample.dfb"
cd "$work"
"$app" "$work/sample.dfb" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 5
shot print-diagram
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }

# View > Page Layout: 3 pages across and 2 down (more pages never need the diagram checked).
# Menus are opened with the mouse: without a window manager the menu bar's Alt keys do not
# reach the program.
click 96 8 0.7
xdotool key Up Return; sleep 1
shot page-layout-dialog
# The first number is selected when the dialog opens; Tab selects the second.
xdotool type 3; xdotool key Tab; xdotool type 2; sleep 0.5
shot page-layout-typed
xdotool key Return; sleep 1
# Zoom Out three times: 25 %.
for _ in 1 2 3; do click 364 32; done
shot zoomed-out

# File > Print Preview: Print Setup first, then the preview window with its pages.
click 20 8 0.7
click 72 231 1.5
shot print-setup
# Its OK, clicked (Enter presses it as well: the dialog opens with the focus on it).
click 668 508 2
shot print-preview
click 463 173 1
shot print-preview-page2
# A larger preview window shows a larger page, drawn anew.
preview=$(xdotool search --name "Print Preview" | head -1)
eval "$(xdotool getwindowgeometry --shell "$preview")"
xdotool windowmove "$preview" 20 20 windowsize "$preview" 1200 760; sleep 1.5
shot print-preview-larger
xdotool windowsize "$preview" "$WIDTH" "$HEIGHT" windowmove "$preview" "$X" "$Y"; sleep 1
# The preview's Print... prints without asking for the Print Setup again: the system's print
# dialog comes next, which prints to a PDF file in the working folder when no printer exists.
click 382 173 2.5
shot print-dialog
xdotool key Return; sleep 5

pdf=$(ls "$work"/*.pdf 2>/dev/null | head -1 || true)
if [ -z "$pdf" ]; then
  echo "print-shots: no PDF was written" >&2
  shot print-failed
  exit 1
fi
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
pictures=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
echo "print-shots: $(basename "$pdf") has $pages pages and $pictures pictures"
pdftoppm -png -r 200 -f 1 -l 1 "$pdf" "$out/print-page"
cp "$pdf" "$out/printed.pdf"
shot after-print
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
if [ "$pages" != 6 ] || [ "$pictures" != 0 ]; then
  echo "print-shots: expected 6 pages of lines and text" >&2
  exit 1
fi
echo "print-shots: look at zoomed-out.png and after-print.png: both at Zoom:25%"
echo "print-shots: pictures in $out"
