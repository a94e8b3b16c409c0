#!/usr/bin/env bash
# Builds the fuzz preset (build/fuzz) and runs the engine fuzzer for the given
# number of seconds (default 60) from the seed corpus. Fails on any crash,
# sanitizer report, leak, or input slower than a second; the input that did
# it is kept in build/fuzz/artifacts/.
#   scripts/fuzz.sh [seconds] [corpus directory]
# The inputs the fuzzer finds go to the corpus directory (also taken from
# QUORIN_FUZZ_CORPUS), which is kept for the next run, so that longer
# campaigns build on each other; without one they go to a throwaway directory.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
corpus="${2:-${QUORIN_FUZZ_CORPUS:-}}"
build=build/fuzz

cmake --preset fuzz >/dev/null
cmake --build "$build" --target engine_fuzzer -j2

if [ -z "$corpus" ]; then
    corpus="$(mktemp -d)"
    trap 'rm -rf "$corpus"' EXIT
fi
mkdir -p "$corpus" "$build/artifacts"

# Inputs run to twice the worksheet's line length, so lines the worksheet
# would never pass are covered as well; lengths are tried up to that bound
# from the start, and the seeds include lines of the worksheet's full
# 2,047 characters.
"$build/engine/fuzz/engine_fuzzer" "$corpus" engine/fuzz/corpus \
    -max_total_time="$seconds" \
    -timeout=1 \
    -rss_limit_mb=2048 \
    -max_len=4096 \
    -len_control=0 \
    -artifact_prefix="$build/artifacts/" \
    -print_final_stats=1
