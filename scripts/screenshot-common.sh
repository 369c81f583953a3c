# Shared by the screenshot scripts (sourced, not run). Before Xvfb: `prepare_program_folder BUILD_FOLDER`
# checks the tools and copies the program into a folder of its own ($work, removed at exit), so the
# backups and com.ini of a run go nowhere else. Under Xvfb: `start_vantrel PROFILE` starts the
# simulated radio as COM 1 and Vantrel on it, and `read_radio` reads it through the toolbar.

prepare_program_folder() {
  bin="$root/${1:-build}/bin"
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
  done
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  cp -r "$bin/vantrel" "$bin/vantrel-radio-sim" "$bin/profiles" "$bin/help" "$bin"/*.bmp "$bin/bbo.cfg" "$work/"
  printf 'COM Port Id :1\n ' > "$work/com.ini"
}

start_vantrel() {
  ./vantrel-radio-sim --profile "profiles/$1" --link com1 >/dev/null &
  sim=$!
  for _ in $(seq 50); do [ -L com1 ] && break; sleep 0.1; done
  ./vantrel &
  app=$!
  window="$(xdotool search --sync --onlyvisible --name '^Vantrel')"
  # There is no window manager under Xvfb: the window is placed by hand, and driven with the mouse
  # (keyboard focus would need one).
  xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
  sleep 1
}

read_radio() {
  xdotool mousemove 95 38 click 1        # toolbar: Read Radio Information and Softpots
  note="$(xdotool search --sync --onlyvisible --name '^NOTE$')"   # "Radio has been successfully read !!"
  sleep 0.5
  xdotool windowfocus --sync "$note" key Return
  sleep 0.5
}

stop_vantrel() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
}
