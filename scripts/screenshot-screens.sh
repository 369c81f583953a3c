#!/usr/bin/env bash
# Takes docs/screens/*.png: each single-value transmit screen of Vantrel under Xvfb, opened from the
# Tx Align menu over the simulated portable after File > Read Radio Information and Softpots. Needs a
# build (scripts/test.sh or scripts/demo.sh) and xdotool and imagemagick.
#
#   scripts/screenshot-screens.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
bin="$root/${1:-build}/bin"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot-screens: $tool is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source scripts/xvfb-vantrel.sh
program_folder "$bin" "$work"
mkdir -p "$root/docs/screens"

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs/screens" "$root/scripts/xvfb-vantrel.sh" <<'SCRIPT'
set -euo pipefail
work="$1"; shots="$2"; helpers="$3"
cd "$work"
source "$helpers"
start_read_vantrel

# name, menu item y in Tx Align, submenu item y (VCO Attn.) or 0, frame height
shoot() {
  local name="$1" item="$2" sub="$3" height="$4"
  xdotool mousemove 132 8 click 1      # Tx Align
  sleep 0.5
  if [ "$sub" -eq 0 ]; then
    xdotool mousemove 200 "$item" click 1
  else
    xdotool mousemove 200 "$item"
    sleep 0.5
    xdotool mousemove 420 "$item" mousemove 420 "$sub" click 1
  fi
  xdotool mousemove 1200 700
  sleep 2.5
  import -window root -crop "700x${height}+0+59" +repage "$shots/$name.png"
  xdotool mousemove 684 69 click 1     # the frame's close button: dekey and reset
  sleep 2
}
shoot reference-oscillator-warp 123 0 299
shoot vco-attenuation-12-5khz 219 219 299
shoot vco-attenuation-20khz 219 241 349
shoot dtmf-deviation 243 0 299
shoot dalmor-signalling 265 0 299
shoot high-speed-trunking 289 0 299
shoot select-5 311 0 299
shoot mpt1327 333 0 299

stop_vantrel
SCRIPT
echo "docs/screens/*.png written"
