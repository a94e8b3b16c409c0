#!/usr/bin/env bash
# Installs what is missing, builds, and starts the worksheet: the window
# (QuorinUI.exe under Wine: the 32-bit release, or its 64-bit twin where the
# kernel runs no 32-bit programs) on the user's display, or, without a
# display, the command-line worksheet.
# Usage: scripts/run.sh [FILE...]   (FILEs go to the command-line worksheet)
# FILEs, and the files they load, are found from the directory it is run in.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"

bash "$repo/scripts/setup.sh"

build_quietly() { # PRESET TARGET
    local log="$repo/build/run-$1.log"
    mkdir -p "$repo/build"
    if ! (cd "$repo" && cmake --preset "$1" && cmake --build --preset "$1" --target "$2") >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "run: the build failed; the whole log is $log" >&2
        exit 1
    fi
}

window_possible=true
if [ "$#" -gt 0 ]; then
    window_possible=false
elif [ -z "${DISPLAY:-}" ]; then
    echo "run: no display (DISPLAY is not set), so the command-line worksheet starts instead of the window." >&2
    window_possible=false
fi

if ! $window_possible; then
    build_quietly native quorin
    exec "$repo/build/native/worksheet/cli/quorin" "$@"
fi

preset="$(bash "$repo/scripts/windows-preset.sh")"
build_quietly "$preset" QuorinUI
program="$repo/build/$preset/bin/QuorinUI.exe"
source "$repo/scripts/wine-env.sh"
worvane_select_wine "$program"
worvane_prepare_wine_prefix
exec "$worvane_wine_loader" "$program"
