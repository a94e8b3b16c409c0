#!/usr/bin/env bash
# The release read, not run, so that it is checked on any host: worvane.zip
# unpacked and each shipped file taken apart with the toolchain's objdump and
# windres.
#   releaseFiles.sh CHECK ZIP WORK_DIR OBJDUMP WINDRES RESOURCE_SCRIPT POINTER_BYTES [TWIN_WINDRES]
# CHECK is one of:
#   machine    every program and library is a Windows file for the build's
#              machine (4-byte pointers: PE32 for i386)
#   exports    QuorinDLL.dll exports initialize, evalExpression and finalize
#              under these plain names and nothing else
#   imports    the programs import only Windows' own DLLs and QuorinDLL.dll,
#              from which only what it exports; no MinGW runtime DLL
#   resources  QuorinUI.exe carries exactly the resources its script compiles
#              to, all Japanese: menu 102, dialog 106, icons 103 and 104 and
#              the string table; the other machine's windres (TWIN_WINDRES)
#              compiles the script to the same resources
#   contents   the zip holds what its read-me lists, and the examples it names
# A tool that reads nothing fails the check: an empty listing proves nothing.
set -uo pipefail

check="$1"
zip="$(realpath "$2")"
work="$(realpath -m "$3")"
objdump="$4"
windres="$5"
resource_script="$(realpath "$6")"
pointer_bytes="$7"
twin_windres="${8:-}"

# To standard error, so that it is seen from inside a command substitution.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Lines as one line of words.
words() { paste -sd ' ' -; }

# Windows' own DLLs that a program built by MinGW-w64 may import.
readonly system_dlls=(kernel32.dll user32.dll gdi32.dll comdlg32.dll msvcrt.dll advapi32.dll shell32.dll)
readonly engine_exports=(evalExpression finalize initialize)

rm -rf "$work"
mkdir -p "$work"
(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
folder="$work/worvane"
[ -d "$folder" ] || fail "$zip holds no folder worvane"
mapfile -t binaries < <(cd "$folder" && find . -maxdepth 1 -type f \( -iname '*.exe' -o -iname '*.dll' \) | sort)
((${#binaries[@]} > 0)) || fail "$zip holds no programs"

# objdump's private headers of a file; fails when objdump cannot read it.
headers() { # FILE
    local output
    output="$("$objdump" -p "$folder/$1" 2>&1)" || fail "$objdump cannot read $1: $output"
    grep -q 'file format pei-' <<<"$output" || fail "$objdump does not read $1 as a Windows file: $output"
    echo "$output"
}

check_machine() {
    local expected_format expected_magic file output
    case "$pointer_bytes" in
    4) expected_format=pei-i386 expected_magic='010b.*(PE32)' ;;
    8) expected_format=pei-x86-64 expected_magic='020b.*(PE32+)' ;;
    *) fail "no Windows machine has $pointer_bytes-byte pointers" ;;
    esac
    for file in "${binaries[@]}"; do
        file="${file#./}"
        output="$(headers "$file")" || exit 1
        grep -q "file format $expected_format\$" <<<"$output" ||
            fail "$file is not $expected_format: $(grep 'file format' <<<"$output")"
        grep -Eq "^Magic[[:space:]]+$expected_magic" <<<"$output" ||
            fail "$file has not the optional header $expected_magic: $(grep '^Magic' <<<"$output")"
        echo "$file: $expected_format"
    done
}

# The names of the export name table.
exported_names() { # FILE
    headers "$1" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p'
}

check_exports() {
    local names
    names="$(exported_names QuorinDLL.dll)" || exit 1
    [ -n "$names" ] || fail "objdump lists no exports of QuorinDLL.dll"
    [ "$(sort <<<"$names")" = "$(printf '%s\n' "${engine_exports[@]}")" ] ||
        fail "QuorinDLL.dll exports $(words <<<"$names") instead of exactly ${engine_exports[*]}"
    echo "QuorinDLL.dll exports $(words <<<"$names")"
}

# One line per imported function: DLL NAME.
imported_functions() { # FILE
    headers "$1" | awk '
        /^[[:space:]]*DLL Name: / { dll = $3; print dll, "-"; next }
        dll != "" && /^[[:space:]]*$/ { dll = "" }
        dll != "" && /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[^[:space:]]+$/ { print dll, $3 }'
}

is_system_dll() { # NAME
    local dll
    for dll in "${system_dlls[@]}"; do
        [ "${1,,}" = "$dll" ] && return 0
    done
    return 1
}

check_imports() {
    local file imports dll function exports
    exports="$(exported_names QuorinDLL.dll)" || exit 1
    for file in "${binaries[@]}"; do
        file="${file#./}"
        imports="$(imported_functions "$file")" || exit 1
        [ -n "$imports" ] || fail "objdump lists no imports of $file: every Windows program imports KERNEL32.dll"
        while read -r dll function; do
            case "${dll,,}" in
            libgcc* | libstdc++* | libwinpthread*) fail "$file needs the MinGW runtime DLL $dll" ;;
            quorindll.dll)
                [ "$file" != QuorinDLL.dll ] || fail "QuorinDLL.dll imports itself"
                [ "$function" = - ] || grep -qx -- "$function" <<<"$exports" ||
                    fail "$file imports $function, which QuorinDLL.dll does not export"
                ;;
            *) is_system_dll "$dll" || fail "$file imports $dll, which is neither Windows' own nor shipped" ;;
            esac
        done <<<"$imports"
        echo "$file imports $(awk '$2 == "-" { print $1 }' <<<"$imports" | words)"
    done
}

