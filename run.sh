#!/usr/bin/env bash
# Builds the launcher and starts it on the demo installation in build/demo.
# Extra arguments go to the launcher (FLTK's switches, e.g. -scheme gtk+).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh build

[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DPython3_EXECUTABLE=/usr/bin/python3
cmake --build build --target GameLauncher demo_game
python3 tools/make_demo.py --out build/demo --game build/tools/demo_game/demo_game

if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no X display (DISPLAY is not set); run it in a desktop session or as: xvfb-run ./run.sh" >&2
  exit 1
fi
cd build/demo
exec ../GameLauncher/GameLauncher "$@"
