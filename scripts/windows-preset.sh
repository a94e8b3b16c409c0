#!/usr/bin/env bash
# Prints the preset of the Windows build that this host runs under Wine:
# mingw, the 32-bit release under 32-bit Wine, where the kernel runs 32-bit
# programs; elsewhere mingw64, its 64-bit twin under 64-bit Wine (saying why
# on standard error).
set -uo pipefail

if bash "$(dirname "$0")/host-runs-32bit.sh"; then
    echo mingw
else
    echo "windows-preset: so the 64-bit twin (preset mingw64) runs under 64-bit Wine instead" >&2
    echo mingw64
fi
