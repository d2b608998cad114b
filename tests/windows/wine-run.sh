#!/bin/sh
# wine-run.sh PREFIX PROGRAM [ARGS...]: runs a Windows program in the test prefix and exits with
# its exit code. wine-run.sh PREFIX --shell SCRIPT [ARGS...]: runs a shell script in that
# environment instead.
set -eu
prefix=$1
shift
. "$(dirname "$0")/wine-env.sh"
if [ -f "$prefix/.display" ]; then
    DISPLAY="$(cat "$prefix/.display")"
    export DISPLAY
fi
# Wine leaves helper processes (services, the desktop) running after the program; they inherit
# its output, so a pipe to ctest would stay open until they end. Collect the output in a file.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
if [ "$1" = "--shell" ]; then
    shift
    sh "$@" >"$log" 2>&1 </dev/null || status=$?
else
    "$WINE" "$@" >"$log" 2>&1 </dev/null || status=$?
fi
# Wine's own complaints about the missing 32-bit half are noise here.
grep -v -e 'wine32 is missing' -e 'multiarch needs to be enabled' -e 'dpkg --add-architecture' \
    -e 'apt-get install wine32' "$log" || true
exit $status
