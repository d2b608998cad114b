#!/bin/sh
# build.sh native|windows|sanitize: configures and builds one of the builds under build/; sanitize
# is the native build with AddressSanitizer and UndefinedBehaviorSanitizer (clang).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
case "${1:-}" in
native)
    cmake -S "$root" -B "$root/build/native" >/dev/null
    cmake --build "$root/build/native" -j "$jobs"
    ;;
windows)
    cmake -S "$root" -B "$root/build/windows" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$root/build/windows" -j "$jobs"
    ;;
sanitize)
    cmake -S "$root" -B "$root/build/sanitize" -DTANDREL_SANITIZE=ON \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
    cmake --build "$root/build/sanitize" -j "$jobs"
    ;;
*)
    echo "usage: build.sh native|windows|sanitize" >&2
    exit 2
    ;;
esac
