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
bin="$root/${1:-build}/bin"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A program folder of its own, so the backups and com.ini of this run go nowhere else.
cp -r "$bin/vantrel" "$bin/vantrel-radio-sim" "$bin/profiles" "$bin/help" "$bin"/*.bmp "$work/"
printf 'COM Port Id :1\n ' > "$work/com.ini"

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs" <<'SCRIPT'
set -euo pipefail
work="$1"; docs="$2"
click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-0.5}"; }
cd "$work"
./vantrel-radio-sim --profile profiles/portable-v1.json --link com1 >/dev/null &
sim=$!
for _ in $(seq 50); do [ -L com1 ] && break; sleep 0.1; done
./vantrel &
app=$!
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
click 176 38 1.5                       # toolbar: Print/Printout Preview
xdotool search --sync --onlyvisible --name 'Preview Window' >/dev/null
click 252 15 1                         # preview toolbar: Two pages
xdotool mousemove 1270 790
sleep 0.5
import -window root "$docs/screenshot-print-preview.png"
click 500 15 1                         # preview toolbar: Close
xdotool mousemove 368 8 click 1        # Help
sleep 0.5
xdotool mousemove 440 29 click 1       # Portable Radio Setup
xdotool mousemove 1200 700
sleep 1
import -window root "$docs/screenshot-main-window.png"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
kill "$sim" 2>/dev/null || true
wait "$sim" 2>/dev/null || true
SCRIPT
echo "docs/screenshot-main-window.png and docs/screenshot-print-preview.png written"
