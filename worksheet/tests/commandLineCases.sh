#!/usr/bin/env bash
# The command line of quorin, one case a row: a shell command, and the exit
# status, standard output and standard error it must give. Every case runs;
# each failing one shows what came instead.
#   commandLineCases.sh QUORIN REPOSITORY [--with-run-script]
# The run script builds the native preset, so its case runs only when asked
# (from the native build, which is up to date when the tests run).
set -uo pipefail

export quorin="$1"
repository="$2"
with_run_script="${3:-}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
failures=0

# Expected output is matched exactly, or, when it starts with "~", as a part
# of what came.
matches() { # ACTUAL EXPECTED
    if [[ $2 == "~"* ]]; then
        [[ $1 == *"${2#\~}"* ]]
    else
        [[ $1 == "$2" ]]
    fi
}

# check NAME STATUS STDOUT STDERR COMMAND
check() {
    local name="$1" status="$2" output="$3" errors="$4" command="$5"
    bash -c "$command" >"$scratch/.out" 2>"$scratch/.err"
    local actual_status=$?
    local actual_output actual_errors
    # A final line feed kept: $(...) would drop it.
    actual_output="$(cat "$scratch/.out"; echo .)"
    actual_errors="$(cat "$scratch/.err"; echo .)"
    if [ "$actual_status" != "$status" ] ||
        ! matches "${actual_output%.}" "$output" || ! matches "${actual_errors%.}" "$errors"; then
        failures=$((failures + 1))
        printf 'FAILED: %s\n  command: %s\n  status %s (expected %s)\n' \
            "$name" "$command" "$actual_status" "$status"
        printf -- '--- standard output, expected:\n%s\n--- came:\n%s\n' "$output" "${actual_output%.}"
        printf -- '--- standard error, expected:\n%s\n--- came:\n%s\n\n' "$errors" "${actual_errors%.}"
    fi
}

repeat_line() { # LINE TIMES
    local count
    for ((count = 0; count < $2; count++)); do printf '%s\n' "$1"; done
}

byte_order_mark=$'\xEF\xBB\xBF'
printf '1+2\n' >arith.qw
mkdir folder sub
printf '# first\n!load "absent.qw"\n' >loads-absent.qw
printf '!load "folder"\n1+1\n' >loads-folder.qw
{ printf '1\n# two\n'; repeat_line "$(printf '1%.0s' {1..2100})" 1; printf '4\n'; } >long.qw
printf '!load "self.qw"\n' >self.qw
printf '%s# comment\n1+1\n' "$byte_order_mark" >bom.qw
printf '!load "bom.qw"\n' >loads-bom.qw
printf 'y*2\n' >diag.qw
repeat_line '1+2' 100000 >big.qw
printf '!load "inner.qw"\n' >sub/outer.qw
printf '6*7\n' >sub/inner.qw

printf '!load "two.qw"\n!load "two.qw"\n1\n' >two.qw
printf '\xFF\xFE1\0+\0\x32\0\n\0' >utf16.qw
mkfifo fifo

nested_loads="$(repeat_line '!load "self.qw"' 32)"
no_such_file="No such file or directory"

check "a FILE runs" 0 $'1+2\n[ans = 3]\n' '' \
    '"$quorin" arith.qw'
check "--answers leaves out the lines" 0 $'[ans = 3]\n' '' \
    '"$quorin" --answers arith.qw'
check "--answers keeps errors and load errors" 1 \
    $'# parse error at mount\n# illegal command\n# load error\n' '~absent' \
    'printf "# note\n2 3 4\n!nonsense\n!load \"absent\"\n" | "$quorin" --answers'
check "- reads standard input among the FILEs" 0 \
    $'1+2\n[ans = 3]\n2*3\n[ans = 6]\n1+2\n[ans = 3]\n' '' \
    'echo "2*3" | "$quorin" arith.qw - arith.qw'
check "-- ends the options" 1 '' $'quorin: cannot read \'--answers\': '"$no_such_file"$'\n' \
    '"$quorin" -- --answers'
check "--version" 0 $'quorin (Worvane) 1.01\n' '' \
    '"$quorin" --version'
check "-h explains the exit statuses" 0 '~Exit status: 0 when every line ran' '' \
    '"$quorin" -h'
check "--help too" 0 '~1 when
a FILE or a !load failed' '' \
    '"$quorin" --help'
check "an unknown option" 2 '' $'quorin: unknown option \'--bogus\'\nTry \'quorin --help\'.\n' \
    '"$quorin" --bogus arith.qw'
check "engine errors are answers, not failures" 0 \
    $'2 3 4\n# parse error at mount\n!nonsense\n# illegal command\n' '' \
    'printf "2 3 4\n!nonsense\n" | "$quorin"'

check "a folder as FILE" 1 '' $'quorin: cannot read \'folder\': Is a directory\n' \
    '"$quorin" folder'
