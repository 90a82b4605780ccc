#!/usr/bin/env bash
# Runs one Windows program under Wine, quietly and without interaction, and
# exits with the program's status. The cross build's CTest runs every test
# program through this script. Uses the WINEPREFIX and the DISPLAY of the
# caller (tools/run-wine-tests.sh makes a temporary prefix and a private
# display); without a display, windows stay unseen.
#   tools/wine-exec.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail

export WINEDEBUG=-all
# No .NET or Gecko installer prompts; no debugger, which would otherwise
# catch a crash and let the program end with status 0.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# Wine writes CR LF line ends; CTest and its test discovery want LF.
timeout --kill-after=10 "${WINE_EXEC_TIMEOUT:-300}" wine "$@" </dev/null 2> >(tr -d '\r' >&2) | tr -d '\r'
status=${PIPESTATUS[0]}
wait
exit "$status"
