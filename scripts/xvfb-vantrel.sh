# Shared by the screenshot scripts (sourced, not run): a program folder of its own, and Vantrel
# started under Xvfb over the simulated portable with the radio read.

# program_folder BIN WORK: copies the program and what it expects beside itself, with COM 1.
program_folder() {
  local bin="$1" work="$2"
  cp -r "$bin/vantrel" "$bin/vantrel-radio-sim" "$bin/profiles" "$bin/help" "$bin"/*.bmp "$bin/bbo.cfg" "$work/"
  printf 'COM Port Id :1\n ' > "$work/com.ini"
}

# screenshot_folder SCRIPT BIN: checks the tools a screenshot script needs, makes a program folder in a
# new temporary directory (sets work; the caller removes it) and docs/screens for the pictures.
screenshot_folder() {
  local tool
  for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "$1: $tool is missing" >&2; exit 1; }
  done
  work="$(mktemp -d)"
  program_folder "$2" "$work"
  mkdir -p docs/screens
}

# start_vantrel [PROFILE]: in the program folder, under Xvfb, Vantrel over the simulated radio of the
# profile (default portable-v1) as COM 1; sets sim and app to their process ids.
start_vantrel() {
  ./vantrel-radio-sim --profile "profiles/${1:-portable-v1}.json" --link com1 >/dev/null &
  sim=$!
  for _ in $(seq 50); do [ -L com1 ] && break; sleep 0.1; done
  ./vantrel &
  app=$!
  local window
  window="$(xdotool search --sync --onlyvisible --name '^Vantrel')"
  # There is no window manager under Xvfb: the window is placed by hand, and driven with the mouse
  # (keyboard focus would need one).
  xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
  sleep 1
}

# read_radio: File > Read Radio Information and Softpots from the toolbar, and OK to its note.
read_radio() {
  local note
  xdotool mousemove 95 38 click 1        # toolbar: Read Radio Information and Softpots
  note="$(xdotool search --sync --onlyvisible --name '^NOTE$')"   # "Radio has been successfully read !!"
  sleep 0.5
  xdotool windowfocus --sync "$note" key Return
  sleep 0.5
}

# start_read_vantrel [PROFILE]: start_vantrel, then read_radio.
start_read_vantrel() {
  start_vantrel "$@"
  read_radio
}

stop_vantrel() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
}
