#!/usr/bin/env bash
# Vantrel on a simulated radio, from a fresh clone:
#
#   scripts/demo.sh [PROFILE]      PROFILE: a radio profile name (default portable-v1), see src/sim/profiles
#
# Installs what is missing, builds the desktop program, the command line and the simulated radio in
# build/, starts the simulated radio as COM 1 of the program folder (build/bin/com1 links to its
# pseudo-terminal), writes build/bin/com.ini for COM 1 when there is none, and opens Vantrel.
# Closing Vantrel stops the simulated radio. Without a display it says so and does the same job
# headless through vantrel-cli: read the radio, save the archive, write the report.
set -euo pipefail
cd "$(dirname "$0")/.."

profile="${1:-portable-v1}"

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target vantrel vantrel-cli vantrel-radio-sim

bin="$PWD/build/bin"
profile_file="$bin/profiles/$profile.json"
if [ ! -f "$profile_file" ]; then
  echo "demo: no radio profile named '$profile' in $bin/profiles" >&2
  exit 2
fi

if [ ! -f "$bin/com.ini" ]; then
  printf 'COM Port Id :1\n ' > "$bin/com.ini"
elif ! grep -q ':1' "$bin/com.ini"; then
  echo "demo: $bin/com.ini names another port than COM 1; the simulated radio is on COM 1" >&2
fi

"$bin/vantrel-radio-sim" --profile "$profile_file" --link "$bin/com1" >/dev/null &
sim=$!
stop_sim() { kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; }
trap stop_sim EXIT

# The radio is ready once its link is in place.
for _ in $(seq 50); do
  [ -L "$bin/com1" ] && break
  if ! kill -0 "$sim" 2>/dev/null; then
    echo "demo: the simulated radio did not start" >&2
    exit 1
  fi
  sleep 0.1
done
[ -L "$bin/com1" ] || { echo "demo: the simulated radio did not link com1" >&2; exit 1; }
echo "Simulated radio '$profile' on COM 1 ($bin/com1 -> $(readlink "$bin/com1"))"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening Vantrel: choose File > Read Radio Information and Softpots. Closing Vantrel stops the radio."
  "$bin/vantrel"
  exit 0
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): doing the same job headless with vantrel-cli."
out="$PWD/build/demo"
mkdir -p "$out"
(cd "$out" && "$bin/vantrel-cli" read -o radio.sfp && "$bin/vantrel-cli" report radio.sfp -o report.txt)
echo "Archive: $out/radio.sfp"
echo "Report:  $out/report.txt"
head -n 20 "$out/report.txt"
