#!/bin/sh
# build.sh native|windows: configures and builds one of the two builds under build/.
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
*)
    echo "usage: build.sh native|windows" >&2
    exit 2
    ;;
esac
