#!/usr/bin/env bash
# Sets up, builds (compiler warnings are errors) and runs the whole test suite.
#   scripts/test.sh              the normal build, in build/
#   scripts/test.sh --sanitize   the address + undefined-behaviour build, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."

"scripts/setup.sh"

build=build
options=(-DVANTREL_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  # GCC 12 reports false uninitialised-use warnings inside the standard library's regex once the
  # sanitizers instrument it; the normal build keeps warnings as errors for our own code.
  build=build-sanitize
  options=(-DVANTREL_WERROR=OFF -DVANTREL_SANITIZE=ON -DVANTREL_BENCH=OFF)
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
