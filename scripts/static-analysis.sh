#!/usr/bin/env bash
# clang-tidy with the checks of .clang-tidy over the core (link, protocol, model, operations, files and
# the core folders added beside them), the command line (cli) and the simulated radio (sim), two
# files at a time; any finding fails.
#   scripts/static-analysis.sh [BUILD-FOLDER]     (default build/, configured by scripts/test.sh)
#   scripts/static-analysis.sh BUILD-FOLDER FILE...  only these files
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true

tidy="${CLANG_TIDY:-clang-tidy-14}"
command -v "$tidy" >/dev/null || tidy=clang-tidy
if [ ! -f "$build/compile_commands.json" ]; then
  echo "static-analysis: $build/compile_commands.json is missing; run scripts/test.sh first" >&2
  exit 2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  # Everything under src/ but the desktop program, its screens and the resources.
  mapfile -t files < <(git ls-files -- 'src/*.cpp' |
    grep -Ev '^src/(app|screens|resources)/' |
    if [ "$(uname -s)" = Linux ]; then grep -v '/Win32'; else grep -v '/Posix'; fi)
fi

start=$SECONDS
printf '%s\n' "${files[@]}" | xargs -P "${VANTREL_JOBS:-2}" -n 4 "$tidy" -p "$build" --quiet
echo "static-analysis: ${#files[@]} files clean in $((SECONDS - start)) s"
