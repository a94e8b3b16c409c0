#!/usr/bin/env bash
# Builds everything and runs every test: native, sanitizers, the 32-bit Linux
# build under qemu-i386, fuzzing, and the Windows build under Wine (console
# tests and the window end to end): the 32-bit release where the kernel runs
# 32-bit programs, elsewhere its 64-bit twin, the release then being read
# without running it and run by qemu-i386 under the 64-bit Wine.
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

# Runs the tests of one folder of a build, without the others of its build.
test_folder() { # NAME FOLDER
    ctest --test-dir "$2" -j "$jobs" --output-on-failure 2>&1 | tee "$log_dir/$1-ctest.log"
    local status="${PIPESTATUS[0]}"
    count_ctest "$log_dir/$1-ctest.log" || return 1
    return "$status"
}

# The 32-bit release where 32-bit Wine cannot run its tests: its files read,
# not run, and its programs run by qemu-i386 under the 64-bit Wine.
release_32bit_stages() {
    if [ "$(bash scripts/windows-preset.sh 2>/dev/null)" = mingw ]; then
        echo "=== 32-bit release: read and run by its own tests under 32-bit Wine, no emulated run"
        return 0
    fi
    run_stage "32-bit release read, not run" test_folder release-files build/mingw/worksheet/win32/release
    run_stage "32-bit release run by qemu-i386 under 64-bit Wine" bash scripts/run-release-32bit.sh
}

# What a Windows build's programs are, read from the built window program.
windows_build_name() { # PRESET
    local machine
    machine="$(source scripts/wine-env.sh && worvane_program_machine "build/$1/bin/QuorinUI.exe")"
    case "$machine" in
    i386) echo "32-bit release under 32-bit Wine" ;;
    x86-64) echo "x86_64 twin under 64-bit Wine" ;;
    *) echo "$1, of no known architecture" ;;
    esac
}

# Both Windows builds are made warning-free; the one this host runs is
# tested under Wine, and the summary names it.
windows_stages() {
    local tested built
    tested="$(bash scripts/windows-preset.sh)"
    for built in mingw mingw64; do
        [ "$built" = "$tested" ] || run_stage "Windows build $built (built only)" build_only "$built"
    done
    run_stage "Windows build $tested, tests under Wine" build_and_test "$tested"
    windows_tested="$(windows_build_name "$tested")"
}

run_stage "format check" bash scripts/check-format.sh
run_stage "native build and tests" build_and_test native
run_stage "sanitizer build and tests" build_and_test sanitize
run_stage "32-bit Linux build, tests under qemu-i386" build_and_test linux-i386
run_stage "fuzzing for ${fuzz_seconds}s" bash scripts/fuzz.sh engine "$fuzz_seconds"
run_stage "worksheet fuzzing for ${worksheet_fuzz_seconds}s" bash scripts/fuzz.sh worksheet "$worksheet_fuzz_seconds"
windows_stages
release_32bit_stages

echo
if [ "${#broken_stages[@]}" -gt 0 ]; then
    printf 'failed stage: %s\n' "${broken_stages[@]}"
    failed=$((failed + ${#broken_stages[@]}))
fi
echo "Windows build tested: ${windows_tested:-none}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
