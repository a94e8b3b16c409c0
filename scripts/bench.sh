#!/usr/bin/env bash
# Builds the release configuration with the benchmarks (build/bench) and
# prints the engine's figures and the whole-process race against GNU bc.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
build/bench/engine/bench/engine_bench --benchmark_min_time=1
echo
bash worksheet/bench/compare-bc.sh build/bench/worksheet/cli/quorin
