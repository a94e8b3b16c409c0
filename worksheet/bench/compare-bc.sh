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
runs=10
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

# Mean wall-clock milliseconds of one run of a shell command.
mean_milliseconds() {
    if command -v hyperfine >/dev/null; then
        hyperfine --style none --warmup 2 --runs "$runs" --export-csv "$work/times.csv" "$1" \
            >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 2; }
        awk -F, 'NR == 2 { printf "%.1f", $2 * 1000 }' "$work/times.csv"
    else
        local start end
        start=$(date +%s%N)
        for _ in $(seq "$runs"); do
            sh -c "$1"
        done
        end=$(date +%s%N)
        awk -v ns=$((end - start)) -v runs="$runs" 'BEGIN { printf "%.1f", ns / runs / 1e6 }'
    fi
}

quorin_ms=$(mean_milliseconds "'$quorin' '$input' >/dev/null")
bc_ms=$(mean_milliseconds "bc -q <'$input' >/dev/null")

echo "$lines lines, mean of $runs runs:"
echo "  quorin  $quorin_ms ms"
echo "  bc      $bc_ms ms"
awk -v quorin="$quorin_ms" -v bc="$bc_ms" -v target="$target" 'BEGIN {
    ratio = bc / quorin
    printf "  quorin is %.1f times as fast as bc (target: %d)\n", ratio, target
    exit ratio >= target ? 0 : 1
}'
