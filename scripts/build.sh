#!/bin/sh
# build.sh native|wasm|extension|windows|windows32|sanitize: configures and builds one of the
# builds under build/. wasm is the WebAssembly build (Debian's emscripten), run by node; it also
# builds the native build's tandrel_numbers, whose output its number check compares with its own,
# and the browser extension (build/wasm/extension, build/wasm/tandrel-extension.zip). extension
# builds only the extension of the WebAssembly build.
# windows32 is the 32-bit cross build; windows, the 64-bit one, also makes the installer when the
# 32-bit build is there (it carries both DLLs and both builds of the extension's host). sanitize is the native build with AddressSanitizer
# and UndefinedBehaviorSanitizer (clang).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
case "${1:-}" in
native)
    cmake -S "$root" -B "$root/build/native" >/dev/null
    cmake --build "$root/build/native" -j "$jobs"
    ;;
wasm)
    cmake -S "$root" -B "$root/build/native" >/dev/null
    cmake --build "$root/build/native" -j "$jobs" --target tandrel_numbers
    cmake -S "$root" -B "$root/build/wasm" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DTANDREL_NATIVE_NUMBERS="$root/build/native/tests/numbers/tandrel_numbers" >/dev/null
    cmake --build "$root/build/wasm" -j "$jobs"
    ;;
extension)
    cmake -S "$root" -B "$root/build/wasm" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$root/build/wasm" -j "$jobs" --target extension
    ;;
windows)
    build32="$root/build/windows32"
    dll32="" standin32="" host32=""
    if [ -f "$build32/src/nubrix.dll" ] && [ -f "$build32/tests/standin/standin.exe" ]; then
        dll32="$build32/src/nubrix.dll" standin32="$build32/tests/standin/standin.exe"
        host32="$build32/tools/host/tandrel-host.exe"
    fi
    cmake -S "$root" -B "$root/build/windows" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DTANDREL_DLL32="$dll32" -DTANDREL_STANDIN32="$standin32" \
        -DTANDREL_HOST32="$host32" >/dev/null
    cmake --build "$root/build/windows" -j "$jobs"
    ;;
windows32)
    cmake -S "$root" -B "$root/build/windows32" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" >/dev/null
    cmake --build "$root/build/windows32" -j "$jobs"
    ;;
sanitize)
    cmake -S "$root" -B "$root/build/sanitize" -DTANDREL_SANITIZE=ON \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
    cmake --build "$root/build/sanitize" -j "$jobs"
    ;;
*)
    echo "usage: build.sh native|wasm|extension|windows|windows32|sanitize" >&2
    exit 2
    ;;
esac
