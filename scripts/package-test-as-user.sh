#!/bin/sh
# Run by scripts/test-package.sh inside the fresh root, as the unprivileged user "tech" with an
# empty environment: the installed programs against the simulated radio.
set -eu
config=$HOME/.config/vantrel
data=$HOME/.local/share/vantrel

fail() {
  echo "test-package: $*" >&2
  exit 1
}

vantrel-cli --version | grep -q '^vantrel-cli ' || fail "vantrel-cli --version"
vantrel --version | grep -q '^vantrel ' || fail "vantrel --version"
# Both programs tell where they keep their files.
for program in vantrel vantrel-cli; do
  $program --help >"$HOME/help.txt"
  grep -q "$config\$" "$HOME/help.txt" || fail "$program --help does not name $config"
  grep -q "$data\$" "$HOME/help.txt" || fail "$program --help does not name $data"
  grep -q "/usr/share/vantrel\$" "$HOME/help.txt" || fail "$program --help does not name /usr/share/vantrel"
done

# Serves a shipped profile as COM 1 of the per-user configuration until read_radio is done.
serve() {
  : >"$HOME/sim.out"
  vantrel-radio-sim --profile /usr/share/vantrel/profiles/portable-b.json --link "$config/com1" >"$HOME/sim.out" &
  sim=$!
  tries=0
  until grep -q '^ready:' "$HOME/sim.out"; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "the simulated radio did not start"
    sleep 0.1
  done
}
stop() {
  kill "$sim"
  wait "$sim"
}

mkdir -p "$config"
printf 'COM Port Id :1\n ' >"$config/com.ini"
cd "$HOME"
serve
vantrel-cli read -q -o radio.sfp || fail "vantrel-cli read"
stop
[ -s radio.sfp ] || fail "no archive"
[ "$(ls "$data/backups" | wc -l)" -eq 1 ] || fail "no backup in $data/backups"
[ ! -e "$config/com1" ] || fail "the simulated radio left its link"

# The base folders follow the environment.
export XDG_DATA_HOME=$HOME/elsewhere
serve
vantrel-cli read -q -o again.sfp || fail "vantrel-cli read with XDG_DATA_HOME"
stop
[ "$(ls "$XDG_DATA_HOME/vantrel/backups" | wc -l)" -eq 1 ] || fail "no backup under XDG_DATA_HOME"
echo "test-package: as $(id -un): com.ini and com1 in $config, backups in $data and $XDG_DATA_HOME/vantrel"
