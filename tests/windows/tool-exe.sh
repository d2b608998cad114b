#!/bin/sh
# tool-exe.sh TANDREL_EXE: the tool's Windows build answers like the native one.
set -eu
. "$(dirname "$0")/wine-env.sh"
tool=$1
fail() { echo "FAILED: $*"; exit 1; }

"$WINE" "$tool" --help | grep -q "collapse" || fail "--help lists collapse"
out=$("$WINE" "$tool" collapse --selection "  two   words " | tr -d '\r')
[ "$out" = "two words" ] || fail "collapse printed [$out]"
status=0
"$WINE" "$tool" no-such-command >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "unknown subcommand exits 2, got $status"
echo "tandrel.exe ok"
