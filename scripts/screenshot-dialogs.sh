#!/usr/bin/env bash
# Takes the dialog pictures of docs/: the port dialog at the first start (no com.ini yet) and from
# Options > Communication Settings, and Help > About. Vantrel runs under Xvfb, driven with the
# mouse (there is no window manager, so the dialogs show without their caption bar). Needs a build
# and xdotool and imagemagick (apt-get install xdotool imagemagick).
#
#   scripts/screenshot-dialogs.sh [BUILD_FOLDER]      default: build
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
bin="$root/${1:-build}/bin"
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot-dialogs: $tool is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A program folder of its own without com.ini, so Vantrel starts as on a new machine.
cp -r "$bin/vantrel" "$bin/help" "$bin"/*.bmp "$work/"

xvfb-run -a -s "-screen 0 1280x800x24" bash -s "$work" "$root/docs" <<'SCRIPT'
set -euo pipefail
work="$1"; docs="$2"
cd "$work"
click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-0.5}"; }
# Takes the window named $1 as the picture $2.
shoot() {
  local window
  window="$(xdotool search --sync --onlyvisible --name "$1" | tail -1)"
  xdotool windowraise "$window"
  sleep 0.5
  import -window "$window" "$docs/$2"
  eval "$(xdotool getwindowgeometry --shell "$window")"
}
./vantrel &
app=$!
shoot '^User COM Port Selection$' screenshot-port-dialog-first-start.png
click $((X + 30)) $((Y + 35))                 # COM 1
click $((X + 152)) $((Y + 181)) 1.5           # Apply
window="$(xdotool search --sync --onlyvisible --name '^Vantrel')"
xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
sleep 1
click 195 8                                   # Options
click 240 30 1                                # Communication Settings
shoot '^User COM Port Selection$' screenshot-port-dialog-options.png
click $((X + 239)) $((Y + 181))               # Cancel
click 368 8                                   # Help
click 400 97 1                                # About...
shoot '^About Vantrel$' screenshot-about.png
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
SCRIPT
echo "docs/screenshot-port-dialog-first-start.png, docs/screenshot-port-dialog-options.png and docs/screenshot-about.png written"
