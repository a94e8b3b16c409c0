# The engine and the worksheet core built as 32-bit x86 Linux programs: the
# data model of the 32-bit Windows release (4-byte pointers and longs, SSE2
# doubles) on a host that may not run 32-bit code at all. The tests run
# under qemu's user-mode emulator, which needs no kernel support.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
# SSE2 doubles as in the Windows toolchain: the x87 unit's wider registers
# would give answers that differ in their last bits.
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")

# Debian's multiarch folders for i386: libedit-dev:i386 and its pkg-config file.
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/i386-linux-gnu/pkgconfig:/usr/share/pkgconfig")

# -L /: the 32-bit loader and libraries are the host's own multiarch ones.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /)
