#!/bin/sh
# bench/windows/wine-bench.sh: figures of the real nubrix.dll under 64-bit Wine, run from the
# repository root (as root on Debian 12 after scripts/setup.sh). Builds build/bench-windows
# (Release) if needed, makes a throwaway Wine prefix with its own headless X server, installs and
# registers the DLL there as the demo does, and runs wine-bench.exe twice, one process each:
# latency (Click to dialog, many runs per command) and memory and handles (before and after
# 10,000 Clicks). Prints only markdown table rows on stdout, `| figure | value | goal | met |`;
# progress and diagnostics go to stderr. Takes about 5 to 8 minutes, most of it the 10,000 Clicks.
#
# Environment: TANDREL_BENCH_RUNS (latency runs per command, 200), TANDREL_BENCH_CLICKS (10000).
set -eu

if [ ! -f bench/windows/wine-bench.sh ] || [ ! -f tests/windows/wine-prefix.sh ]; then
    echo "wine-bench.sh: run it from the repository root" >&2
    exit 2
fi
root=$(pwd)
build="$root/build/bench-windows"
runs=${TANDREL_BENCH_RUNS:-200}
clicks=${TANDREL_BENCH_CLICKS:-10000}

say() { echo "wine-bench: $*" >&2; }

# The build: configured once, brought up to date every time (quick when nothing changed).
if [ ! -f "$build/CMakeCache.txt" ]; then
    say "configuring $build (Release)"
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >&2
fi
say "building nubrix.dll and wine-bench.exe"
cmake --build "$build" --target nubrix tandrel_wine_bench -j2 >&2
dll="$build/src/nubrix.dll"
bench="$build/bench/windows/wine-bench.exe"

# A prefix of our own, removed whatever happens.
prefix=$(mktemp -d /tmp/tandrel-wine-bench.XXXXXX)
cleanup() {
    sh "$root/tests/windows/wine-prefix.sh" cleanup "$prefix" >/dev/null 2>&1 || true
    rm -rf "$prefix"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
say "setting up a Wine prefix in $prefix"
sh "$root/tests/windows/wine-prefix.sh" setup "$prefix" >&2
. "$root/tests/windows/wine-env.sh"
DISPLAY="$(cat "$prefix/.display")"
export DISPLAY

# Installed and registered as the demo does: the browser finds it through the registry.
install_dir="$prefix/drive_c/Program Files/Veltrane Tandrel"
mkdir -p "$install_dir"
cp "$dll" "$install_dir/"
cp "$root/src/resources/help/"*.htm "$install_dir/"
"$WINE" regsvr32 /s 'C:\Program Files\Veltrane Tandrel\nubrix.dll' >"$prefix/.regsvr32" 2>&1 || {
    cat "$prefix/.regsvr32" >&2
    say "regsvr32 failed"
    exit 1
}

# run NAME ARGS...: one measurement in its own process. Wine's helper processes keep inherited
# output open, so the output goes to files; the rows are copied to stdout, the rest to stderr.
status=0
run() {
    name=$1
    shift
    out="$prefix/.$name.out"
    err="$prefix/.$name.err"
    rc=0
    "$WINE" "$bench" "$@" >"$out" 2>"$err" </dev/null || rc=$?
    grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'add-architecture' -e 'install wine32' \
        "$err" | tr -d '\r' >&2 || true
    tr -d '\r' <"$out" | grep '^| ' || true
    if [ "$rc" -ne 0 ]; then
        say "$name: wine-bench.exe exited with $rc"
        status=1
    fi
}

start=$(date +%s)
say "latency: $runs runs per command after 5 warm-up runs"
run latency --latency "$runs" --warmup 5
say "memory and handles: $clicks Clicks after 50 warm-up Clicks"
run memory --memory "$clicks" --warmup 50 --tag "wine-bench-$$"
say "done in $(($(date +%s) - start)) s (builds and prefix excluded)"
exit $status
