#!/usr/bin/env bash
# Runs the tests labelled desktop on X displays with a window manager: starts COUNT virtual
# screens (Xvfb, each on a free display number it picks itself) with a window manager on each
# (openbox unless --wm names xfwm4 or icewm), hands them to ctest as its "displays" resource, one
# display to each test running, and stops them all when done.
# Usage: scripts/desktop-tests.sh [--wm openbox|xfwm4|icewm] <build-dir> [COUNT] [ctest options...]
set -euo pipefail
wm=openbox
if [ "${1:-}" = --wm ]; then
  wm=$2
  shift 2
fi
case $wm in
  openbox) wm_command=(openbox --sm-disable) ;;
  # xfwm4 keeps its settings in xfconf, which it reaches over a session bus of its own; the
  # accessibility bridge would start a second bus for nothing.
  xfwm4) wm_command=(env NO_AT_BRIDGE=1 dbus-run-session -- xfwm4) ;;
  icewm) wm_command=(icewm) ;;
  *) echo "unknown window manager: $wm (openbox, xfwm4 or icewm)" >&2; exit 2 ;;
esac
build=$1
count=${2:-4}
shift $(($# < 2 ? $# : 2))
work=$(mktemp -d)
screens=()
managers=()
# A window manager ends when its screen goes: the screens are stopped first, and a window manager
# still there a few seconds later is stopped as well.
stop_displays() {
  for pid in "${screens[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${managers[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${screens[@]}" "${managers[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop_displays EXIT

# A window manager announces itself on the root window once it manages the screen.
wm_running() {
  xprop -display ":$1" -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}

# Waits up to a minute for a command to succeed: on a busy machine a screen or a window manager
# may take many seconds to come up.
wait_for() {
  local deadline=$((SECONDS + 60))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts one screen and its window manager; adds the display's number once the manager runs.
start_display() {
  local number_file=$work/display-$1
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  screens+=($!)
  wait_for test -s "$number_file" || true
  local number
  number=$(tr -d '\n' <"$number_file")
  [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
  mkdir "$work/home-$1"
  HOME=$work/home-$1 DISPLAY=":$number" "${wm_command[@]}" >/dev/null 2>&1 &
  managers+=($!)
  wait_for wm_running "$number" || { echo "$wm did not start on :$number" >&2; return 1; }
  DISPLAYS+=("$number")
}

DISPLAYS=()
for ((i = 0; i < count; i++)); do start_display "$i"; done
entries=$(printf '{"id": "%s", "slots": 1},' "${DISPLAYS[@]}")
printf '{"version": {"major": 1, "minor": 0}, "local": [{"displays": [%s]}]}\n' "${entries%,}" \
  >"$work/displays.json"
ctest --test-dir "$build" --output-on-failure -j "$count" -L desktop \
  --resource-spec-file "$work/displays.json" "$@"
