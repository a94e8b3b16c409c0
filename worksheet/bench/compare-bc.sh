#!/usr/bin/env bash
# Times quorin against GNU bc on the same file of arithmetic lines, whole
# process against whole process, and prints both figures and their ratio.
# Exits 1 when quorin is not at least 10 times faster.
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
target=10

for program in "$quorin" bc awk hyperfine; do
    if ! command -v "$program" >/dev/null; then
        echo "compare-bc: $program not found" >&2
        exit 2
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/lines.txt

# Lines like 332+971*155-(405+332)*971+155^2 from a fixed congruential
# sequence, so every machine times the same file.
awk -v count="$lines" 'BEGIN {
    seed = 12345
    for (line = 0; line < count; line++) {
        for (k = 0; k < 4; k++) {
            seed = (seed * 69069 + 1) % 4294967296
            n[k] = 100 + int(seed / 65536) % 900
        }
        printf "%d+%d*%d-(%d+%d)*%d+%d^2\n", n[0], n[1], n[2], n[3], n[0], n[1], n[2]
    }
}' >"$input"

# Both must really answer every line: quorin prints each line and its answer.
answers=$("$quorin" "$input" | grep -c '^\[ans = ' || true)
if [ "$answers" -ne "$lines" ]; then
    echo "compare-bc: quorin answered $answers of $lines lines" >&2
    exit 2
fi
if [ "$(bc -q <"$input" | wc -l)" -ne "$lines" ]; then
    echo "compare-bc: bc did not answer every line" >&2
    exit 2
fi

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

quorin_times=()
bc_times=()
ratios=()
for ((turn = 0; turn < turns; turn++)); do
    quorin_time=$(milliseconds --shell=none "'$quorin' '$input'")
    bc_time=$(milliseconds "bc -q <'$input'")
    quorin_times+=("$quorin_time")
    bc_times+=("$bc_time")
    ratios+=("$(awk -v q="$quorin_time" -v b="$bc_time" 'BEGIN { print b / q }')")
done
quorin_median=$(printf '%s\n' "${quorin_times[@]}" | median)
bc_median=$(printf '%s\n' "${bc_times[@]}" | median)
ratio_median=$(printf '%s\n' "${ratios[@]}" | median)

echo "$lines lines, $turns turns of $runs_per_turn runs each, medians:"
echo "  quorin  $quorin_median ms"
echo "  bc      $bc_median ms"
awk -v ratio="$ratio_median" -v target="$target" 'BEGIN {
    printf "  quorin is %.1f times as fast as bc, median of the turns (target: %d)\n", ratio, target
    exit ratio >= target ? 0 : 1
}'
