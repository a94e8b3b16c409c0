#!/usr/bin/env bash
# Builds the fuzz preset (build/fuzz) and runs the engine fuzzer for the given
# number of seconds (default 60) from a copy of the seed corpus. Fails on any
# crash, sanitizer report, leak, or line slower than a second; the input that
# did it is kept in build/fuzz/artifacts/.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build/fuzz

cmake --preset fuzz >/dev/null
cmake --build "$build" --target engine_fuzzer -j2

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp engine/fuzz/corpus/* "$corpus"/
mkdir -p "$build/artifacts"

# Inputs run to twice the worksheet's line length, so lines the worksheet
# would never pass are covered as well.
"$build/engine/fuzz/engine_fuzzer" "$corpus" \
    -max_total_time="$seconds" \
    -timeout=1 \
    -rss_limit_mb=2048 \
    -max_len=4096 \
    -artifact_prefix="$build/artifacts/" \
    -print_final_stats=1
