#!/usr/bin/env bash
# The plain prompt of quorin.exe, as a person at a console meets it under
# Wine: each typed line answered after its prompt, and the end of input
# ending the session cleanly.
#   windowsPrompt.sh EMULATOR QUORIN_EXE
set -uo pipefail

emulator="$1"
quorin="$2"
scratch="$(mktemp -d)"
session_pid=""
trap '[ -n "$session_pid" ] && kill "$session_pid" 2>/dev/null; rm -rf "$scratch"' EXIT
readonly answer_wait_seconds=60
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# What a person reads: Wine's console moves the cursor over blanks and
# hides it while drawing; carriage returns go too.
readable() { # FILE
    sed -E 's/\x1b\[[0-9]*C/ /g; s/\x1b\[[0-9;?]*[A-Za-z]//g' "$1" | tr -d '\r'
}

greeting="Worvane worksheet: Ctrl-Z Return ends, Ctrl-C stops a load (see quorin --help)."

# Under Wine /dev/null is a character device, which the program takes for a
# console: the prompt, and at once the end of input.
end_of_input_at_once() {
    "$emulator" "$quorin" </dev/null >"$scratch/out" 2>"$scratch/err"
    local status=$?
    [ "$status" -eq 0 ] || fail "at the end of input quorin.exe ended with $status"
    [ ! -s "$scratch/out" ] || fail "at the end of input quorin.exe printed: $(head -c 200 "$scratch/out")"
    printf '%s\n> \n' "$greeting" | cmp -s - <(tr -d '\r' <"$scratch/err") ||
        fail "at the end of input standard error was not the greeting, a prompt and a line end:
$(cat -A "$scratch/err")"
}

# Polls until the session shows COUNT prompts, or the given line.
wait_for_session() { # COUNT | --line LINE
    local waited=0
    until if [ "$1" = --line ]; then
        readable "$scratch/session" | grep -Fxq -- "$2"
    else
        [ "$(readable "$scratch/session" | grep -c '^> ')" -ge "$1" ]
    fi; do
        ((waited < answer_wait_seconds * 10)) || return 1
        sleep 0.1
        waited=$((waited + 1))
    done
}

# A console session at a terminal: three lines typed one after the other,
# each once its prompt shows. (How a console ends its input differs from
# one console to the next; the case above has the end of input.)
typed_lines() {
    mkfifo "$scratch/keys"
    timeout 300 script -qfec "$(printf '%q %q' "$emulator" "$quorin")" /dev/null \
        <"$scratch/keys" >"$scratch/session" 2>&1 &
    session_pid=$!
    exec 3>"$scratch/keys"
    local lines=("1+2" "[a = 5]" "a[]*2") answers=("[ans = 3]" "# set root environment." "[ans = 10]")
    local index
    for index in "${!lines[@]}"; do
        wait_for_session $((index + 1)) || { fail "no prompt for \"${lines[index]}\""; break; }
        printf '%s\r' "${lines[index]}" >&3
        wait_for_session --line "${answers[index]}" ||
            { fail "no answer \"${answers[index]}\" to \"${lines[index]}\""; break; }
    done
    wait_for_session $((${#lines[@]} + 1)) || fail "no prompt after the last line"
    local expected
    expected="$(printf '%s\n' "$greeting" "> 1+2" "[ans = 3]" "> [a = 5]" "# set root environment." \
        "> a[]*2" "[ans = 10]")"
    [ "$(readable "$scratch/session" | head -n 7)" = "$expected" ] ||
        fail "the session read:
$(readable "$scratch/session")
--- instead of:
$expected"
    kill "$session_pid" 2>/dev/null
    exec 3>&-
}

end_of_input_at_once
typed_lines
[ "$failures" -eq 0 ] && echo "PASS: the prompt of quorin.exe"
[ "$failures" -eq 0 ]
