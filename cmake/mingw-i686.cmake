# Cross build for 32-bit Windows with MinGW-w64: the release. Its programs
# run under 32-bit Wine, where the host's kernel runs 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(mingw_triplet i686-w64-mingw32)

# Doubles in SSE registers, rounded to double after every operation as on
# every 64-bit build: the x87 unit's wider registers would give answers that
# differ in their last bits from Linux, and from one expression to the next.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-windows.cmake)
