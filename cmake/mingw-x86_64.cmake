# Cross build of the same sources for 64-bit Windows: the twin of the 32-bit
# release, which 64-bit Wine runs where the host's kernel runs no 32-bit
# programs. It is tested, never shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triplet x86_64-w64-mingw32)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-windows.cmake)
