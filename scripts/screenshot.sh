#!/usr/bin/env bash
# Takes docs/screenshot-main-window.png: Vantrel under Xvfb on the simulated radio, after File > Read
# Radio Information and Softpots. Needs a build (scripts/test.sh or scripts/demo.sh) and xdotool and
# imagemagick (apt-get install xdotool imagemagick).
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
source scripts/xvfb-vantrel.sh
program_folder "$bin" "$work"

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs/screenshot-main-window.png" "$root/scripts/xvfb-vantrel.sh" <<'SCRIPT'
set -euo pipefail
work="$1"; shot="$2"; helpers="$3"
cd "$work"
source "$helpers"
start_read_vantrel
xdotool mousemove 368 8 click 1        # Help
sleep 0.5
xdotool mousemove 440 29 click 1       # Portable Radio Setup
xdotool mousemove 1200 700
sleep 1
import -window root "$shot"
stop_vantrel
SCRIPT
echo "docs/screenshot-main-window.png written"
