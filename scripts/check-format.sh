#!/usr/bin/env bash
# Fails when a C or C++ file of the project strays from .clang-format.
# Vendored sources under third_party/ keep their own style.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -- '*.c' '*.cpp' '*.h' ':!:third_party/**' | xargs clang-format --dry-run -Werror
