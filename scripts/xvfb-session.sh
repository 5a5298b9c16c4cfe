# The virtual X screen the screenshot scripts drive the program on (Xvfb, 1280 x 800), sourced by
# them: `xvfb_session DISPLAY` starts it with a private home folder and no leak report, and
# removes both and the program when the script ends; `shot NAME` saves the screen as NAME.png
# in $out.
xvfb_session() {
  mkdir -p "$out"
  work=$(mktemp -d)
  export DISPLAY=$1
  export HOME=$work
  export ASAN_OPTIONS=detect_leaks=0
  Xvfb "$1" -screen 0 1280x800x24 >/dev/null 2>&1 &
  xvfb=$!
  app_pid=
  trap xvfb_cleanup EXIT
  sleep 1
}

xvfb_cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}

shot() { import -window root "$out/$1.png"; }

# The program keeps its settings file in a folder of its own under the user's configuration
# folder, and its scratch files under the temporary folder: the session's private ones, so that
# `set_language zh_CN` (or en_US) chooses the interface language of the program's next start.
private_settings() {
  unset XDG_RUNTIME_DIR
  export TMPDIR=$work/tmp XDG_CONFIG_HOME=$work/.config
  settings=$XDG_CONFIG_HOME/qarvo-editor/DruvoProperty/DruvoEditor.ini
  mkdir -p "$TMPDIR"
  mkdir -p "$(dirname "$settings")"
}
set_language() { printf 'language=%s\r\n' "$1" | iconv -f UTF-8 -t UTF-16LE >"$settings"; }

# drag X1 Y1 X2 Y2 [PAUSE]: press on one point, move to the other in steps with the button held,
# release, and wait PAUSE seconds (0.4) for the program to take it.
drag() {
  xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2
  for f in 1 2 3 4; do
    xdotool mousemove $(($1 + ($3 - $1) * f / 4)) $(($2 + ($4 - $2) * f / 4)); sleep 0.15
  done
  xdotool mouseup 1; sleep "${5:-0.4}"
}

# Ends the program a script started in the background (its pid in app_pid).
stop() {
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=
}

# palette_tab N: chooses the palette's tab N (0 BSC, 1 TMR, 2 I/O, 3 Misc, 4 Aux, 5 Math,
# 6 Profile) with the arrows at the ends of its tab strip, which pick the tab before or after the
# chosen one: six steps left reach BSC whatever was chosen, then N steps right. An end without an
# arrow shows the first or last tab there, which a click chooses: that is the step too. The
# clicks are further apart than the double-click time, so that each is a click of its own.
palette_tab() {
  for _ in 1 2 3 4 5 6; do xdotool mousemove 14 613 click 1; sleep 0.6; done
  for ((i = 0; i < $1; i++)); do xdotool mousemove 145 613 click 1; sleep 0.6; done
  sleep 0.3
}
