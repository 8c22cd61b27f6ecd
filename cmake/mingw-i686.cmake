# Cross build for 32-bit Windows (the shipped program) with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QM_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Double arithmetic in SSE2 registers, rounded to double at every step as in the
# 64-bit and native builds: the x87's 80-bit intermediates would let a level value
# that lies a hair below a whole number in double arithmetic reach it instead.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# The full 4 GB of address space under 64-bit Windows: a large band needs room for its
# pixels and the display buffer. Offsets are 64-bit and no pointer passes through
# a signed integer, so addresses above 2 GB are safe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--large-address-aware")
