#!/usr/bin/env bash
# Exits 0 when this host's kernel runs 32-bit x86 programs itself, as 32-bit
# Wine needs. Some virtual machines switch that off (execve of an i386 program
# fails with ENOEXEC); a qemu-i386 handler in binfmt_misc would then take
# over, but the whole 32-bit Wine under emulation is far too slow for the
# test suite, so it does not count (scripts/run-release-32bit.sh runs only
# the programs' own processes that way).
set -uo pipefail

for handler in /proc/sys/fs/binfmt_misc/*; do
    if grep -qs '^interpreter .*qemu-i386' "$handler" && grep -qsx 'enabled' "$handler"; then
        echo "host-runs-32bit: $handler hands 32-bit programs to an emulator" >&2
        exit 1
    fi
done

loader=/lib/ld-linux.so.2
if [ ! -e "$loader" ]; then
    echo "host-runs-32bit: no 32-bit loader ($loader): the i386 packages are missing" >&2
    exit 1
fi
if ! "$loader" --version >/dev/null 2>&1; then
    echo "host-runs-32bit: the kernel refuses 32-bit programs ($loader: exec format error)" >&2
    exit 1
fi
