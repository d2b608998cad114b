#!/bin/sh
# under-load.sh: the Windows tests of the 32-bit and the 64-bit cross build (built first, which is
# quick when they are up to date) while busy processes, one per core, keep every core loaded, as
# on a busy machine. Prints each build's counts and time, then "N passed, N failed". The busy
# processes are ended by their ids when the script ends, however it ends.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
sh "$root/scripts/setup.sh" || exit 1
. "$root/scripts/ctest-runs.sh"

busy=""
stop_load() {
    for pid in $busy; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    busy=""
}
trap stop_load EXIT
trap 'stop_load; exit 130' INT
trap 'stop_load; exit 143' TERM HUP

build_one windows32 && build_one windows || exit 1

cores=$(nproc 2>/dev/null || echo 2)
[ "$cores" -ge 2 ] || cores=2
for _ in $(seq "$cores"); do
    sh -c 'while :; do :; done' &
    busy="$busy $!"
done
echo "== Loading $cores cores (busy processes$busy)"

load_started=$(date +%s)
test_one windows32
test_one windows
stop_load
echo "$passed passed, $failed failed in $(($(date +%s) - load_started)) s under load"
[ "$failed" -eq 0 ]
