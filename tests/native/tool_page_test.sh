#!/bin/sh
# tool_page_test.sh TANDREL: the tool's page options, help and usage errors, end to end.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() { # expect NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAILED $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

expect_status() { # expect_status NAME STATUS COMMAND...
    name=$1 want=$2
    shift 2
    "$@" >/dev/null 2>"$work/stderr"
    got=$?
    expect "$name (exit status)" "$want" "$got"
}

expect "collapse" "alpha beta gamma" "$("$tool" collapse --selection "  alpha   beta
 gamma ")"
expect "collapse, option after" "x y" "$("$tool" --selection=" x	y " collapse)"
expect "collapse, UTF-8 kept" "café crème" "$("$tool" collapse --selection " café  crème ")"
expect "collapse, nothing selected" "" "$("$tool" collapse)"

printf '  from\r\n a   file  ' >"$work/selection.txt"
expect "selection file" "from a file" "$("$tool" collapse --selection-file "$work/selection.txt")"
expect "selection from standin" "piped in" "$(printf ' piped \n in ' | "$tool" collapse --selection-file -)"

# A selection far larger than one argument may be.
awk 'BEGIN { for (i = 0; i < 200000; i++) printf "word%d   ", i }' >"$work/large.txt"
words=$("$tool" collapse --selection-file "$work/large.txt" | wc -w)
expect "large selection" "200000" "$(echo $words)"

# Templates, domains and currencies against the page the options describe.
page="--url https://shop.example.co.uk/item --frame-url http://b.example.se/x --selection kr_1.234,50 --locale CHF"
# shellcheck disable=SC2086
expect "expand" 'b.example.se example.co.uk SEK CHF kr_1.234,50' "$("$tool" expand $page '!h !D !F !L !S')"
# shellcheck disable=SC2086
expect "expand, encoded, template text kept" 'q=kr_1.234%2C50&s=%20&raw=%22x%22' \
    "$("$tool" expand --encode $page 'q=!S&s=\s&raw=%22x%22')"
# Template bytes are widened code for code: the euro sign's byte 0x80 becomes U+0080.
expect "expand, Windows-1252 template" "$(printf 'caf\303\251 \302\200')" "$("$tool" expand "$(printf 'caf\303\251 \342\202\254')")"
expect_status "expand, character outside Windows-1252" 2 "$tool" expand "$(printf '\316\251')"
expect_status "expand without template" 2 "$tool" expand --encode
expect "domain" "x.city.state.us" "$("$tool" domain w.x.city.state.us)"
expect_status "domain without host" 2 "$tool" domain
# shellcheck disable=SC2086
expect "currency" "$(printf '1234.50\tSEK\tCHF')" "$("$tool" currency $page)"
expect "currency, nothing selected" "$(printf '1.00\tUSD\tUSD')" "$("$tool" currency)"
expect_status "currency with an argument" 2 "$tool" currency surplus

# Window features and what entries do.
flags="location=1,menubar=1,resizable=1,scrollbars=1,status=1,titlebar=1"
expect "features, help geometry" "channelmode=0,directories=1,fullscreen=0,height=819,left=768,$flags,toolbar=0,top=0,width=512" \
    "$("$tool" features --screen 1280x1024 --width 40% --height 80% --left -40% --top 0 --no-toolbar)"
expect "features, third cascaded window" "channelmode=0,directories=1,fullscreen=0,height=768,left=42,$flags,toolbar=1,top=46,width=960" \
    "$("$tool" features --screen 1280x1024 --index 2)"
expect_status "features, unknown option" 2 "$tool" features --wide
expect "run" "$(printf 'command\tC:\\cmd.exe /K "ping.exe www.example.org"\nopen\thttps://e.example/\t_blank\tchannelmode=0,directories=1,fullscreen=0,height=360,left=21,%s,toolbar=1,top=23,width=480' "$flags")" \
    "$(COMSPEC='C:\cmd.exe' "$tool" run --url http://www.example.org/ --selection https://e.example/ OTHER:Ping OTHER:GoTo)"
# The stored trace route and mail entries: what each takes from the top page, the frame and the
# selection (collapsed or as it is).
by='Veltrane%20Tandrel%20tandrel.veltrane.com%2F'
expect "run, stored actions" "$(printf 'command\tC:\\cmd.exe /K "tracert.exe www.example.org"
mailto\tmailto:?subject=Top&body=%%0D%%0Ahttp%%3A%%2F%%2Fwww.example.org%%2F%%0D%%0A%%0D%%0A[Email prepared by %s ]
mailto\tmailto:a%%40b.example?subject=Top
mailto\tmailto:?subject=Frame&body=%%20a%%40b.example%%0D%%0A%%0D%%0A[Extracted from web page http%%3A%%2F%%2Ff.example%%2F %%0D%%0Aby %s ]' "$by" "$by")" \
    "$(COMSPEC='C:\cmd.exe' "$tool" run --url http://www.example.org/ --title Top --frame-url http://f.example/ \
        --frame-title Frame --selection " a@b.example" OTHER:TraceRoute EMAIL:Url EMAIL:Address EMAIL:Quote)"
