#!/usr/bin/env bash
# Times quorin against GNU bc, whole process against whole process, on three
# workloads, and prints both figures and their ratio for each:
#   arithmetic    the same file of arithmetic lines (target: 10 times as fast)
#   symbolic      quorin on lines over unbound names, like a*34+b*52-(c+34)*2,
#                 against bc on the arithmetic lines (target: as fast)
#   applications  quorin's [f = x*x+2*x-1] and f[x = N] against bc's
#                 define f(x) and f(N) (target: 10 times as fast)
# Exits 1 when quorin misses a target.
#   worksheet/bench/compare-bc.sh [QUORIN] [LINES]
# QUORIN defaults to build/native/worksheet/cli/quorin, LINES to 100000.
# Needs hyperfine. The two programs are timed in turns of a few runs each, so
# that both meet the same load on a shared machine; the figures are medians.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
quorin=${1:-$root/build/native/worksheet/cli/quorin}
lines=${2:-100000}
turns=7
runs_per_turn=5

for program in "$quorin" bc awk hyperfine; do
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

# Numbers from a fixed congruential sequence, so every machine times the
# same files: lines like 332+971*155-(405+332)*971+155^2, like
# a*34+b*52-(c+34)*2, and applications of one definition to 100 to 999.
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
    }
}'

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
expect_bc_answers "$arithmetic"
expect_bc_answers "$bc_applications"

# Median wall-clock milliseconds of a few runs of a command; with
# --shell=none it is started directly, else through the shell.
milliseconds() {
    hyperfine --style none --warmup 1 --runs "$runs_per_turn" --export-csv "$work/times.csv" "$@" \
        >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 2; }
    awk -F, 'NR == 2 { printf "%.2f", $4 * 1000 }' "$work/times.csv"
}

median() {
    sort -g | awk '{ value[NR] = $1 } END { printf "%.1f", NR % 2 ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'
}

# Races quorin on one file against bc on another; prints the medians and
# the ratio, and fails when the ratio misses the target.
compare() {
    local title=$1 quorin_input=$2 bc_input=$3 target=$4
    local quorin_times=() bc_times=() ratios=() quorin_time bc_time
    for ((turn = 0; turn < turns; turn++)); do
        quorin_time=$(milliseconds --shell=none "'$quorin' '$quorin_input'")
        bc_time=$(milliseconds "bc -q <'$bc_input'")
        quorin_times+=("$quorin_time")
        bc_times+=("$bc_time")
        ratios+=("$(awk -v q="$quorin_time" -v b="$bc_time" 'BEGIN { print b / q }')")
    done
    echo "$title, $turns turns of $runs_per_turn runs each, medians:"
    echo "  quorin  $(printf '%s\n' "${quorin_times[@]}" | median) ms"
    echo "  bc      $(printf '%s\n' "${bc_times[@]}" | median) ms"
    awk -v ratio="$(printf '%s\n' "${ratios[@]}" | median)" -v target="$target" 'BEGIN {
        printf "  quorin is %.1f times as fast as bc, median of the turns (target: %g)\n", ratio, target
        exit ratio >= target ? 0 : 1
    }'
}

missed=0
compare "$lines arithmetic lines, both programs" "$arithmetic" "$arithmetic" 10 || missed=1
compare "$lines symbolic lines against bc's $lines arithmetic lines" "$symbolic" "$arithmetic" 1 || missed=1
compare "$lines applications of a definition" "$quorin_applications" "$bc_applications" 10 || missed=1
exit "$missed"
