#!/usr/bin/env bash
# A before-and-after service report of a real round trip over the simulated radio:
#
#   scripts/service-report.sh [PROFILE]    PROFILE: a radio profile name (default mobile-v2)
#
# Reads the simulated radio (before.sfp), makes a changed archive of the same radio by reading a
# copy of its profile with some softpots retuned, programs that archive into the radio with
# Program All, reads the radio again (after.sfp), compares the two and writes the service report
# to build/service-report/service-report.pdf. (The picture of a report in docs/ is made by
# vantrel-screenshots.)
# Expects a built tree (scripts/test.sh or cmake --build build).
set -euo pipefail
cd "$(dirname "$0")/.."

profile="${1:-mobile-v2}"
bin="$PWD/build/bin"
out="$PWD/build/service-report"
rm -rf "$out"
mkdir -p "$out"

sim=""
start_radio() {
  "$bin/vantrel-radio-sim" --profile "$1" --link "$out/com" > "$out/sim.out" &
  sim=$!
  until grep -q '^ready: ' "$out/sim.out"; do
    kill -0 "$sim" || { echo "service-report: the simulated radio did not start" >&2; exit 1; }
    sleep 0.1
  done
}
stop_radio() {
  [ -n "$sim" ] || return 0
  kill "$sim" 2>/dev/null || true
  wait "$sim" 2>/dev/null || true
  sim=""
}
trap stop_radio EXIT

# The retuned copy: same identity and plan, a few softpots moved as a technician would move them.
python3 - "$bin/profiles/$profile.json" "$out/retuned.json" <<'PY'
import json, sys
profile = json.load(open(sys.argv[1]))
def shift(values, by):
    return [(int(v, 0) if isinstance(v, str) else v) + by(i) for i, v in enumerate(values)]
for softpot in profile["softpots"]:
    name = softpot["name"]
    if name == "K and M":
        softpot["values"] = shift(softpot["values"], lambda i: 0x100 * (i % 3) + (2 if i == 4 else 0))
    elif name == "modulation balance":
        softpot["values"] = shift(softpot["values"], lambda i: 4 if i == 3 else 0)
    elif name == "front end filter":
        softpot["values"] = shift(softpot["values"], lambda i: -3 if i in (1, 5) else 0)
    elif name == "reference oscillator warp":
        softpot["values"] = shift(softpot["values"], lambda i: 7)
    elif name == "DTMF deviation":
        softpot["values"] = shift(softpot["values"], lambda i: -2)
json.dump(profile, open(sys.argv[2], "w"), indent=1)
PY

cli() { "$bin/vantrel-cli" "$@" --device "$out/com" -q; }

start_radio "$out/retuned.json"
cli read -o "$out/retuned.sfp"
stop_radio

start_radio "$bin/profiles/$profile.json"
cli read -o "$out/before.sfp"
cli program "$out/retuned.sfp"
cli read -o "$out/after.sfp"
stop_radio

set +e
(cd "$out" && "$bin/vantrel-cli" compare before.sfp after.sfp -q | tee compare.txt)
status=$?
set -e
echo "compare: exit status $status (1: the archives differ)"
(cd "$out" && "$bin/vantrel-cli" service-report before.sfp after.sfp -o service-report.pdf -q)
echo "Service report: $out/service-report.pdf"
