# Shared by the screenshot scripts (sourced, not run): a program folder of its own, and Vantrel
# started under Xvfb over the simulated portable with the radio read.

# program_folder BIN WORK: copies the program and what it expects beside itself, with COM 1.
program_folder() {
  local bin="$1" work="$2"
  cp -r "$bin/vantrel" "$bin/vantrel-radio-sim" "$bin/profiles" "$bin/help" "$bin"/*.bmp "$work/"
  printf 'COM Port Id :1\n ' > "$work/com.ini"
}

# start_read_vantrel: in the program folder, under Xvfb; sets sim and app to their process ids.
start_read_vantrel() {
  ./vantrel-radio-sim --profile profiles/portable-v1.json --link com1 >/dev/null &
  sim=$!
  for _ in $(seq 50); do [ -L com1 ] && break; sleep 0.1; done
  ./vantrel &
  app=$!
  local window note
  window="$(xdotool search --sync --onlyvisible --name '^Vantrel')"
  # There is no window manager under Xvfb: the window is placed by hand, and driven with the mouse
  # (keyboard focus would need one).
  xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
  sleep 1
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
