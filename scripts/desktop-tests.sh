#!/usr/bin/env bash
# Runs the tests labelled desktop on X displays with a window manager: starts COUNT virtual
# screens (Xvfb, each on a free display number it picks itself) with openbox on each, hands
# them to ctest as its "displays" resource, one display to each test running, and stops them
# all when done. Usage: scripts/desktop-tests.sh <build-dir> [COUNT] [ctest options...]
set -euo pipefail
build=$1
count=${2:-4}
shift $(($# < 2 ? $# : 2))
work=$(mktemp -d)
pids=()
stop_displays() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop_displays EXIT

# Starts one screen and its window manager; prints the display's number once openbox runs.
start_display() {
  local number_file=$work/display-$1 ready=$work/ready-$1
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  local number
  number=$(tr -d '\n' <"$number_file")
  [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
  HOME=$work DISPLAY=":$number" openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
  [ -e "$ready" ] || { echo "openbox did not start on :$number" >&2; return 1; }
  DISPLAYS+=("$number")
}

DISPLAYS=()
for ((i = 0; i < count; i++)); do start_display "$i"; done
entries=$(printf '{"id": "%s", "slots": 1},' "${DISPLAYS[@]}")
printf '{"version": {"major": 1, "minor": 0}, "local": [{"displays": [%s]}]}\n' "${entries%,}" \
  >"$work/displays.json"
ctest --test-dir "$build" --output-on-failure -j "$count" -L desktop \
  --resource-spec-file "$work/displays.json" "$@"
