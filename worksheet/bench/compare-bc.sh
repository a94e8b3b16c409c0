#!/usr/bin/env bash
# Times quorin, whole process against whole process, and prints each figure,
# its target and whether the target is met:
#   every kind of line against GNU bc (10 times as fast): arithmetic (the
#     same file for both), applications of a definition (bc's define f(x)),
#     and, against bc's arithmetic where bc has no such line, symbolic lines
#     like a*34+b*52-(c+34)*2, built-ins, groups over unbound names and
#     definitions
#   the symbolic lines against the echo floor (worksheet/bench/echo_floor.c,
#     built here), which only writes each line and "[ans = line]": within 3
#     times its time
#   start-up on a one-line file against bc on the same file: no slower
#   peak memory of 300,000 definitions [vN = xK*N+y^2]: at most 200 bytes each
# Exits 1 when quorin misses a target.
#   worksheet/bench/compare-bc.sh [QUORIN] [LINES]
# QUORIN defaults to build/native/worksheet/cli/quorin, LINES to 100000.
# Needs hyperfine and a C compiler. The programs are timed in turns of a few
# runs each, so that both meet the same load on a shared machine; the
# figures are medians.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
quorin=${1:-$root/build/native/worksheet/cli/quorin}
lines=${2:-100000}
turns=5
runs_per_turn=5
definition_count=300000

for program in "$quorin" bc awk hyperfine cc; do
    if ! command -v "$program" >/dev/null; then
        echo "compare-bc: $program not found" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
arithmetic=$work/arithmetic.txt
symbolic=$work/symbolic.txt
quorin_applications=$work/quorin-applications.txt
bc_applications=$work/bc-applications.txt
builtins=$work/builtins.txt
groups=$work/groups.txt
definitions=$work/definitions.txt
one_line=$work/one-line.txt
echo_floor=$work/echo-floor
cc -O2 -o "$echo_floor" "$root/worksheet/bench/echo_floor.c"
echo "1+2*3" >"$one_line"

# Numbers from a fixed congruential sequence, so every machine times the
# same files: lines like 332+971*155-(405+332)*971+155^2, like
# a*34+b*52-(c+34)*2, applications of one definition to 100 to 999, like
# sqrt[x = 332]+sin[x = 971] and like (a+32)*(b-71)/(c+55).
awk -v count="$lines" -v work="$work" 'BEGIN {
    seed = 12345
    print "[f = x*x+2*x-1]" >work "/quorin-applications.txt"
    print "define f(x) { return (x*x+2*x-1); }" >work "/bc-applications.txt"
    for (line = 0; line < count; line++) {
        for (k = 0; k < 4; k++) {
            seed = (seed * 69069 + 1) % 4294967296
            n[k] = 100 + int(seed / 65536) % 900
        }
        printf "%d+%d*%d-(%d+%d)*%d+%d^2\n", n[0], n[1], n[2], n[3], n[0], n[1], n[2] >work "/arithmetic.txt"
        printf "a*%d+b*%d-(c+%d)*%d\n", n[0] % 100, n[1] % 100, n[2] % 100, n[3] % 100 >work "/symbolic.txt"
        printf "f[x = %d]\n", n[0] >work "/quorin-applications.txt"
        printf "f(%d)\n", n[0] >work "/bc-applications.txt"
        printf "sqrt[x = %d]+sin[x = %d]\n", n[0], n[1] >work "/builtins.txt"
        printf "(a+%d)*(b-%d)/(c+%d)\n", n[0] % 100, n[1] % 100, n[2] % 100 >work "/groups.txt"
    }
}'
awk -v count="$definition_count" 'BEGIN {
    for (n = 0; n < count; n++) printf "[v%d = x%d*%d+y^2]\n", n, n % 100, n
}' >"$definitions"
head -n "$lines" "$definitions" >"$work/definitions-timed.txt"

# Both must really answer every line: quorin prints each line and its answer.
expect_answers() {
    local answers
    answers=$("$quorin" "$1" | grep -c '^\[ans = ' || true)
    if [ "$answers" -ne "$lines" ]; then
        echo "compare-bc: quorin answered $answers of $lines lines of $1" >&2
        exit 2
    fi
}
expect_bc_answers() {
    if [ "$(bc -q <"$1" | wc -l)" -ne "$lines" ]; then
        echo "compare-bc: bc did not answer every line of $1" >&2
        exit 2
    fi
}
expect_answers "$arithmetic"
expect_answers "$symbolic"
expect_answers "$quorin_applications"
expect_answers "$builtins"
expect_answers "$groups"
expect_bc_answers "$arithmetic"
expect_bc_answers "$bc_applications"

