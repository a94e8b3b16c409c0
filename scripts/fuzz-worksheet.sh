#!/usr/bin/env bash
# Builds the fuzz preset (build/fuzz) and runs the worksheet core's fuzzer
# for the given number of seconds (default 30) from a copy of its seed
# corpus. Fails on any crash, sanitizer report, leak, or input slower than
# ten seconds; the input that did it is kept in build/fuzz/artifacts/.
#   scripts/fuzz-worksheet.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
# Absolute: the fuzzer works in a folder of its own.
build="$PWD/build/fuzz"

cmake --preset fuzz >/dev/null
cmake --build "$build" --target worksheet_fuzzer -j2

corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
cp worksheet/fuzz/corpus/* "$corpus"/
mkdir -p "$build/artifacts"

# Long enough for several files and lines beyond a slot's 2047 characters.
"$build/worksheet/fuzz/worksheet_fuzzer" "$corpus" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -max_len=8192 \
    -artifact_prefix="$build/artifacts/" \
    -print_final_stats=1
