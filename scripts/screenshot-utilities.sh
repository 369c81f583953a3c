#!/usr/bin/env bash
# Takes the pictures of the three utility windows in docs/: Vantrel under Xvfb on the simulated
# codeplug radio (with the sample bbo.cfg), after File > Read Radio Information and Softpots.
# Needs a build and xdotool and imagemagick, like scripts/screenshot.sh.
#
#   scripts/screenshot-utilities.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
bin="$root/${1:-build}/bin"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$bin/vantrel" "$bin/vantrel-radio-sim" "$bin/profiles" "$bin/help" "$bin"/*.bmp "$bin/bbo.cfg" "$work/"
printf 'COM Port Id :1\n ' > "$work/com.ini"

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs" <<'SCRIPT'
set -euo pipefail
work="$1"; docs="$2"
cd "$work"
./vantrel-radio-sim --profile profiles/mobile-bbo-codeplug-prefixed.json --link com1 >/dev/null &
sim=$!
for _ in $(seq 50); do [ -L com1 ] && break; sleep 0.1; done
./vantrel &
app=$!
window="$(xdotool search --sync --onlyvisible --name '^Vantrel')"
# No window manager under Xvfb: the window is placed by hand and driven with the mouse.
xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
sleep 1
xdotool mousemove 95 38 click 1        # toolbar: Read Radio Information and Softpots
note="$(xdotool search --sync --onlyvisible --name '^NOTE$')"
sleep 0.5
xdotool windowfocus --sync "$note" key Return
sleep 0.5
utility() {                            # Utilities menu, then the item at this height
  xdotool mousemove 255 8 click 1; sleep 0.5; xdotool mousemove 320 "$1" click 1; sleep 1.5
}
shoot() { xdotool mousemove 1200 700; sleep 0.5; import -window root -crop "$1" "$docs/$2"; }

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
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
kill "$sim" 2>/dev/null || true
wait "$sim" 2>/dev/null || true
SCRIPT
echo "docs/screenshot-serial-number.png, screenshot-temp-comp.png, screenshot-baseband-offset.png written"
