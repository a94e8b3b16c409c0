#!/usr/bin/env bash
# The release as a user gets it: worvane.zip unpacked into an empty folder
# of a fresh prefix of the Wine that runs its programs' architecture. Its programs must import no DLL that is neither
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

# The 64-bit objdump reads the programs of both architectures. Every
# program imports at least KERNEL32.dll: no names at all means objdump read
# nothing.
# Prints the names, or says why there are none and fails.
imported_dlls() { # FILE
    local dump names
    if ! dump="$(x86_64-w64-mingw32-objdump -p "$1" 2>&1)"; then
        echo "objdump cannot read $(basename "$1"): $dump"
        return 1
    fi
    names="$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")"
    if [ -z "$names" ]; then
        echo "objdump finds no imported DLL in $(basename "$1")"
        return 1
    fi
    echo "$names"
}

# Every import is beside the programs or in the fresh prefix's system folder.
check_imports() {
    local file dll dlls checked=0
    for file in "$folder"/*.exe "$folder"/*.dll; do
        dlls="$(imported_dlls "$file")" || fail "$dlls"
        while read -r dll; do
            case "${dll,,}" in
            libgcc* | libstdc++* | libwinpthread*)
                fail "$(basename "$file") needs the MinGW runtime DLL $dll" ;;
            esac
            [ -n "$(find "$folder" "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ] ||
                fail "$(basename "$file") needs $dll, which is neither in the release nor in Windows"
            checked=$((checked + 1))
        done <<<"$dlls"
    done
    echo "imports: $checked checked, nothing missing, no MinGW runtime DLL"
}

check_console_worksheet() {
    local output="$work/tour.out" errors="$work/tour.err"
    (cd "$folder" && worvane_wine quorin.exe 'examples\tour.qw' </dev/null >"$output" 2>"$errors") ||
        fail "quorin.exe examples\\tour.qw ended with an error: $(head -c 300 "$errors")"
    expect_no_module_error "$errors" "quorin.exe"
    tr -d '\r' <"$output" | cmp -s - "$folder/examples/expected/tour.txt" ||
        fail "quorin.exe examples\\tour.qw printed other answers than examples/expected/tour.txt"
    echo "quorin.exe answers examples\\tour.qw as expected"
}

check_window_program() {
    local errors="$work/QuorinUI.err" status=0
    (cd "$folder" && exec "$worvane_wine_loader" QuorinUI.exe </dev/null >/dev/null 2>"$errors") &
    local program_pid=$!
    # The first window of a fresh prefix takes its time.
    worvane_wine "$probe_program" window --timeout 60000 >/dev/null || fail "QuorinUI.exe shows no window"
    worvane_wine "$probe_program" close >/dev/null || fail "QuorinUI.exe cannot be closed"
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "QuorinUI.exe ended with exit code $status"
    expect_no_module_error "$errors" "QuorinUI.exe"
    echo "QuorinUI.exe starts and closes"
}

rm -rf "$work"
mkdir -p "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
for file in QuorinUI.exe QuorinDLL.dll quorin.exe README.txt examples/tour.qw; do
    [ -f "$work/unpacked/worvane/$file" ] || fail "the release has no $file"
done
export WINEPREFIX="$work/wine"
worvane_select_wine "$work/unpacked/worvane/QuorinUI.exe" || fail "the release holds no Windows program"
echo "release: $(basename "$zip") under $worvane_wine_name"
trap 'wineserver -k 2>/dev/null; worvane_stop_display' EXIT
worvane_prepare_wine_prefix || fail "cannot prepare a fresh Wine prefix"
folder="$WINEPREFIX/drive_c/release/worvane"
mkdir -p "$(dirname "$folder")"
mv "$work/unpacked/worvane" "$folder"
# The display first: the wineserver's first client starts the desktop, which
# takes its display driver from that client's DISPLAY.
worvane_start_display || fail "no display for the window"
worvane_start_wineserver
check_imports
check_console_worksheet
check_window_program
echo "PASS: release"
