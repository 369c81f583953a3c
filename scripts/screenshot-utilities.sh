#!/usr/bin/env bash
# Takes the pictures of the three utility windows in docs/: Vantrel under Xvfb on the simulated
# codeplug radio (with the sample bbo.cfg), after File > Read Radio Information and Softpots.
# Needs what scripts/screenshot.sh needs.
#
#   scripts/screenshot-utilities.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
source scripts/xvfb-vantrel.sh
screenshot_folder screenshot-utilities "$root/${1:-build}/bin"
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root" <<'SCRIPT'
set -euo pipefail
work="$1"; root="$2"
source "$root/scripts/xvfb-vantrel.sh"
cd "$work"
start_vantrel mobile-bbo-codeplug-prefixed
read_radio
utility() {                            # Utilities menu, then the item at this height
  xdotool mousemove 255 8 click 1; sleep 0.5; xdotool mousemove 320 "$1" click 1; sleep 1.5
}
shoot() { xdotool mousemove 1200 700; sleep 0.5; import -window root -crop "$1" "$root/docs/$2"; }

utility 29                             # Program Serial No.
shoot 480x260+0+0 screenshot-serial-number.png
xdotool mousemove 445 69 click 1       # the frame's close box
sleep 0.5
utility 75                             # Temp Comp Data Read
shoot 480x260+0+0 screenshot-temp-comp.png
xdotool mousemove 221 176 click 1      # Close
sleep 0.5
utility 51                             # Baseband Offset Update
xdotool mousemove 453 173 click 1      # the list of Tone Squelch Range 1 ...
sleep 0.7
xdotool mousemove 446 415 click 1      # ... 1500 Hz
shoot 640x540+0+0 screenshot-baseband-offset.png
stop_vantrel
SCRIPT
echo "docs/screenshot-serial-number.png, screenshot-temp-comp.png, screenshot-baseband-offset.png written"
