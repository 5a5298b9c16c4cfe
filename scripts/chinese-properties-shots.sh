#!/usr/bin/env bash
# The program Properties sheet of the Chinese interface in the real program under a virtual X
# screen (Xvfb, 1280 x 800) with xdotool as the user, leaving screenshots for a person to look
# at: the language is chosen with Options > Language, the program starts again with the sample
# diagram of the newer generation, File > Properties shows each of its nine pages, and a
# password typed into the boxes labelled 新密码 and 确认新密码 is taken: the sheet opened again
# asks for the current password, and the saved file holds the new one.
#   scripts/chinese-properties-shots.sh [program] [folder for the pictures]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$top/build/src/qarvo-editor}
out=${2:-/tmp/qarvo-chinese-properties-shots}
. "$top/scripts/xvfb-session.sh"
xvfb_session :96

private_settings

click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.8}"; }
start() {
  cp "$1" "$work/sample.dfb"
  "$app" "$work/sample.dfb" >"$work/app.log" 2>&1 &
  app_pid=$!
  sleep 6
}
# File > Properties; the sheet opens in the middle of the screen with the keyboard focus, and
# the clicks on it are positions in the sheet.
open_sheet() { click 20 8; click 64 163 2; sheet=$(xdotool getwindowfocus); }
click_sheet() { xdotool mousemove --window "$sheet" "$1" "$2" click 1; sleep "${3:-0.8}"; }
cancel_sheet() { xdotool key Escape; sleep 1; }
# The tab strip shows the first eight tabs; its right arrow scrolls to the last one.
last_tabs() { for _ in 1 2 3 4 5 6; do click_sheet 452 20 0.2; done; }

# Options > Language in the English interface: Simple Chinese, OK, and the restart notice.
"$app" >"$work/app.log" 2>&1 &
app_pid=$!
sleep 6
click 140 8; click 185 51 1.5
xdotool key Down; sleep 0.5
shot zh-0-language
xdotool key Return; sleep 1.5
xdotool key Return; sleep 1
stop
if ! iconv -f UTF-16LE -t UTF-8 "$settings" 2>/dev/null | grep -q 'zh_CN'; then
  echo "Options > Language did not choose Chinese" >&2
  exit 1
fi

# The restart in Chinese.
start "$top/tests/data/golden/fbd-newer-behaviour.dfb"
shot zh-0-main
open_sheet
shot zh-1-general
click_sheet 78 20; shot zh-2-comment
click_sheet 127 20; shot zh-3-parameter
click_sheet 175 20; shot zh-4-protect
click_sheet 228 20; shot zh-5-com0
click_sheet 288 20; shot zh-6-com1
click_sheet 349 20; shot zh-7-com2
last_tabs; click_sheet 319 20; shot zh-8-lcd-setting
click_sheet 385 20; shot zh-9-hardware
cancel_sheet

# The password: typed into the two boxes beside 新密码 and 确认新密码 (the clicks are the
# positions of those boxes in this layout), then OK and Save.
open_sheet
click_sheet 127 20
click_sheet 236 208; xdotool type --delay 40 SECRET
click_sheet 236 234; xdotool type --delay 40 SECRET
shot zh-10-password-typed
xdotool key Return; sleep 1.5
shot zh-11-after-ok
xdotool key ctrl+s; sleep 2
open_sheet
click_sheet 127 20; shot zh-12-parameter-again
cancel_sheet
# Two block sheets: the on-delay timer B5 (its group caption from the string table) and the
# up/down counter B12.
xdotool mousemove 551 195 click --repeat 2 --delay 80 1; sleep 2; shot zh-13-on-delay-sheet
cancel_sheet
xdotool mousemove 1250 195 click --repeat 2 --delay 80 1; sleep 2; shot zh-14-counter-sheet
cancel_sheet
stop
# The file keeps its texts as UTF-16LE; the password once, and nowhere else.
if python3 -c 'import sys; sys.exit(0 if open(sys.argv[1], "rb").read().count("SECRET".encode("utf-16-le")) == 1 else 1)' \
     "$work/sample.dfb"; then
  echo "the saved diagram holds the password SECRET"
else
  echo "the saved diagram does not hold the password" >&2
  exit 1
fi
echo "pictures in $out"
