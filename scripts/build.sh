#!/bin/sh
# build.sh native|wasm|extension|windows|windows32|sanitize|fuzz: configures and builds one of the
# builds under build/ (with Ninja). wasm is the WebAssembly build (Debian's emscripten), run by
# node; it also builds the sanitize build's tandrel_numbers, whose output its number check compares
# with its own, and the browser extension (build/wasm/extension, build/wasm/tandrel-extension.zip).
# extension builds only the extension of the WebAssembly build. windows32 is the 32-bit cross
# build; windows, the 64-bit one, also makes the installer when the 32-bit build is there (it
# carries both DLLs and both builds of the extension's host). sanitize is the native build with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang), with the fuzz targets of fuzz/; fuzz
# builds those targets alone (build/fuzz, for scripts/fuzz).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# configure DIR [OPTION...]: cmake with Ninja (its finer schedule keeps both processors busy across
# targets). A folder configured earlier with another generator is configured afresh.
configure() {
    dir=$1
    shift
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    fi
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
}

# The sanitize build also makes the fuzz targets, from the same compile of the core.
configure_sanitize() {
    configure "$root/build/sanitize" -DTANDREL_SANITIZE=ON -DTANDREL_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
}
case "${1:-}" in
native)
    configure "$root/build/native"
    cmake --build "$root/build/native" -j "$jobs"
    ;;
wasm)
    [ -f "$root/build/sanitize/build.ninja" ] || configure_sanitize
    cmake --build "$root/build/sanitize" -j "$jobs" --target tandrel_numbers
    configure "$root/build/wasm" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DTANDREL_NATIVE_NUMBERS="$root/build/sanitize/tests/numbers/tandrel_numbers"
    cmake --build "$root/build/wasm" -j "$jobs"
    ;;
extension)
    configure "$root/build/wasm" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake" \
        -DCMAKE_BUILD_TYPE=Release
    cmake --build "$root/build/wasm" -j "$jobs" --target extension
    ;;
windows)
    build32="$root/build/windows32"
    dll32="" standin32="" host32=""
    if [ -f "$build32/src/nubrix.dll" ] && [ -f "$build32/tests/standin/standin.exe" ]; then
        dll32="$build32/src/nubrix.dll" standin32="$build32/tests/standin/standin.exe"
        host32="$build32/tools/host/tandrel-host.exe"
    fi
    configure "$root/build/windows" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DTANDREL_DLL32="$dll32" -DTANDREL_STANDIN32="$standin32" \
        -DTANDREL_HOST32="$host32"
    cmake --build "$root/build/windows" -j "$jobs"
    ;;
windows32)
    configure "$root/build/windows32" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake"
    cmake --build "$root/build/windows32" -j "$jobs"
    ;;
sanitize)
    configure_sanitize
    cmake --build "$root/build/sanitize" -j "$jobs"
    ;;
fuzz)
    configure "$root/build/fuzz" -DTANDREL_FUZZ=ON -DBUILD_TESTING=OFF \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
    # shellcheck disable=SC2046
    cmake --build "$root/build/fuzz" -j "$jobs" --target $(cd "$root/fuzz/corpus" && ls)
    ;;
*)
    echo "usage: build.sh native|wasm|extension|windows|windows32|sanitize|fuzz" >&2
    exit 2
    ;;
esac
