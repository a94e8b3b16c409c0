#!/usr/bin/env bash
# The real 32-bit release, run on a host whose kernel runs no 32-bit x86
# code. qemu's user-mode emulator runs each 32-bit program's own process;
# the 64-bit Wine runs its server and services natively, in a 64-bit prefix
# whose 32-bit half is prepared once and kept in the user's cache. It runs
# the 32-bit test programs of the engine and the worksheet, quorin.exe from
# the unpacked worvane.zip on every example against examples/expected, and
# QuorinUI.exe from the same folder: a line is typed, the probe must see its
# answer on the sheet, and the window must close with exit code 0.
# A 32-bit program takes some seconds to start under the emulator (qemu 8.1
# or newer; older ones search the address space page by page on every mmap
# and take a minute): each program starts once, all of them side by side.
# The emulator is registered with binfmt_misc for this run only; while it
# is, every 32-bit program on the machine starts under it.
# Where the kernel runs 32-bit programs there is nothing to emulate: 32-bit
# Wine runs the same programs there (ctest --preset mingw).
#   scripts/run-release-32bit.sh [BUILD_DIR]      (default build/mingw)
set -uo pipefail
cd "$(dirname "$0")/.."
build="$(realpath -m "${1:-build/mingw}")"

# Raised whenever the preparation of the emulated prefix changes.
readonly emulated_prefix_version=1
readonly typed_line='sin[x = 1e22]'
readonly typed_answer='[ans = -0.852201]'
readonly program_timeout=300
readonly probe_timeout_ms=120000
readonly test_programs=(
    engine_unit_tests engine_line_tests engine_limit_tests engine_golden_tests
    worksheet_tests window_tests worksheet_window_tests
)

if bash scripts/host-runs-32bit.sh 2>/dev/null; then
    echo "run-release-32bit: skipped: this host runs 32-bit programs, so 32-bit Wine tests them (ctest --preset mingw)"
    exit 0
fi

