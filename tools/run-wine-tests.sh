#!/usr/bin/env bash
# Runs the unit tests of a Windows cross build (cmake/mingw-w64-x86_64.cmake)
# under Wine in a temporary Wine prefix, which is removed afterwards with its
# wineserver.
#   tools/run-wine-tests.sh BUILD_DIR [CTEST ARGUMENTS...]
set -uo pipefail

build_dir=${1:?usage: tools/run-wine-tests.sh BUILD_DIR [CTEST ARGUMENTS...]}
shift

export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/launcher-wine.XXXXXX") || exit 1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
unset DISPLAY WAYLAND_DISPLAY

cleanup() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Creating the prefix is Wine's slowest step; do it once, and keep one
# wineserver alive for all the test programs.
if ! timeout --kill-after=10 180 wineboot --init </dev/null >/dev/null 2>&1; then
  echo "run-wine-tests: could not create a Wine prefix" >&2
  exit 1
fi
wineserver -p

timeout --kill-after=10 "${WINE_TESTS_TIMEOUT:-600}" \
  ctest --test-dir "$build_dir" --output-on-failure --timeout 120 -j "$(nproc)" "$@" </dev/null
