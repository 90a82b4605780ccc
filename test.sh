#!/usr/bin/env bash
# Builds and runs every test: the normal build, the AddressSanitizer +
# UndefinedBehaviorSanitizer build and the Windows build under Wine. GUI
# tests start their own Xvfb.
# Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test || exit 1

failed=()

# configure DIR [cmake args]: configures DIR once; later runs only rebuild.
configure() {
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -G Ninja -DPython3_EXECUTABLE=/usr/bin/python3 "$@"
}

# run_suite NAME DIR [cmake args]: configure, build and test one build.
run_suite() {
  local name=$1 dir=$2
  shift 2
  echo "=== $name ($dir) ==="
  if ! configure "$dir" "$@" || ! cmake --build "$dir"; then
    failed+=("$name: build")
    return
  fi
  # A display for the unit tests that touch the toolkit; the GUI tests
  # start displays of their own. -noreset: by default Xvfb resets when its
  # last client leaves, and a test connecting meanwhile is refused.
  if ! xvfb-run -a -s "-screen 0 1366x768x24 -noreset" \
      ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" </dev/null; then
    failed+=("$name: tests")
  fi
}

run_suite normal build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite sanitizers build-asan -DCMAKE_BUILD_TYPE=Debug -DLAUNCHER_SANITIZE=ON

# The Windows build: GameLauncher.exe, the demo game and the tests,
# cross-compiled with mingw-w64 against FLTK built from source (the local
# copy beside the project when there is one, else fetched); everything runs
# under Wine in a temporary prefix with displays of its own
# (tools/run-wine-tests.sh).
echo "=== windows (build-win) ==="
fltk_source=()
if [ -d ../shared/third_party/fltk-1.3.8 ]; then
  fltk_source=(-DLAUNCHER_FLTK_SOURCE_DIR="$(cd ../shared/third_party/fltk-1.3.8 && pwd)")
fi
if ! configure build-win -DCMAKE_BUILD_TYPE=RelWithDebInfo \
       -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake "${fltk_source[@]}" ||
   ! cmake --build build-win; then
  failed+=("windows: build")
else
  tools/run-wine-tests.sh build-win || failed+=("windows: tests")
  # The package for whoever ships the game: the program and its notices.
  listing=$(cmake --build build-win --target package >/dev/null &&
    python3 -c 'import sys, zipfile; print(*sorted(zipfile.ZipFile(sys.argv[1]).namelist()))' \
      build-win/GameLauncher-1.0.0-win64.zip)
  [ "$listing" = "GameLauncher.exe third_party_notices.txt" ] || failed+=("windows: package")
fi

if [ ${#failed[@]} -ne 0 ]; then
  printf 'FAILED: %s\n' "${failed[@]}"
  exit 1
fi
echo "All test suites passed."