started_at="$SECONDS"
say() { echo "run-release-32bit [$((SECONDS - started_at))s]: $*"; }
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
give_up() {
    echo "FAIL: $*"
    exit 1
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

for tool in qemu-i386 /usr/lib/wine/wine64 /usr/lib/wine/wine /usr/lib/wine/wineserver64 Xvfb xdotool; do
    command -v "$tool" >/dev/null || give_up "$tool is missing (bash scripts/setup.sh installs it)"
done

emulator_version="$(qemu-i386 --version | sed -n 's/^qemu-i386 version \([0-9]*\.[0-9]*\).*/\1/p')"
printf '8.1\n%s\n' "$emulator_version" | sort -V -C ||
    give_up "qemu-i386 $emulator_version would take a minute per program start; 8.1 or newer is needed (bash scripts/setup.sh installs it)"

source scripts/wine-env.sh
# The 64-bit Wine for every program, in a 64-bit prefix: a 32-bit program
# there starts the 32-bit loader all the same, which the emulator runs.
readonly wine64=/usr/lib/wine/wine64
worvane_wine_loader="$wine64"
export WINEARCH=win64
export WINEPREFIX="${XDG_CACHE_HOME:-$HOME/.cache}/worvane/wine-wow64-emulated"
worvane_prefix_version="$worvane_prefix_version-wow64-$emulated_prefix_version"

# --- The emulator, registered for this run only -----------------------------

readonly binfmt=/proc/sys/fs/binfmt_misc
readonly handler_name=worvane-qemu-i386
# 32-bit little-endian x86 ELF executables and shared objects.
readonly elf_i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
readonly elf_i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
mounted_binfmt=false
registered_handler=false

emulator_handler_present() {
    local handler
    for handler in "$binfmt"/*; do
        grep -qs '^interpreter .*qemu-i386' "$handler" && grep -qsx enabled "$handler" && return 0
    done
    return 1
}

# F: the kernel opens the emulator now, so that it is found from any
# process's root and namespace.
register_emulator() {
    if ! mountpoint -q "$binfmt"; then
        as_root mount -t binfmt_misc binfmt_misc "$binfmt" || give_up "cannot mount $binfmt"
        mounted_binfmt=true
    fi
    if emulator_handler_present; then
        say "a qemu-i386 handler was registered before: it stays"
        return 0
    fi
    printf ':%s:M::%s:%s:%s:F\n' "$handler_name" "$elf_i386_magic" "$elf_i386_mask" \
        "$(command -v qemu-i386)" | as_root tee "$binfmt/register" >/dev/null ||
        give_up "cannot register qemu-i386 with binfmt_misc"
    registered_handler=true
}

unregister_emulator() {
    if $registered_handler; then
        echo -1 | as_root tee "$binfmt/$handler_name" >/dev/null
        registered_handler=false
    fi
    # Unmounted only if nobody registered anything meanwhile.
    if $mounted_binfmt && [ -z "$(ls "$binfmt" | grep -vx -e register -e status)" ]; then
        as_root umount "$binfmt"
    fi
    mounted_binfmt=false
}

# --- Processes of the run ------------------------------------------------------

background_pids=()
end_run() {
    local pid
    for pid in "${background_pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wineserver -k 2>/dev/null
    worvane_stop_display
    unregister_emulator
}
trap end_run EXIT

# run_in_background NAME FOLDER COMMAND...: runs in FOLDER, output to
# $work/NAME.log, exit code to $work/NAME.status.
run_in_background() {
    local name="$1" folder="$2"
    shift 2
    (
        cd "$folder" && timeout "$program_timeout" "$@" </dev/null >"$work/$name.log" 2>&1
        echo $? >"$work/$name.status"
    ) &
    background_pids+=($!)
}

# Waits for a background run; prints its exit code.
status_of() { # NAME
    while [ ! -s "$work/$1.status" ]; do
        sleep 1
    done
    cat "$work/$1.status"
}

# A GoogleTest program passes when it exits with 0 and says it passed
# tests: a program that ran none proves nothing.
expect_tests_passed() { # NAME
    local status summary
    status="$(status_of "$1")"
    summary="$(tr -d '\r' <"$work/$1.log" | grep -E '^\[  PASSED  \] [1-9][0-9]* tests?' | tail -n 1)"
    if [ "$status" -eq 0 ] && [ -n "$summary" ]; then
        say "$1.exe: ${summary#\[  PASSED  \] }"
    else
        fail "$1.exe ended with exit code $status; the end of its output:"
        tail -n 30 "$work/$1.log"
    fi
}

# --- The checks --------------------------------------------------------------

# All examples in one start, each after a !clear, so the output must be the
# expected answers of each with a !clear line between them.
start_examples() {
    local example names=() arguments=()
    printf '!clear\n' >"$folder/clear.qw"
    : >"$work/examples.expected"
    for example in "$folder"/examples/*.qw; do
        names+=("$(basename "$example")")
        ((${#arguments[@]} > 0)) && arguments+=(clear.qw) && echo '!clear' >>"$work/examples.expected"
        arguments+=("examples\\$(basename "$example")")
        cat "$folder/examples/expected/$(basename "$example" .qw).txt" >>"$work/examples.expected"
    done
    ((${#names[@]} > 0)) || give_up "the release holds no examples"
    example_names="${names[*]}"
    run_in_background examples "$folder" "$wine64" quorin.exe "${arguments[@]}"
}

expect_examples_answered() {
    local status
    status="$(status_of examples)"
    if [ "$status" -ne 0 ]; then
        fail "quorin.exe ended with exit code $status on the examples: $(head -c 400 "$work/examples.log")"
    elif ! tr -d '\r' <"$work/examples.log" | cmp -s - "$work/examples.expected"; then
        fail "quorin.exe answered the examples otherwise than examples/expected says:"
        tr -d '\r' <"$work/examples.log" | diff "$work/examples.expected" - | head -n 20
    else
        say "quorin.exe answers $example_names as examples/expected says"
    fi
}

probe() { # NAME PROBE-ARGUMENTS...
    local name="$1"
    shift
    run_in_background "$name" "$work" "$wine64" "$probe_program" "$@" --timeout "$probe_timeout_ms"
}

# The window's geometry as the probe printed it: client origin and pane.
read_window_geometry() {
    local fields
    while read -r -a fields; do
        case "${fields[0]:-}" in
        client) client_x="${fields[1]}" client_y="${fields[2]}" ;;
        pane) pane_left="${fields[1]}" pane_top="${fields[2]}" pane_right="${fields[3]}" pane_bottom="${fields[4]}" ;;
        esac
    done < <(tr -d '\r' <"$work/window.log")
    [ -n "${client_x:-}" ] && [ -n "${pane_left:-}" ]
}

# QuorinUI.exe and three probes start together, each probe polling for what
# it waits for: the window, the edit pane's focus after the click, and the
# typed line's answer on the sheet.
start_window() {
    (cd "$folder" && exec "$wine64" QuorinUI.exe </dev/null >"$work/QuorinUI.log" 2>&1) &
    window_pid=$!
    background_pids+=("$window_pid")
    probe window window
    probe focus expect-pane-focus
    probe sheet expect-sheet "$typed_line" "$typed_answer"
}

expect_window_answers() {
    if [ "$(status_of window)" -ne 0 ] || ! read_window_geometry; then
        fail "QuorinUI.exe shows no window: $(head -c 400 "$work/window.log")"
        return
    fi
    say "QuorinUI.exe shows its window"
    # The program never gives the pane the focus: the user clicks into it, and
    # types once the pane has it; keys typed before would go astray.
    xdotool mousemove $((client_x + (pane_left + pane_right) / 2)) $((client_y + (pane_top + pane_bottom) / 2)) click 1
    if [ "$(status_of focus)" -ne 0 ]; then
        fail "QuorinUI.exe's edit pane does not take the focus on a click: $(tr -d '\r' <"$work/focus.log" | head -c 400)"
    fi
    xdotool type --delay 50 "$typed_line"
    xdotool key Return
    if [ "$(status_of sheet)" -ne 0 ]; then
        fail "QuorinUI.exe does not show \"$typed_line\" and \"$typed_answer\" on its sheet: $(tr -d '\r' <"$work/sheet.log" | head -c 400)"
        import -window root "$work/QuorinUI.png" 2>/dev/null && echo "screenshot: $work/QuorinUI.png"
    else
        say "QuorinUI.exe answers $typed_line with $typed_answer"
    fi
    # The system's close command, as Alt+F4 gives it, ends the program.
    xdotool key alt+F4
    expect_window_closed
}

expect_window_closed() {
    local waited=0 status=0
    while kill -0 "$window_pid" 2>/dev/null; do
        if ((waited >= 120)); then
            fail "QuorinUI.exe does not end on Alt+F4"
            return
        fi
        sleep 1
        waited=$((waited + 1))
    done
    wait "$window_pid" || status=$?
    if [ "$status" -ne 0 ]; then
        fail "QuorinUI.exe ended with exit code $status: $(head -c 400 "$work/QuorinUI.log")"
    elif grep -q 'err:module' "$work/QuorinUI.log"; then
        fail "QuorinUI.exe misses a module: $(grep 'err:module' "$work/QuorinUI.log" | head -n 3)"
    else
        say "QuorinUI.exe closes on Alt+F4 with exit code 0"
    fi
}

# --- The run -------------------------------------------------------------------

cmake --build "$build" --target dist >/dev/null || give_up "cannot build and pack $build"
zip="$build/worvane.zip"
probe_program="$build/bin/worvane_probe.exe"
for program in "${test_programs[@]}"; do
    [ -f "$build/bin/$program.exe" ] || give_up "$build/bin/$program.exe is missing"
done

register_emulator
worvane_prepare_wine_prefix || give_up "cannot prepare the prefix $WINEPREFIX"
say "prefix $WINEPREFIX ready"

work="$WINEPREFIX/drive_c/worvane-run"
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cmake -E tar xf "$zip") || give_up "cannot unpack $zip"
folder="$work/worvane"

# The display first: a wineserver started without it gives the desktop no
# display driver, and no window appears.
worvane_start_display || give_up "no display"
worvane_start_wineserver

for program in "${test_programs[@]}"; do
    run_in_background "$program" "$build/bin" "$wine64" "$program.exe" --gtest_brief=1
done
start_examples
start_window
say "${#test_programs[@]} test programs, quorin.exe, QuorinUI.exe and 3 probes started"

expect_window_answers
expect_examples_answered
for program in "${test_programs[@]}"; do
    expect_tests_passed "$program"
done

say "done"
if ((failures > 0)); then
    echo "run-release-32bit: $failures failed"
    exit 1
fi
echo "PASS: the 32-bit release under qemu-i386"