# Median wall-clock milliseconds of a few runs of a command; with
# --shell=none it is started directly, else through the shell.
milliseconds() {
    hyperfine --style none --warmup 1 --runs "$runs_per_turn" --export-csv "$work/times.csv" "$@" \
        >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 2; }
    awk -F, 'NR == 2 { printf "%.2f", $4 * 1000 }' "$work/times.csv"
}

median() { # [DECIMALS]
    sort -g | awk -v decimals="${1:-1}" '{ value[NR] = $1 } END {
        printf "%.*f", decimals, NR % 2 ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2
    }'
}

# Races quorin on one file against another command; prints the medians and
# the ratio, and fails when the ratio misses the target. KIND "faster" asks
# the other to take TARGET times as long as quorin, "within" asks quorin to
# take at most TARGET times as long as the other.
race() {
    local title=$1 quorin_input=$2 other_name=$3 other=$4 kind=$5 target=$6
    local quorin_times=() other_times=() ratios=() quorin_time other_time
    for ((turn = 0; turn < turns; turn++)); do
        quorin_time=$(milliseconds --shell=none "'$quorin' '$quorin_input'")
        other_time=$(milliseconds --shell=none "$other")
        quorin_times+=("$quorin_time")
        other_times+=("$other_time")
        # Turned so that a larger ratio is the larger share of the target.
        ratios+=("$(awk -v q="$quorin_time" -v o="$other_time" -v kind="$kind" \
            'BEGIN { print kind == "faster" ? o / q : q / o }')")
    done
    echo "$title, $turns turns of $runs_per_turn runs each, medians:"
    printf '  %-7s %s ms\n' quorin "$(printf '%s\n' "${quorin_times[@]}" | median)"
    printf '  %-7s %s ms\n' "$other_name" "$(printf '%s\n' "${other_times[@]}" | median)"
    awk -v ratio="$(printf '%s\n' "${ratios[@]}" | median 3)" -v target="$target" -v kind="$kind" \
        -v other="$other_name" 'BEGIN {
        if (kind == "faster") {
            met = ratio >= target
            printf "  quorin is %.1f times as fast as %s (target: %g times): %s\n", ratio, other, target, met ? "met" : "NOT MET"
        } else {
            met = ratio <= target
            printf "  quorin takes %.2f times the time of %s (target: at most %g): %s\n", ratio, other, target, met ? "met" : "NOT MET"
        }
        exit met ? 0 : 1
    }'
}

bc_on() { # FILE
    echo "bc -q '$1'"
}

# Peak resident memory of quorin over the definitions, less that of quorin
# over one line, per definition.
memory_per_definition() {
    local full base
    full=$(/usr/bin/time -f %M "$quorin" --answers "$definitions" 2>&1 >/dev/null | tail -1)
    base=$(/usr/bin/time -f %M "$quorin" --answers "$one_line" 2>&1 >/dev/null | tail -1)
    awk -v full="$full" -v base="$base" -v count="$definition_count" 'BEGIN {
        bytes = (full - base) * 1024 / count
        printf "%d definitions [vN = xK*N+y^2], peak memory:\n", count
        printf "  quorin  %.1f MB, %.0f bytes a definition (target: at most 200): %s\n", full / 1024, bytes, bytes <= 200 ? "met" : "NOT MET"
        exit bytes <= 200 ? 0 : 1
    }'
}

missed=0
race "$lines arithmetic lines, both programs" "$arithmetic" bc "$(bc_on "$arithmetic")" faster 10 || missed=1
race "$lines applications of a definition" "$quorin_applications" bc "$(bc_on "$bc_applications")" faster 10 || missed=1
race "$lines symbolic lines against bc's $lines arithmetic lines" "$symbolic" bc "$(bc_on "$arithmetic")" faster 10 || missed=1
race "$lines lines of built-ins against bc's $lines arithmetic lines" "$builtins" bc "$(bc_on "$arithmetic")" faster 10 || missed=1
race "$lines groups over unbound names against bc's $lines arithmetic lines" "$groups" bc "$(bc_on "$arithmetic")" faster 10 || missed=1
race "$lines definitions against bc's $lines arithmetic lines" "$work/definitions-timed.txt" bc "$(bc_on "$arithmetic")" faster 10 || missed=1
race "$lines symbolic lines against the echo floor on the same file" "$symbolic" echo "'$echo_floor' '$symbolic'" within 3 || missed=1
race "Start-up: a one-line file" "$one_line" bc "$(bc_on "$one_line")" faster 1 || missed=1
memory_per_definition || missed=1
exit "$missed"
