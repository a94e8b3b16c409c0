#!/usr/bin/env bash
# Every benchmark, with the figures of docs/performance.md: the engine
# (Google Benchmark), quorin against GNU bc, and the window's answer times
# for the heavy lines under Wine, which needs Wine able to run 32-bit
# programs and is skipped, with a note, where it cannot.
# Usage: scripts/bench.sh [engine] [bc] [window]   (default: all three)
set -euo pipefail
cd "$(dirname "$0")/.."

parts=("$@")
[ "${#parts[@]}" -gt 0 ] || parts=(engine bc window)

build_bench() { # TARGET
    cmake --build --preset bench --target "$1" >/dev/null
}

engine_benchmark() {
    build_bench engine_bench
    build/bench/engine/bench/engine_bench --benchmark_min_time=1
}

bc_comparison() {
    build_bench quorin
    bash worksheet/bench/compare-bc.sh build/bench/worksheet/cli/quorin
}

window_benchmark() {
    if ! bash scripts/host-runs-32bit.sh; then
        echo "window benchmark skipped: Wine cannot run here"
        return 0
    fi
    build_bench heavy_lines
    cmake --preset mingw >/dev/null
    cmake --build --preset mingw --target QuorinUI worvane_probe worvane_spy >/dev/null
    local suite_dir="$PWD/build/window-bench"
    mkdir -p "$suite_dir"
    build/bench/engine/bench/heavy_lines >"$suite_dir/heavy-lines.txt"
    if ! bash worksheet/e2e/suite.sh start "$suite_dir" >"$suite_dir/suite.log" 2>&1; then
        bash worksheet/e2e/suite.sh stop "$suite_dir" >/dev/null 2>&1 || true
        echo "window benchmark skipped: Wine does not run here ($suite_dir/suite.log)"
        return 0
    fi
    trap 'bash worksheet/e2e/suite.sh stop "$suite_dir" >/dev/null 2>&1' EXIT
    bash worksheet/bench/window-bench.sh "$suite_dir" build/mingw/bin/QuorinUI.exe \
        build/mingw/bin/worvane_probe.exe "$suite_dir/heavy-lines.txt"
}

bash scripts/setup.sh
cmake --preset bench >/dev/null
for part in "${parts[@]}"; do
    case "$part" in
    engine) engine_benchmark ;;
    bc) bc_comparison ;;
    window) window_benchmark ;;
    *)
        echo "usage: scripts/bench.sh [engine] [bc] [window]" >&2
        exit 2
        ;;
    esac
    echo
done
