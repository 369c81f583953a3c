#!/usr/bin/env bash
# Takes docs/screens/*.png of the per-point transmit, automatic tuning and PA bias screens of Vantrel
# under Xvfb, each opened from its menu over a simulated radio after File > Read Radio Information and
# Softpots. Needs a build (scripts/test.sh or scripts/demo.sh) and xdotool and imagemagick.
#
#   scripts/screenshot-point-screens.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
source scripts/xvfb-vantrel.sh
screenshot_folder screenshot-point-screens "$root/${1:-build}/bin"
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs/screens" "$root/scripts/xvfb-vantrel.sh" <<'SCRIPT'
set -euo pipefail
work="$1"; shots="$2"; helpers="$3"
cd "$work"
source "$helpers"

# menu MENU ITEM_Y [SUB_Y]: chooses an item of the Rx Align or Tx Align menu, or of its submenu.
menu() {
  local x=132 item=200 sub=420
  if [ "$1" = rx ]; then x=70 item=100 sub=300; fi
  xdotool mousemove "$x" 8 click 1
  sleep 0.5
  if [ $# -eq 2 ]; then
    xdotool mousemove "$item" "$2" click 1
  else
    xdotool mousemove "$item" "$2"
    sleep 0.5
    xdotool mousemove "$sub" "$2" mousemove "$sub" "$3" click 1
  fi
  xdotool mousemove 1200 700
}
# answer CAPTION KEY: presses a key in the message box of that caption.
answer() {
  local box
  box="$(xdotool search --sync --onlyvisible --name "^$1\$")"
  sleep 0.3
  xdotool windowfocus --sync "$box" key "$2"
  sleep 0.5
}
# snap NAME WIDTH HEIGHT: the open screen's frame, title bar included.
snap() {
  sleep 2
  import -window root -crop "$2x$(($3 + 26))+0+59" +repage "$shots/$1.png"
}
# shot NAME WIDTH HEIGHT: snap, then the frame closed (dekey and reset).
shot() {
  snap "$@"
  xdotool mousemove "$(($2 - 16))" 69 click 1
  sleep 2
}
# click X Y: inside the open screen, in its own pixels.
click() { xdotool mousemove "$1" "$(($2 + 85))" click 1; }

start_read_vantrel portable-v1
menu tx 195 195; shot transmit-high-power 700 350
menu tx 171; shot modulation-balance 700 350
menu tx 219 263; shot vco-attenuation-25khz 700 350
menu rx 77 77
sleep 2
click 675 100                                  # Auto Tune of F3
sleep 2
shot squelch-attenuation-12-5khz 750 350
menu tx 53 53; answer WARNING Return; answer WARNING Escape; answer NOTE Return
shot pa-bias-high-power 450 450
menu tx 53 75; answer WARNING Return; answer WARNING Escape; answer NOTE Return
shot pa-bias-low-power 450 450
stop_vantrel

start_read_vantrel mobile-v2-pa-limit-zero
menu tx 147
sleep 2
click 70 255                                   # Auto Tune
answer WARNING Return
sleep 3
answer ERROR Return
shot pa-voltage-limit 400 350
stop_vantrel

start_read_vantrel mobile-e3
menu tx 53 97; shot pa-bias-rx-mode 450 450
stop_vantrel

# Yes to the current question: the default screen, and the help about it.
start_read_vantrel portable-v1
menu tx 53 53; answer WARNING Return; answer WARNING Return
snap pa-bias-default-high-power 450 450
stop_vantrel
SCRIPT
echo "docs/screens/*.png written"
