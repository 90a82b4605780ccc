#!/usr/bin/env bash
# Runs the tests of a Windows cross build (cmake/mingw-w64-x86_64.cmake)
# under Wine: the unit and widget tests on a private Xvfb display, the GUI
# tests on displays of their own. One temporary Wine prefix serves them all;
# it is removed afterwards with its wineserver and the display.
#   tools/run-wine-tests.sh BUILD_DIR [CTEST ARGUMENTS...]
set -uo pipefail

build_dir=${1:?usage: tools/run-wine-tests.sh BUILD_DIR [CTEST ARGUMENTS...]}
shift

export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/launcher-wine.XXXXXX") || exit 1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# Wine takes the Windows code page from the locale: the C locale is US
# English, code page 1252, which the tests of names beyond ASCII expect.
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$WINEPREFIX" "$WINEPREFIX.display"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A private display. -noreset: by default Xvfb resets when its last client
# leaves, and a test connecting meanwhile is refused.
display_file="$WINEPREFIX.display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$display_file" \
  </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  # The number and its newline come in two writes.
  [ "$(wc -l <"$display_file" 2>/dev/null)" = 1 ] && break
  sleep 0.1
done
display_number=$(head -n 1 "$display_file")
rm -f "$display_file"
if [ -z "$display_number" ]; then
  echo "run-wine-tests: Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$display_number"

# Creating the prefix is Wine's slowest step; do it once, and keep one
# wineserver alive for all the test programs.
if ! timeout --kill-after=10 180 wineboot --init </dev/null >/dev/null 2>&1; then
  echo "run-wine-tests: could not create a Wine prefix" >&2
  exit 1
fi
wineserver -p

timeout --kill-after=10 "${WINE_TESTS_TIMEOUT:-1500}" \
  ctest --test-dir "$build_dir" --output-on-failure --timeout 120 -j "$(nproc)" "$@" </dev/null
