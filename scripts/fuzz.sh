#!/usr/bin/env bash
# Builds the fuzz preset (build/fuzz) and runs one fuzzer for the given number
# of seconds. Fails on any crash, sanitizer report, leak, or input slower than
# its time limit; the input that did it is kept in build/fuzz/artifacts/.
#   scripts/fuzz.sh TARGET SECONDS [CORPUS_DIR]
# TARGET is engine (the expression engine) or worksheet (the worksheet core).
# The inputs the fuzzer finds go to CORPUS_DIR (also taken from
# QUORIN_FUZZ_CORPUS), which is kept for the next run, so that longer
# campaigns build on each other; without one they go to a throwaway folder.
# The seeds in the repository are only read.
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: scripts/fuzz.sh engine|worksheet SECONDS [CORPUS_DIR]"
target="${1:?$usage}"
seconds="${2:?$usage}"
corpus="${3:-${QUORIN_FUZZ_CORPUS:-}}"
# Absolute paths: the worksheet fuzzer works in a folder of its own.
build="$PWD/build/fuzz"

case "$target" in
engine)
    # An input is one line; twice the worksheet's 2,047 characters and more
    # cover lines it would never pass.
    seeds="$PWD/engine/fuzz/corpus"
    time_limit=1
    ;;
worksheet)
    # An input is up to eight files: room for several lines longer than a
    # slot, across the loader's blocks of 2,048 bytes.
    seeds="$PWD/worksheet/fuzz/corpus"
    time_limit=10
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac

cmake --preset fuzz >/dev/null
cmake --build "$build" --target "${target}_fuzzer" -j2

if [ -z "$corpus" ]; then
    corpus="$(mktemp -d)"
    trap 'rm -rf "$corpus"' EXIT
fi
mkdir -p "$corpus" "$build/artifacts"
corpus="$(cd "$corpus" && pwd)"

# Lengths are tried up to the bound from the start, not grown slowly from
# the seeds' sizes.
"$build/$target/fuzz/${target}_fuzzer" "$corpus" "$seeds" \
    -max_total_time="$seconds" \
    -timeout="$time_limit" \
    -rss_limit_mb=2048 \
    -max_len=8192 \
    -len_control=0 \
    -artifact_prefix="$build/artifacts/" \
    -print_final_stats=1
