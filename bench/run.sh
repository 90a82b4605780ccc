#!/usr/bin/env bash
# Runs the launcher's benchmarks and prints every figure against its target:
#   1. start-up: time to a drawn window and peak memory, against the baseline
#      window program, interleaved pairs on a private Xvfb; then the launcher
#      at the factor 2 (a 200 % desktop) against itself at 1;
#   2. file work: settings load, profile scan, profile load, launch settings
#      and join, at several sizes (Google Benchmark);
#   3. Start Game: from the press until the game's process runs, in-process.
# Not part of the test command. Builds in build-bench (Release).
#
# Usage: bench/run.sh [--pairs N] [--quick]
#   --pairs N  start-up pairs (default 100; at least 40 for the targets)
#   --quick    10 pairs, short benchmark times, no repetitions (a smoke run)
# The whole report is also written to build-bench/bench-report.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=100
min_time=0.5
repetitions=3
while [ $# -gt 0 ]; do
  case "$1" in
    --pairs) pairs="$2"; shift 2 ;;
    --quick) pairs=10; min_time=0.1; repetitions=1; shift ;;
    *) echo "usage: bench/run.sh [--pairs N] [--quick]" >&2; exit 2 ;;
  esac
done
scale_pairs=$(( pairs > 40 ? 40 : pairs ))

tools/install-deps.sh build bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLAUNCHER_BENCH=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target GameLauncher baseline_window startup_bench file_work_bench \
  start_game_bench game_stamp bench_selftest >/dev/null
bench=build-bench/bench
report=build-bench/bench-report.txt
"$bench/bench_selftest" --gtest_brief=1 >/dev/null || { echo "bench/run.sh: the benchmark's own checks failed" >&2; "$bench/bench_selftest" --gtest_brief=1; exit 1; }

# A private X server without a window manager, as the GUI tests use.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  # Xvfb writes the number and the newline separately: wait for the newline.
  [ "$(wc -l <"$display_file")" -ge 1 ] && break
  sleep 0.1
done
[ "$(wc -l <"$display_file")" -ge 1 ] || { echo "bench/run.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$display_file")"
export LC_ALL=C.UTF-8

benchmark_options=(--benchmark_min_time="$min_time" --benchmark_repetitions="$repetitions"
                   --benchmark_report_aggregates_only=true)
{
  echo "== Machine"
  echo "nproc: $(nproc); CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
  echo "kernel: $(uname -r); FLTK: $(dpkg-query -W -f='${Version}' libfltk1.3-dev 2>/dev/null || echo '?')"
  echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg); commit: $(git rev-parse --short HEAD 2>/dev/null || echo '?')"
  echo "temporary installations in: ${TMPDIR:-/tmp} ($(df -T "${TMPDIR:-/tmp}" | awk 'NR==2{print $2}'))"
  echo
  echo "== Start-up ($pairs pairs)"
  "$bench/startup_bench" --launcher build-bench/GameLauncher/GameLauncher \
    --baseline "$bench/baseline_window" --pairs "$pairs"
  echo
  echo "== Start-up at 200 % ($scale_pairs pairs)"
  "$bench/startup_bench" --launcher build-bench/GameLauncher/GameLauncher --scale 2 \
    --pairs "$scale_pairs"
  echo
  echo "== File work"
  "$bench/file_work_bench" "${benchmark_options[@]}"
  echo
  echo "== Start Game"
  "$bench/start_game_bench" "${benchmark_options[@]}"
  if [ -d /dev/shm ]; then
    echo
    echo "== Start Game with the installation on a memory file system (where the time goes)"
    TMPDIR=/dev/shm "$bench/start_game_bench" "${benchmark_options[@]}" | sed 's/^target /check  /'
  fi
  echo
  echo "== Summary"
  echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
} 2>&1 | tee "$report"

targets=$(grep -c '^target ' "$report" || true)
missed=$(grep -E '^target .*(MISSED|not measured)$' "$report" || true)
if [ -n "$missed" ]; then
  echo "$(echo "$missed" | wc -l) of $targets targets missed or not measured:"
  echo "$missed"
else
  echo "all $targets targets met"
fi
