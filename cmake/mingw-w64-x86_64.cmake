# Cross build for 64-bit Windows with the Debian mingw-w64 tool chain. Everything is linked
# statically, so the programs and the DLL need only system DLLs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
