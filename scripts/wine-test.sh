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

readonly display_wait_tenths=100

start_own_display() {
    number_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'wineserver -k 2>/dev/null; kill "$xvfb_pid" 2>/dev/null; rm -f "$number_file"' EXIT
    local waited=0
    until [ -s "$number_file" ]; do
        if ((waited >= display_wait_tenths)) || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "wine-test: Xvfb did not start" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    export DISPLAY=":$(tr -d '\n' <"$number_file")"
}

worvane_prepare_wine_prefix
if $own_display; then
    start_own_display
else
    # Windows that a console test might open have nowhere to go.
    unset DISPLAY
fi
# A server that Wine starts on its own would inherit the test's output pipes
# and keep CTest waiting; this one lingers a few seconds between tests.
worvane_start_wineserver 5
wine "$@"