# The resources of a file as a resource script, decoded by a windres.
decoded_resources() { # WINDRES FILE
    local output
    output="$("$1" -J coff -i "$2" -O rc 2>&1)" || fail "$1 cannot read the resources of $2: $output"
    echo "$output"
}

# The resource script compiled and decoded by a windres.
compiled_resources() { # WINDRES
    "$1" -I "$(dirname "$resource_script")" -i "$resource_script" -O coff -o "$work/script.o" ||
        fail "$1 cannot compile $resource_script"
    decoded_resources "$1" "$work/script.o"
}

check_resources() {
    local shipped compiler compiled expected
    shipped="$(decoded_resources "$windres" "$folder/QuorinUI.exe")" || exit 1
    [ -n "$shipped" ] || fail "$windres finds no resources in QuorinUI.exe"
    for compiler in "$windres" $twin_windres; do
        compiled="$(compiled_resources "$compiler")" || exit 1
        if [ "$shipped" != "$compiled" ]; then
            diff <(echo "$compiled") <(echo "$shipped") | head -n 20
            fail "QuorinUI.exe carries other resources than $compiler compiles $(basename "$resource_script") to"
        fi
    done
    for expected in '^102 MENU$' '^106 DIALOG 0, 0, 170, 53$' '^103 14 /\* RT_GROUP_ICON \*/$' \
        '^104 14 /\* RT_GROUP_ICON \*/$' '^STRINGTABLE$'; do
        grep -q "$expected" <<<"$shipped" || fail "QuorinUI.exe has no resource $expected"
    done
    [ "$(grep '^LANGUAGE' <<<"$shipped" | sort -u)" = "LANGUAGE 17, 1" ] ||
        fail "QuorinUI.exe has resources in another language than Japanese: $(grep '^LANGUAGE' <<<"$shipped" | sort -u)"
    echo "QuorinUI.exe carries the resources that $(basename "$windres") ${twin_windres:+and $(basename "$twin_windres") }compile $(basename "$resource_script") to, all Japanese"
}

# The read-me lists the folder's files, each on a line of its own under
# "The files in this folder", indented by two spaces.
listed_files() {
    tr -d '\r' <"$folder/README.txt" |
        sed -n '/^The files in this folder/,/^$/s/^  \([^ ].*[^ ]\)  .*/\1/p' | sed 's/\\$//' | sort
}

check_contents() {
    local listed shipped named
    [ -f "$folder/README.txt" ] || fail "the release has no README.txt"
    listed="$(listed_files)"
    [ -n "$listed" ] || fail "README.txt lists no files under \"The files in this folder\""
    shipped="$(cd "$folder" && ls -1 | grep -vx README.txt | sort)"
    [ "$listed" = "$shipped" ] ||
        fail "README.txt lists $(words <<<"$listed"), but the release holds $(words <<<"$shipped")"
    [ "$(cd "$work" && ls -1)" = worvane ] || fail "the zip holds more than the folder worvane"
    # Every file the read-me names, such as examples\tour.qw, is there.
    for named in $(tr -d '\r' <"$folder/README.txt" | grep -o 'examples\\[A-Za-z0-9_.-]\+' | sort -u); do
        [ -f "$folder/${named//\\//}" ] || fail "README.txt names $named, which the release lacks"
    done
    diff -r "$folder/examples" "$(dirname "$0")/../../../examples" >/dev/null ||
        fail "the release's examples differ from the repository's examples/"
    echo "the release holds README.txt and $(words <<<"$listed"), as README.txt lists"
}

case "$check" in
machine | exports | imports | resources | contents) "check_$check" ;;
*) fail "unknown check '$check'" ;;
esac
