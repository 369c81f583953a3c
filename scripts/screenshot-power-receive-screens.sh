#!/usr/bin/env bash
# Takes docs/screens/*.png of the K and M power, receive, battery threshold and DAC screens of
# Vantrel under Xvfb, each over a simulated radio that has it (read first), opened from its menu.
# Needs a build (scripts/test.sh or scripts/demo.sh) and xdotool and imagemagick.
#
#   scripts/screenshot-power-receive-screens.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
source scripts/xvfb-vantrel.sh
screenshot_folder screenshot-power-receive-screens "$root/${1:-build}/bin"
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs/screens" "$root/scripts/xvfb-vantrel.sh" <<'SCRIPT'
set -euo pipefail
work="$1"; shots="$2"; helpers="$3"
cd "$work"
source "$helpers"

# name, profile, menu x (Rx Align 72, Tx Align 132), item y, submenu item y or 0, screen width, height
shoot() {
  local name="$1" profile="$2" menu="$3" item="$4" sub="$5" width="$6" height="$7"
  start_read_vantrel "$profile"
  xdotool mousemove "$menu" 8 click 1
  sleep 0.5
  if [ "$sub" -eq 0 ]; then
    xdotool mousemove "$((menu + 60))" "$item" click 1
  else
    xdotool mousemove "$((menu + 60))" "$item"
    sleep 0.5
    xdotool mousemove "$((menu + 200))" "$item" mousemove "$((menu + 200))" "$sub" click 1
  fi
  xdotool mousemove 1200 700
  sleep 2.5
  import -window root -crop "$((width + 6))x$((height + 28))+0+59" +repage "$shots/$name.png"
  stop_vantrel
  rm -f com1
}
shoot k-and-m-tuning mobile-v2-centred-k 132 99 0 650 350
shoot battery-threshold mobile-v2 132 29 0 450 150
shoot dac mobile-a 132 77 0 700 210
shoot front-end-filter mobile-e2 72 29 0 700 350
shoot rated-volume-carrier-squelch portable-v1 72 53 53 700 300
shoot rated-volume-sollen portable-sollen 72 53 75 700 300
shoot rssi portable-v1 72 101 0 560 230
SCRIPT
echo "docs/screens/*.png written"
