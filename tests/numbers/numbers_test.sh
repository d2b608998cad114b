#!/bin/sh
# Runs two builds' tandrel_numbers over the same corpus files and compares their outputs byte for
# byte. Usage: numbers_test.sh CORPUS-DIR REFERENCE-PROGRAM COMMAND...
# (COMMAND runs the program under test, e.g. "node --no-experimental-fetch tandrel_numbers.js").
set -u
corpus=${1:?usage: numbers_test.sh CORPUS-DIR REFERENCE-PROGRAM COMMAND...}
reference=${2:-}
shift 2
if [ ! -x "$reference" ]; then
    echo "FAIL: no reference program (a native build's tandrel_numbers): '$reference'" >&2
    exit 1
fi
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM

# The corpus files in one order for both, whatever the file system lists first.
find "$corpus" -type f ! -name '.*' | LC_ALL=C sort >"$tmp/files"
if [ ! -s "$tmp/files" ]; then
    echo "FAIL: no corpus files under $corpus" >&2
    exit 1
fi
# shellcheck disable=SC2046 # corpus file names hold no blanks
set -- "$@" $(cat "$tmp/files")
count=$(wc -l <"$tmp/files")
"$reference" $(cat "$tmp/files") >"$tmp/reference" || { echo "FAIL: the reference program failed" >&2; exit 1; }
"$@" >"$tmp/tested" || { echo "FAIL: the program under test failed" >&2; exit 1; }
if ! cmp -s "$tmp/reference" "$tmp/tested"; then
    echo "FAIL: the outputs differ (reference first):" >&2
    diff "$tmp/reference" "$tmp/tested" | head -n 40 >&2
    exit 1
fi
echo "$(wc -l <"$tmp/reference") lines agree ($count corpus files and the made-up values)"
