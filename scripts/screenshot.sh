#!/usr/bin/env bash
# Takes docs/screenshot-main-window.png: Vantrel under Xvfb on the simulated radio, after File > Read
# Radio Information and Softpots; and, on the way, docs/screenshot-print-preview.png: Print/Printout
# Preview showing two pages of the report. Needs a build (scripts/test.sh or scripts/demo.sh) and
# xdotool and imagemagick (apt-get install xdotool imagemagick).
#
#   scripts/screenshot.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
source scripts/xvfb-vantrel.sh
screenshot_folder screenshot "$root/${1:-build}/bin"
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root" <<'SCRIPT'
set -euo pipefail
work="$1"; root="$2"
source "$root/scripts/xvfb-vantrel.sh"
cd "$work"
start_vantrel portable-v1
read_radio
click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-0.5}"; }
click 176 38 1.5                       # toolbar: Print/Printout Preview
xdotool search --sync --onlyvisible --name 'Preview Window' >/dev/null
click 252 15 1                         # preview toolbar: Two pages
xdotool mousemove 1270 790
sleep 0.5
import -window root "$root/docs/screenshot-print-preview.png"
click 500 15 1                         # preview toolbar: Close
xdotool mousemove 368 8 click 1        # Help
sleep 0.5
xdotool mousemove 440 29 click 1       # Portable Radio Setup
xdotool mousemove 1200 700
sleep 1
import -window root "$root/docs/screenshot-main-window.png"
stop_vantrel
SCRIPT
echo "docs/screenshot-main-window.png and docs/screenshot-print-preview.png written"
