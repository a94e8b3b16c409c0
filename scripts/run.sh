#!/usr/bin/env bash
# Installs what is missing, builds, and starts the worksheet: the window
# (QuorinUI.exe under Wine) on the user's display, or, without a display, the
# command-line worksheet.
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
elif ! bash "$repo/scripts/host-runs-32bit.sh"; then
    echo "run: Wine cannot run here, so the command-line worksheet starts instead of the window." >&2
    window_possible=false
fi

if ! $window_possible; then
    build_quietly native quorin
    exec "$repo/build/native/worksheet/cli/quorin" "$@"
fi

build_quietly mingw QuorinUI
source "$repo/scripts/wine-env.sh"
worvane_prepare_wine_prefix
exec wine "$repo/build/mingw/bin/QuorinUI.exe"