expect "run, a script address" "$(printf 'refused\tNothing was opened for javascript:x: only a web address (http, https or ftp) or a host name such as www.example.org opens from the text of the page.')" \
    "$("$tool" run --selection javascript:x OTHER:GoTo)"
expect "run, a host name" "$(printf 'open\thttps://www.example.org/start\t_blank')" \
    "$("$tool" run --selection www.example.org/start OTHER:GoTo | cut -f1-3)"
expect_status "run, no such section" 2 "$tool" run OTHER:Nothing
expect_status "run, nothing to run" 2 "$tool" run

expect_status "help" 0 "$tool" --help
"$tool" --help | grep -q "collapse" || { echo "FAILED help lists collapse"; failures=$((failures + 1)); }
expect_status "no subcommand" 2 "$tool"
expect_status "unknown subcommand" 2 "$tool" frobnicate
expect_status "missing value" 2 "$tool" collapse --selection
expect_status "bad screen" 2 "$tool" collapse --screen 12
expect_status "missing selection file" 2 "$tool" collapse --selection-file "$work/none.txt"
expect_status "extra argument" 2 "$tool" collapse surplus
grep -q "tandrel:" "$work/stderr" || { echo "FAILED usage errors name the tool"; failures=$((failures + 1)); }

# Recognisers on a text, on the selection, and on the page.
expect "find isbn10" "0306406152" "$("$tool" find isbn10 "ISBN 0-306-40615-2")"
expect "find stock, the selection" "IBM" "$("$tool" find stock --selection "see NYSE:IBM today")"
expect "find ean-to-isbn10" "080442957X" "$("$tool" find ean-to-isbn10 9780804429573)"
expect_status "find, none found" 1 "$tool" find upc12 "036000291453"
expect_status "find stock, empty symbol" 1 "$tool" find stock "Microsoft"
expect "find context-isbn, frame address" "0306406152" \
    "$("$tool" find context-isbn --url http://x.example/ --frame-url "http://b.example/isbn/9780306406157")"
expect "find context-upc, short code" "036000291452" "$("$tool" find context-upc --html "upc 36000291452")"
expect_status "find, unknown kind" 2 "$tool" find isbn13 9780306406157
expect_status "find, text for a page kind" 2 "$tool" find context-isbn 0306406152

# Units: the table as loaded, and the amount, unit and answer of a selection.
"$tool" units | grep -qx "	nautical miles (INTL)" || { echo "FAILED units lists nautical miles"; failures=$((failures + 1)); }
expect "units, categories" "12" "$("$tool" units | grep -vc "$(printf '^\t')")"
printf '[UNIT:Own]\ncategory=Length\nten+0=spans,span\nten+1=decaspans\n' >"$work/units.ini"
expect "units, own file" "$(printf 'length\n\tspans\n\tdecaspans')" "$("$tool" units --config "$work/units.ini")"
expect "convert" "$(printf '5\tkilometres\tdistance')" "$("$tool" convert --selection "about 5 km from here")"
expect "convert, no unit" "$(printf '1\t\t')" "$("$tool" convert --selection "1,234 km")"
expect "convert, degree sign" "$(printf '20\tCelsius\ttemperature')" "$("$tool" convert --selection "20 °C")"
expect "convert to miles" "5 kilometres = 3.10686 miles" "$("$tool" convert --selection 5km miles)"
expect "convert, zero up to rounding" "32 Farenheit = 0 Celsius" "$("$tool" convert --selection "32 F" Celsius)"
expect "convert, metric horsepower" "100 horsepower (metric) = 98.632 horsepower" \
    "$("$tool" convert --selection "100 PS" horsepower)"
expect "convert, tonne" "2 metric ton = 2000 kilograms" "$("$tool" convert --selection "2 tonne" kilograms)"
expect "convert, cubic feet" "1 cubic feet = 28.3168 litres" "$("$tool" convert --selection "1 cu. ft." litres)"
expect "convert, zero divisor" "Cannot calculate answer (Division by zero)" \
    "$("$tool" convert --selection "0 mpg" litres/100Km)"
expect_status "convert to another category" 2 "$tool" convert --selection 5km Celsius
expect_status "convert without a unit" 2 "$tool" convert --selection 5 miles

[ "$failures" -eq 0 ] && echo "tool page options: all passed"
[ "$failures" -eq 0 ]
