#!/bin/sh
# under-load.sh: the Windows tests of the 32-bit and the 64-bit cross build (built first, which is
# quick when they are up to date) while busy processes, one per core, keep every core loaded, as
# on a busy machine. Prints each build's counts and time, then "N passed, N failed". The busy
# processes are ended by their ids when the script ends, however it ends; an interrupted script
# also ends its test run and the Wine and X servers of the test prefixes.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
sh "$root/scripts/setup.sh" || exit 1
. "$root/scripts/ctest-runs.sh"

busy=""
tests=""
stop_load() {
    for pid in $busy; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    busy=""
}
# The test run, in a process group of its own (ctest and the Wine programs under it), the Wine
# server and X server of each prefix it was using (an ended run leaves them to no cleanup test),
# and the busy processes.
stop_all() {
    if [ -n "$tests" ]; then
        kill -s TERM -- "-$tests" 2>/dev/null || true
        # Whatever of the group has not ended after ten seconds is killed.
        for _ in $(seq 100); do
            kill -0 -- "-$tests" 2>/dev/null || break
            sleep 0.1
        done
        kill -s KILL -- "-$tests" 2>/dev/null || true
        wait "$tests" 2>/dev/null || true
        for build in windows32 windows; do
            sh "$root/tests/windows/wine-prefix.sh" cleanup "$root/build/$build/wine-prefix" \
                >/dev/null 2>&1 || true
        done
    fi
    tests=""
    stop_load
}
trap stop_all EXIT
trap 'stop_all; exit 130' INT
trap 'stop_all; exit 143' TERM HUP

build_one windows32 && build_one windows || exit 1

cores=$(nproc 2>/dev/null || echo 2)
[ "$cores" -ge 2 ] || cores=2
for _ in $(seq "$cores"); do
    sh -c 'while :; do :; done' &
    busy="$busy $!"
done
echo "== Loading $cores cores (busy processes$busy)"

# The script waits for the tests rather than running them itself, so that it takes a signal at
# once.
load_started=$(date +%s)
counts="$logs/under-load.counts"
rm -f "$counts"
setsid sh -c 'root=$1
    . "$root/scripts/ctest-runs.sh"
    test_one windows32
    test_one windows
    echo "$passed $failed" >"$2"' sh "$root" "$counts" &
tests=$!
wait "$tests" || true
tests=""
stop_load
if [ -s "$counts" ]; then
    read -r passed failed <"$counts"
else
    failed=$((failed + 1))
fi
echo "$passed passed, $failed failed in $(($(date +%s) - load_started)) s under load"
if [ "$failed" -ne 0 ]; then
    # The next run writes the same log files: a failed run's are kept apart.
    kept="$logs/under-load-failed-$(date +%Y%m%d-%H%M%S)"
    mkdir -p "$kept"
    cp "$logs"/test-windows32.log "$logs"/test-windows.log "$kept/" 2>/dev/null || true
    echo "(the test logs of this run: $kept)"
fi
[ "$failed" -eq 0 ]
