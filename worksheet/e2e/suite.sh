#!/usr/bin/env bash
# Starts and stops what the whole end-to-end suite shares: a private X
# display and a persistent wineserver, in a prefix of the Wine that runs
# the program's architecture.
#   suite.sh start SUITE_DIR PROGRAM
#   suite.sh stop SUITE_DIR PROGRAM
set -euo pipefail

readonly usage="usage: suite.sh start|stop SUITE_DIR PROGRAM"
action="${1:?$usage}"
suite_dir="${2:?$usage}"
suite_program="${3:?$usage}"
mkdir -p "$suite_dir"
source "$(dirname "${BASH_SOURCE[0]}")/suiteEnvironment.sh"

readonly display_wait_seconds=10
readonly needed_commands=(Xvfb xdotool "$worvane_wine_loader" wineserver import convert)

require_commands() {
    local command
    for command in "${needed_commands[@]}"; do
        command -v "$command" >/dev/null || {
            echo "suite: $command is missing (scripts/setup.sh installs it)" >&2
            exit 1
        }
    done
}

stop_display() {
    [ -s "$xvfb_pid_file" ] || return 0
    local pid
    pid="$(cat "$xvfb_pid_file")"
    kill "$pid" 2>/dev/null || true
    rm -f "$xvfb_pid_file" "$display_file"
}

# A free display number, chosen by Xvfb itself; the root is black, which the
# probe expects outside the window's region.
start_display() {
    local number_file="$suite_dir/display-number"
    rm -f "$number_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -br \
        3>"$number_file" </dev/null >/dev/null 2>"$suite_dir/xvfb.log" &
    echo $! >"$xvfb_pid_file"
    local waited=0
    until [ -s "$number_file" ]; do
        if ((waited >= display_wait_seconds * 10)) || ! kill -0 "$(cat "$xvfb_pid_file")" 2>/dev/null; then
            echo "suite: Xvfb did not start:" >&2
            cat "$suite_dir/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    tr -d '\n' <"$number_file" >"$display_file"
    export DISPLAY=":$(cat "$display_file")"
}

case "$action" in
start)
    require_commands
    stop_display
    wineserver -k 2>/dev/null || true
    start_display
    worvane_prepare_wine_prefix
    worvane_start_wineserver
    rm -rf "$failures_dir"
    echo "suite: display $DISPLAY, $worvane_wine_name, prefix $WINEPREFIX"
    ;;
stop)
    wineserver -k 2>/dev/null || true
    stop_display
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
