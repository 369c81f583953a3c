#!/usr/bin/env bash
# The Windows build, run under Wine with no display:
#   1. cross-compiles the core, the test suite and vantrel-cli for 64-bit Windows with MinGW-w64;
#   2. runs the test suite under Wine, with COM5 of Wine wired to a simulated radio on a native
#      pseudo-terminal so the Win32 serial port is exercised on a real line, and compares the
#      counts with the native run of the same suite;
#   3. reads a simulated radio with the Windows vantrel-cli through COM6 of Wine and checks that
#      the archive is byte for byte the one the native vantrel-cli reads with the same key.
#
#   scripts/test-windows.sh
#
# Folders: the native build in build/ (VANTREL_NATIVE_BUILD), the cross build in build-mingw/
# (VANTREL_WINDOWS_BUILD), with a Wine prefix of its own inside it. Installs what it needs through
# scripts/setup.sh --windows.
set -euo pipefail
cd "$(dirname "$0")/.."

native_build="${VANTREL_NATIVE_BUILD:-build}"
windows_build="${VANTREL_WINDOWS_BUILD:-build-mingw}"
profile_name="mobile-a.json"
archive_key=4321

phase_start=$SECONDS
phase() {
  echo "== $1: $((SECONDS - phase_start)) s"
  phase_start=$SECONDS
}

scripts/setup.sh --windows
phase "set-up"

cmake -S . -B "$native_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$native_build"
phase "native build"

# Optimised as the native build is, but without debug information, which costs a third of the
# compile time here and serves no one in a check.
cmake -S . -B "$windows_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DVANTREL_BENCH=OFF >/dev/null
cmake --build "$windows_build"
phase "windows build"

native_bin="$(cd "$native_build/bin" && pwd)"
windows_bin="$(cd "$windows_build/bin" && pwd)"
work="$(cd "$windows_build" && pwd)/wine-run"
rm -rf "$work"
mkdir -p "$work"

# A private, headless Wine: its own prefix, no display, no Mono or Gecko installers, no debug noise.
export WINEPREFIX
WINEPREFIX="$(cd "$windows_build" && pwd)/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX"

radios=()
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  for pid in "${radios[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
trap cleanup EXIT

# One server for every Wine process of the run, talking to a log rather than to the terminal (a
# server already running for this prefix serves as it is).
wineserver -p >"$work/wineserver.log" 2>&1 || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 300 wineboot --init >"$work/wineboot.log" 2>&1
fi
phase "wine prefix"

# Starts a fresh simulated radio whose pseudo-terminal the link at $1 points to.
start_radio() {
  local link="$1"
  "$native_bin/vantrel-radio-sim" --profile "$native_bin/profiles/$profile_name" --link "$link" \
    >"$work/radio-$(basename "$link").log" 2>&1 &
  radios+=($!)
  for _ in $(seq 100); do
    [ -L "$link" ] && return 0
    sleep 0.05
  done
  echo "test-windows: the simulated radio did not come up at $link" >&2
  return 1
}

# "Suite.Test" for every test a suite binary lists (standard input: its --gtest_list_tests).
test_names() {
  tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  [^ ]/ { print suite $1 }' | sort
}

# The count on a summary line of GoogleTest ("[  PASSED  ] 12 tests."), 0 when there is none.
summary_count() {
  local count
  count="$(tr -d '\r' <"$2" | sed -n "s/^\[  $1 *\] \([0-9]*\) test.*/\1/p" | head -n1)"
  echo "${count:-0}"
}

serial="$(sed -n 's/.*"serialNumber": *"\([^"]*\)".*/\1/p' "$native_bin/profiles/$profile_name" | head -n1)"
if [ -z "$serial" ]; then
  echo "test-windows: no serial number in the profile $profile_name" >&2
  exit 1
fi

start_radio "$WINEPREFIX/dosdevices/com5"
"$native_bin/vantrel-tests" --gtest_brief=1 >"$work/native-tests.log" 2>&1 || true
windows_status=0
VANTREL_TEST_COM_PORT=5 VANTREL_TEST_COM_SERIAL="$serial" \
  timeout 600 wine "$windows_bin/vantrel-tests.exe" --gtest_brief=1 >"$work/windows-tests.log" 2>&1 || windows_status=$?
phase "test suites"

"$native_bin/vantrel-tests" --gtest_list_tests | test_names >"$work/native-tests.txt"
timeout 120 wine "$windows_bin/vantrel-tests.exe" --gtest_list_tests | test_names >"$work/windows-tests.txt"

native_passed="$(summary_count PASSED "$work/native-tests.log")"
native_failed="$(summary_count FAILED "$work/native-tests.log")"
windows_passed="$(summary_count PASSED "$work/windows-tests.log")"
windows_failed="$(summary_count FAILED "$work/windows-tests.log")"
windows_skipped="$(summary_count SKIPPED "$work/windows-tests.log")"
echo "native:  $native_passed passed, $native_failed failed ($(wc -l <"$work/native-tests.txt") tests)"
echo "wine:    $windows_passed passed, $windows_failed failed, $windows_skipped skipped ($(wc -l <"$work/windows-tests.txt") tests)"
# Which suites the two builds do not share, and how many tests of each: the POSIX port and the
# pseudo-terminal transport are built on POSIX only, the Win32 port on Windows only.
only_in() {
  comm "$1" "$work/native-tests.txt" "$work/windows-tests.txt" | sed 's/\..*//' | uniq -c |
    awk -v where="$2" '{ printf "  only %s: %s (%d)\n", where, $2, $1 }'
}
only_in -23 native
only_in -13 "on Windows"

if [ "$windows_status" -ne 0 ] || [ "$windows_failed" -ne 0 ] || [ "$windows_skipped" -ne 0 ] ||
   [ "$windows_passed" -eq 0 ]; then
  echo "test-windows: the test suite under Wine did not pass cleanly (exit $windows_status):" >&2
  tr -d '\r' <"$work/windows-tests.log" | tail -n 40 >&2
  exit 1
fi

cli_result="not built"
if [ -f "$windows_bin/vantrel-cli.exe" ] && [ -x "$native_bin/vantrel-cli" ]; then
  start_radio "$WINEPREFIX/dosdevices/com6"
  (cd "$work" && timeout 300 wine "$windows_bin/vantrel-cli.exe" read -o windows.sfp --key "$archive_key" --port 6) \
    >"$work/windows-cli.log" 2>&1 || { tr -d '\r' <"$work/windows-cli.log" >&2; exit 1; }
  start_radio "$work/native-com"
  (cd "$work" && timeout 300 "$native_bin/vantrel-cli" read -o native.sfp --key "$archive_key" --device "$work/native-com") \
    >"$work/native-cli.log" 2>&1 || { cat "$work/native-cli.log" >&2; exit 1; }
  if ! cmp "$work/native.sfp" "$work/windows.sfp"; then
    echo "test-windows: the archive read on Windows differs from the native one" >&2
    exit 1
  fi
  cli_result="archives identical ($(wc -c <"$work/windows.sfp") bytes, key $archive_key)"
fi
phase "vantrel-cli read"
echo "vantrel-cli.exe read through COM6 of Wine: $cli_result"

echo "windows: $windows_passed passed, $windows_failed failed"
