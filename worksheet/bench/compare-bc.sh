#!/usr/bin/env bash
# Times quorin against GNU bc on the same file of arithmetic lines, whole
# process against whole process, and prints both figures and their ratio.
# Exits 1 when quorin is not at least 10 times faster.
#   worksheet/bench/compare-bc.sh [QUORIN] [LINES]
# QUORIN defaults to build/native/worksheet/cli/quorin, LINES to 100000.
# Uses hyperfine when it is installed, else repeated runs timed with date.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
quorin=${1:-$root/build/native/worksheet/cli/quorin}
lines=${2:-100000}
runs=20
target=10

for program in "$quorin" bc awk; do
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

# Median and mean wall-clock milliseconds of one run of a command; with
# --no-shell, the command is started directly. On a shared machine the median
# is the steadier figure of the two.
milliseconds() {
    if command -v hyperfine >/dev/null; then
        hyperfine --style none --warmup 3 --runs "$runs" --export-csv "$work/times.csv" "$@" \
            >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 2; }
        awk -F, 'NR == 2 { printf "%.1f %.1f", $4 * 1000, $2 * 1000 }' "$work/times.csv"
    else
        local start end command="${!#}"
        start=$(date +%s%N)
        for _ in $(seq "$runs"); do
            sh -c "$command"
        done
        end=$(date +%s%N)
        awk -v ns=$((end - start)) -v runs="$runs" 'BEGIN { m = ns / runs / 1e6; printf "%.1f %.1f", m, m }'
    fi
}

read -r quorin_median quorin_mean <<<"$(milliseconds --shell=none "'$quorin' '$input'")"
read -r bc_median bc_mean <<<"$(milliseconds "bc -q <'$input' >/dev/null")"

echo "$lines lines, $runs runs each, median (mean):"
echo "  quorin  $quorin_median ms ($quorin_mean ms)"
echo "  bc      $bc_median ms ($bc_mean ms)"
awk -v quorin="$quorin_median" -v bc="$bc_median" -v target="$target" 'BEGIN {
    ratio = bc / quorin
    printf "  quorin is %.1f times as fast as bc (target: %d)\n", ratio, target
    exit ratio >= target ? 0 : 1
}'
