# Cross build for 32-bit Windows with the Debian mingw-w64 tool chain, the twin of
# mingw-w64-x86_64.cmake: a 32-bit browser process on 64-bit Windows loads a 32-bit nubrix.dll.
# Its tests run under Wine's 32-bit loader (cmake/WineTests.cmake reads the pointer size).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Doubles computed in SSE2 registers, rounded to 64 bits at every step as on x86-64: with the x87
# unit's wider intermediates a product such as 1280 * 0.6 comes out just under 768 and truncates to
# 767, and the two DLLs would place the same window differently.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