check "a missing FILE; the others still run" 1 $'1+2\n[ans = 3]\n' \
    $'quorin: cannot read \'absent.qw\': '"$no_such_file"$'\n' \
    '"$quorin" absent.qw arith.qw'
check "a folder as standard input" 1 '' $'quorin: cannot read standard input: Is a directory\n' \
    '"$quorin" <folder'
check "standard input closed" 1 '' $'quorin: cannot read standard input: Bad file descriptor\n' \
    '"$quorin" <&-'
check "standard output closed" 1 '' '~quorin: cannot set up standard output' \
    '"$quorin" arith.qw >&-'
check "!load of a missing file" 1 $'# first\n!load "absent.qw"\n# load error\n' \
    $'loads-absent.qw:2: cannot read \'absent.qw\': '"$no_such_file"$'\n' \
    '"$quorin" loads-absent.qw'
check "!load of a folder" 1 $'!load "folder"\n# load error\n1+1\n[ans = 2]\n' \
    $'loads-folder.qw:1: cannot read \'folder\': Is a directory\n' \
    '"$quorin" loads-folder.qw'
check "a line too long ends its file" 1 $'1\n[ans = 1]\n# two\n# load error\n' \
    $'long.qw:3: line longer than 2047 characters\n' \
    '"$quorin" long.qw'
check "a FILE is the first of 32 load levels" 1 "$nested_loads"$'\n# load error\n' \
    $'self.qw:1: loads nested deeper than 32\n' \
    '"$quorin" self.qw'
check "a typed !load the first of 32 too" 1 \
    $'!load "self.qw"\n'"$nested_loads"$'\n# load error\n' \
    $'self.qw:1: loads nested deeper than 32\n' \
    'echo "!load \"self.qw\"" | "$quorin"'

check "a file that loads itself twice ends at 10000 loads" 1 $'# load error\n' \
    $'two.qw:2: too many loads: more than 10000 from one line\n' \
    '"$quorin" two.qw >out 2>errors; status=$?; tail -n 1 out; tail -n 1 errors >&2; exit $status'
check "a device does not load, so /dev/zero ends" 1 $'!load "/dev/zero"\n# load error\n' \
    $'<stdin>:1: cannot read \'/dev/zero\': Not a regular file\n' \
    'echo "!load \"/dev/zero\"" | "$quorin"'
check "nor does a pipe, which would wait for its writer" 1 $'!load "fifo"\n# load error\n' \
    $'<stdin>:1: cannot read \'fifo\': Not a regular file\n' \
    'echo "!load \"fifo\"" | "$quorin"'
check "UTF-16 text is refused" 1 $'# load error\n' \
    $'utf16.qw:1: UTF-16 text: save the file as UTF-8 or ANSI text\n' \
    '"$quorin" utf16.qw'
check "an endless pipe is read no further than a line too long" 1 $'# load error\n' \
    $'<stdin>:1: line longer than 2047 characters\n' \
    'yes "$(printf "1%.0s" {1..3000})" | "$quorin"'

check "a byte order mark is skipped" 0 $'# comment\n1+1\n[ans = 2]\n' '' \
    '"$quorin" bom.qw'
check "in loaded files too" 0 $'!load "bom.qw"\n# comment\n1+1\n[ans = 2]\n' '' \
    '"$quorin" loads-bom.qw'
check "and on standard input" 0 $'# comment\n1+1\n[ans = 2]\n' '' \
    '"$quorin" <bom.qw'

check "a full disk" 1 '' $'quorin: write error: No space left on device\n' \
    '"$quorin" big.qw >/dev/full'
check "a reader that goes away ends it quietly" 141 '' '' \
    '"$quorin" big.qw | head -c 1 >/dev/null; exit "${PIPESTATUS[0]}"'
check "quietly too when broken pipes are ignored" 1 '' '' \
    'trap "" PIPE; "$quorin" big.qw | head -c 1 >/dev/null; exit "${PIPESTATUS[0]}"'

# The last diagnostic comes when the engine ends and lets go of ans.
check "--diagnostics beside their line" 0 \
    $'y*2\nundefined variable :y\r\nknob destructor called\n[ans = (y)*(2)]\nknob destructor called\n' '' \
    '"$quorin" --diagnostics diag.qw 2>&1'
check "--diagnostics with standard error closed" 0 $'y*2\n[ans = (y)*(2)]\n' '' \
    '"$quorin" --diagnostics diag.qw 2>&-'

check "!load names are relative to the current directory" 0 \
    $'!load "inner.qw"\n6*7\n[ans = 42]\n' '' \
    'cd sub && "$quorin" outer.qw'
if [ "$with_run_script" = --with-run-script ]; then
    export repository
    check "scripts/run.sh keeps relative names" 0 \
        $'!load "inner.qw"\n6*7\n[ans = 42]\n' '' \
        'cd sub && bash "$repository/scripts/run.sh" outer.qw'
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures command-line cases failed"
    exit 1
fi
echo "all command-line cases passed"
