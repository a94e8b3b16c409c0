#!/usr/bin/env bash
# Builds the Windows program and takes the README's screenshots into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target QuorinUI worvane_probe >/dev/null
suite_dir="$PWD/build/screenshots"
bash worksheet/e2e/suite.sh start "$suite_dir"
trap 'bash worksheet/e2e/suite.sh stop "$suite_dir"' EXIT
bash worksheet/e2e/screenshots.sh "$suite_dir" build/mingw/bin/QuorinUI.exe build/mingw/bin/worvane_probe.exe docs
