#!/usr/bin/env bash
# The release as a user gets it: worvane.zip unpacked into an empty folder
# of a fresh Wine prefix. Its programs must import no DLL that is neither
# beside them nor part of the system (no MinGW runtime DLL), quorin.exe must
# answer an example as expected, and QuorinUI.exe must start and close with
# Wine reporting no missing module.
#   release.sh ZIP PROBE WORK_DIR
set -uo pipefail

zip="$1"
probe_program="$2"
work="$3"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
    echo "FAIL: $*"
    exit 1
}

# Wine names a DLL it cannot find on standard error (WINEDEBUG err+module).
expect_no_module_error() { # LOG WHAT
    ! grep -q 'err:module' "$1" || fail "$2: $(grep 'err:module' "$1" | head -n 3)"
}

imported_dlls() { # FILE
    i686-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

# Every import is beside the programs or in the fresh prefix's system folder.
check_imports() {
    local file dll
    for file in "$folder"/*.exe "$folder"/*.dll; do
        while read -r dll; do
            case "${dll,,}" in
            libgcc* | libstdc++* | libwinpthread*)
                fail "$(basename "$file") needs the MinGW runtime DLL $dll" ;;
            esac
            [ -n "$(find "$folder" "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ] ||
                fail "$(basename "$file") needs $dll, which is neither in the release nor in Windows"
        done < <(imported_dlls "$file")
    done
    echo "imports: nothing missing, no MinGW runtime DLL"
}

check_console_worksheet() {
    local output="$work/tour.out" errors="$work/tour.err"
    (cd "$folder" && wine quorin.exe 'examples\tour.qw' </dev/null >"$output" 2>"$errors") ||
        fail "quorin.exe examples\\tour.qw ended with an error: $(head -c 300 "$errors")"
    expect_no_module_error "$errors" "quorin.exe"
    tr -d '\r' <"$output" | cmp -s - "$folder/examples/expected/tour.txt" ||
        fail "quorin.exe examples\\tour.qw printed other answers than examples/expected/tour.txt"
    echo "quorin.exe answers examples\\tour.qw as expected"
}

check_window_program() {
    local errors="$work/QuorinUI.err" status=0
    worvane_start_display || fail "no display for the window"
    (cd "$folder" && exec wine QuorinUI.exe </dev/null >/dev/null 2>"$errors") &
    local program_pid=$!
    # The first window of a fresh prefix takes its time.
    wine "$probe_program" window --timeout 60000 >/dev/null || fail "QuorinUI.exe shows no window"
    wine "$probe_program" close >/dev/null || fail "QuorinUI.exe cannot be closed"
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "QuorinUI.exe ended with exit code $status"
    expect_no_module_error "$errors" "QuorinUI.exe"
    echo "QuorinUI.exe starts and closes"
}

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/wine"
trap 'wineserver -k 2>/dev/null; worvane_stop_display' EXIT
worvane_prepare_wine_prefix || fail "cannot prepare a fresh Wine prefix"
unpacked="$WINEPREFIX/drive_c/release"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
folder="$unpacked/worvane"
for file in QuorinUI.exe QuorinDLL.dll quorin.exe README.txt examples/tour.qw; do
    [ -f "$folder/$file" ] || fail "the release has no $file"
done
worvane_start_wineserver
check_imports
check_console_worksheet
check_window_program
echo "PASS: release"
