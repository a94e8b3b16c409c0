#!/usr/bin/env bash
# Builds everything and runs every test: native, sanitizers, fuzzing, and the
# 32-bit Windows build under Wine (console tests and the window end to end).
# Usage: scripts/test.sh [fuzz-seconds] [worksheet-fuzz-seconds]   (defaults 60 and 30)
set -uo pipefail
cd "$(dirname "$0")/.."

fuzz_seconds="${1:-60}"
worksheet_fuzz_seconds="${2:-30}"
jobs="$(nproc)"
log_dir=build/test-logs
passed=0
failed=0
broken_stages=()

bash scripts/setup.sh || { echo "setup failed"; exit 1; }
mkdir -p "$log_dir"

# Adds a ctest run's counts ("N% tests passed, F tests failed out of T").
count_ctest() {
    local summary total failures
    summary="$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)"
    [ -n "$summary" ] || return 1
    failures="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")"
    total="$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")"
    passed=$((passed + total - failures))
    failed=$((failed + failures))
}

run_stage() {
    local name="$1"
    shift
    echo "=== $name"
    if ! "$@"; then
        echo "=== $name: FAILED"
        broken_stages+=("$name")
    fi
}

# Configures and builds a preset; its build must be free of warnings.
build_only() {
    local preset="$1"
    cmake --preset "$preset" >"$log_dir/$preset-configure.log" 2>&1 ||
        { cat "$log_dir/$preset-configure.log"; return 1; }
    cmake --build --preset "$preset" -j "$jobs" >"$log_dir/$preset-build.log" 2>&1 ||
        { tail -n 60 "$log_dir/$preset-build.log"; return 1; }
    ! grep -i -B2 -A4 'warning:' "$log_dir/$preset-build.log"
}

build_and_test() {
    local preset="$1"
    build_only "$preset" || return 1
    ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$log_dir/$preset-ctest.log"
    local status="${PIPESTATUS[0]}"
    count_ctest "$log_dir/$preset-ctest.log" || return 1
    return "$status"
}

run_stage "format check" bash scripts/check-format.sh
run_stage "native build and tests" build_and_test native
run_stage "sanitizer build and tests" build_and_test sanitize
run_stage "fuzzing for ${fuzz_seconds}s" bash scripts/fuzz.sh engine "$fuzz_seconds"
run_stage "worksheet fuzzing for ${worksheet_fuzz_seconds}s" bash scripts/fuzz.sh worksheet "$worksheet_fuzz_seconds"
# Wine needs a kernel that runs 32-bit programs. Where it has none, the
# Windows build is still made (and must stay warning-free), and the skipped
# tests are said loudly.
if bash scripts/host-runs-32bit.sh; then
    run_stage "Windows build, tests under Wine" build_and_test mingw
else
    run_stage "Windows build (tests under Wine SKIPPED: this host cannot run 32-bit programs)" build_only mingw
fi

echo
if [ "${#broken_stages[@]}" -gt 0 ]; then
    printf 'failed stage: %s\n' "${broken_stages[@]}"
    failed=$((failed + ${#broken_stages[@]}))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
