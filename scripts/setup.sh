#!/usr/bin/env bash
# Installs everything the builds and tests need on a bare Debian machine.
# Idempotent: does nothing when all is in place. Needs root (or sudo).
set -euo pipefail

native_packages=(
    cmake ninja-build g++ clang clang-format libclang-rt-14-dev
    libgtest-dev googletest libbenchmark-dev bc hyperfine pkg-config libedit-dev
)
# The 32-bit release and its 64-bit twin, and the Wine of each.
windows_packages=(
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools wine wine32:i386 wine64
    xvfb xdotool imagemagick fonts-ipafont-gothic locales zip
)
# The 32-bit data model on any host: the engine and the worksheet built as
# i386 Linux programs and run by qemu's user-mode emulator, which also runs
# the 32-bit release under the 64-bit Wine where the kernel runs no 32-bit code.
i386_packages=(g++-multilib libedit-dev:i386 qemu-user wine64)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            echo "$package"
    done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    as_root apt-get update -qq
fi

mapfile -t missing < <(missing_packages "${native_packages[@]}" "${windows_packages[@]}" "${i386_packages[@]}")
if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    # Without recommends: fonts-wine would replace the default font by a
    # bitmap font that draws kanji as boxes.
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# qemu before 8.1 searches the emulated address space page by page on every
# mmap: a 32-bit Wine program then takes a minute to start, not seconds.
# Debian 12 has 7.2; its backports have a newer one.
emulator_is_recent() {
    local version
    version="$(qemu-i386 --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\.[0-9]*\).*/\1/p')"
    [ -n "$version" ] && printf '8.1\n%s\n' "$version" | sort -V -C
}
if ! emulator_is_recent && grep -qx 'VERSION_CODENAME=bookworm' /etc/os-release; then
    echo "setup: installing qemu-user from bookworm-backports"
    echo 'deb http://deb.debian.org/debian bookworm-backports main' |
        as_root tee /etc/apt/sources.list.d/bookworm-backports.list >/dev/null
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user
fi

# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    as_root sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
