#!/usr/bin/env bash
# CTest's emulator for the Windows builds: runs one program under the Wine
# of its architecture and passes its exit code through.
#   scripts/wine-test.sh program.exe [arguments...]
#   scripts/wine-test.sh --own-display program.exe [arguments...]
# The second form is for programs that create windows: they get a private
# Xvfb display and a prefix of their own (per architecture, like the
# other), whose wineserver ends with the run so that it never outlives its
# display.
set -uo pipefail

own_display=false
if [ "${1:-}" = "--own-display" ]; then
    own_display=true
    shift
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
worvane_select_wine "$1" || exit 1
if $own_display; then
    export WINEPREFIX="$WINEPREFIX-display"
fi

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
worvane_wine "$@"
