#!/usr/bin/env bash
# Takes the README's screenshot: builds the launcher and the demo game if
# needed, lays out a demo installation in a temporary directory, starts the
# launcher there on a private Xvfb screen and writes the window, cropped, to
# docs/screenshot.png (or the path given); --scale F shows it at the factor F
# (through GAMELAUNCHER_SCALE), as on a desktop scaled to F x 100 %.
# Usage: tools/screenshot.sh [--scale F] [OUTPUT.png]     (BUILD_DIR=... picks the build)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --scale ]; then
  export GAMELAUNCHER_SCALE=${2:?--scale needs a factor}
  shift 2
fi
output=${1:-docs/screenshot.png}
build=${BUILD_DIR:-build}
title_pattern='^Tarvelline \(v1\.0 Sept09\)$'

for tool in Xvfb xdotool xwininfo import; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing (tools/install-deps.sh test)" >&2; exit 1; }
done

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DPython3_EXECUTABLE=/usr/bin/python3
cmake --build "$build" --target GameLauncher demo_game

work=$(mktemp -d)
xvfb_pid=""
launcher_pid=""
cleanup() {
  [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

python3 tools/make_demo.py --out "$work/demo" --game "$build/tools/demo_game/demo_game"

# Xvfb picks a free display and writes its number to the file.
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ "$(wc -l <"$work/display")" -ge 1 ] && break  # the number is complete with its newline
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"

launcher=$(realpath "$build/GameLauncher/GameLauncher")
(cd "$work/demo" && exec "$launcher" >/dev/null 2>&1) &
launcher_pid=$!

window=$(timeout 15 xdotool search --sync --onlyvisible --name "$title_pattern" | head -n1)
sleep 0.5  # let the first expose be drawn
geometry=$(xwininfo -id "$window")
value() { echo "$geometry" | sed -n "s/.*$1: *\(-\{0,1\}[0-9]*\).*/\1/p"; }
crop="$(value Width)x$(value Height)+$(value 'Absolute upper-left X')+$(value 'Absolute upper-left Y')"

mkdir -p "$(dirname "$output")"
# No time stamps in the file, so an unchanged window gives an unchanged PNG.
import -window root -depth 8 -crop "$crop" +repage -define png:exclude-chunks=date,time "$output"
echo "screenshot.sh: wrote $output ($crop)"
