#!/bin/sh
# tool_default_test.sh TANDREL: what the tool shows of the stored default configuration: the
# entries and starting ticks of every category, and the unit sections.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
none="$work/none.ini" # no file: every prefix comes from the stored default

expect() { # expect NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAILED $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# prefix, entries, entries ticked at the start
while read -r prefix entries ticked; do
    "$tool" links "$prefix" --config "$none" >"$work/links"
    expect "$prefix entries" "$entries" "$(wc -l <"$work/links" | tr -d ' ')"
    expect "$prefix ticked" "$ticked" "$(cut -f2 "$work/links" | grep -c '^1$')"
done <<'TABLE'
BOOK: 10 4
CURRENCY: 2 1
EMAIL: 3 0
ISBN: 6 2
MOVIE: 10 1
MUSIC: 9 1
OTHER: 3 0
SEARCH: 8 1
STOCK: 9 2
TRANSLATE: 19 0
UPC: 5 0
URL: 9 1
TABLE

"$tool" sections UNIT: --config "$none" >"$work/units"
grep '^\[' "$work/units" >"$work/unit-heads"
expect "unit sections" 65 "$(wc -l <"$work/unit-heads" | tr -d ' ')"
expect "first unit" "[UNIT:Metre]" "$(head -n 1 "$work/unit-heads")"
expect "last unit" "[UNIT:Kwh]" "$(tail -n 1 "$work/unit-heads")"
expect "head without its bracket" 1 "$(grep -c '^\[UNIT:SimpleYear\]$' "$work/unit-heads")"
expect "heads in other letter case" 3 "$(grep -c '^\[Unit:' "$work/unit-heads")"
expect "degree sign as UTF-8" 1 "$(grep -c '^ten+0=Celsius,°C,C$' "$work/units")"

[ "$failures" -eq 0 ] && echo "stored default through the tool: all passed"
[ "$failures" -eq 0 ]
