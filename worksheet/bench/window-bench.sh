#!/usr/bin/env bash
# How long the window takes to answer the engine benchmark's heavy lines:
# each set runs in a freshly started QuorinUI under Wine, its set-up lines
# first, then the heavy line, put into the edit pane and sent Return; the
# time runs until the pane is cleared, the answer then being on the sheet.
# Prints the best of a few turns per line. A benchmark, not a test: it
# judges nothing.
#   window-bench.sh SUITE_DIR PROGRAM PROBE LINES_FILE
# LINES_FILE is what engine/bench's heavy_lines writes; the suite's display
# must be running (worksheet/e2e/suite.sh start SUITE_DIR PROGRAM).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/harness.sh"

readonly turns=3
lines_file="$4"
e2e_setup window-bench "$1" "$2" "$3"
# The heaviest lines take seconds on a slow machine.
probe_timeout_ms=60000
# What the probe says, for when the window does not answer.
probe_log="$failures_dir/window-bench.log"
: >"$probe_log"

# Sets seconds to how long the window took to answer the line.
time_line() { # LINE
    probe time-line "$1" >>"$probe_log" || fail "the window did not answer: ${1:0:60}"
    local microseconds
    read -r _ microseconds <<<"$probe_output"
    seconds="$(awk -v us="$microseconds" 'BEGIN { printf "%.3f", us / 1e6 }')"
}

# time_set NAME HEAVY [SETUP...]: the best of the turns, and every turn.
time_set() {
    local name="$1" heavy="$2" turn setup best="" all=()
    shift 2
    for ((turn = 1; turn <= turns; turn++)); do
        start_program >>"$probe_log"
        for setup in "$@"; do
            time_line "$setup"
        done
        time_line "$heavy"
        all+=("$seconds")
        if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best="$seconds"
        fi
        end_processes
        program_pid=""
    done
    printf '%-45s %6s s   (turns: %s)\n' "$name" "$best" "${all[*]}"
}

name=""
heavy=""
setups=()
flush_set() {
    [ -n "$name" ] && time_set "$name" "$heavy" "${setups[@]}"
    name=""
    heavy=""
    setups=()
}

echo "Window under $worvane_wine_name, Return to answer on the sheet, best of $turns (probe log: $probe_log):"
# On a descriptor of its own: the programs started in the loop read none of it.
while IFS=$'\t' read -r -u 3 kind text; do
    case "$kind" in
    name)
        flush_set
        name="$text"
        ;;
    setup) setups+=("$text") ;;
    heavy) heavy="$text" ;;
    esac
done 3<"$lines_file"
flush_set
