#!/usr/bin/env bash
# Every benchmark, with the figures of docs/performance.md: the engine
# (Google Benchmark), quorin against GNU bc, and the window's answer times
# for the heavy lines under Wine (the 32-bit release, or its 64-bit twin
# where the kernel runs no 32-bit programs).
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
    build_bench heavy_lines
    local preset
    preset="$(bash scripts/windows-preset.sh)"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target QuorinUI worvane_probe worvane_spy >/dev/null
    # Global: the trap below reads them after the function has returned.
    program="$PWD/build/$preset/bin/QuorinUI.exe"
    suite_dir="$PWD/build/$preset/window-bench"
    mkdir -p "$suite_dir"
    build/bench/engine/bench/heavy_lines >"$suite_dir/heavy-lines.txt"
    if ! bash worksheet/e2e/suite.sh start "$suite_dir" "$program" >"$suite_dir/suite.log" 2>&1; then
        bash worksheet/e2e/suite.sh stop "$suite_dir" "$program" >/dev/null 2>&1 || true
        echo "window benchmark: the display or Wine did not start ($suite_dir/suite.log)"
        return 1
    fi
    trap 'bash worksheet/e2e/suite.sh stop "$suite_dir" "$program" >/dev/null 2>&1' EXIT
    bash worksheet/bench/window-bench.sh "$suite_dir" "$program" \
        "build/$preset/bin/worvane_probe.exe" "$suite_dir/heavy-lines.txt"
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
