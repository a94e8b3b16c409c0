#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one program under Wine and
# passes its exit code through.
#   scripts/wine-test.sh program.exe [arguments...]
#   scripts/wine-test.sh --own-display program.exe [arguments...]
# The second form is for programs that create windows: they get a private
# Xvfb display and a prefix of their own, whose wineserver ends with the run
# so that it never outlives its display.
set -uo pipefail

own_display=false
if [ "${1:-}" = "--own-display" ]; then
    own_display=true
    shift
    export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/worvane/wine}-display"
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

worvane_prepare_wine_prefix
if $own_display; then
    worvane_start_display || exit 1
    trap 'wineserver -k 2>/dev/null; worvane_stop_display' EXIT
else
    # Windows that a console test might open have nowhere to go.
    unset DISPLAY
fi
# A server that Wine starts on its own would inherit the test's output pipes
# and keep CTest waiting; this one lingers a few seconds between tests.
worvane_start_wineserver 5
wine "$@"
