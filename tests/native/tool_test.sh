#!/bin/sh
# End-to-end checks of the tandrel tool: the configuration subcommands against a small
# configuration file. Usage: tool_test.sh PATH-TO-TANDREL
set -u

tool=${1:?usage: tool_test.sh PATH-TO-TANDREL}
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM
failures=0

fail() {
    printf 'FAIL: %s\n' "$1" >&2
    failures=$((failures + 1))
}

# check NAME STATUS EXPECTED-FILE COMMAND...: runs the command and compares its exit status and
# its standard output byte for byte.
check() {
    name=$1
    status=$2
    expected=$3
    shift 3
    "$@" >"$tmp/out" 2>"$tmp/err"
    actual=$?
    if [ "$actual" -ne "$status" ]; then
        fail "$name: exit status $actual, expected $status"
        cat "$tmp/err" >&2
    fi
    if ! cmp -s "$expected" "$tmp/out"; then
        fail "$name: output differs (expected, then actual)"
        diff "$expected" "$tmp/out" >&2
    fi
}

# A user file in Windows-1252 with CR LF line ends: two ISBN entries (one head in small letters
# with words after its bracket), a system entry that must never be read, and a degree sign.
config=$tmp/user.ini
printf '# my links\r\n[ISBN:Mine]\r\nShortDescription=My shop\r\nURL=https://shop.example/?q=!S\r\n' >"$config"
printf 'defaultSelected=yes\r\nwindowName=\r\n\r\n  [isbn:Second] trailing words\r\n' >>"$config"
printf 'shortDescription=Second \260\r\nlongDescription=Long\r\nexclusive=on\r\nMailTo=!s\r\n' >>"$config"
printf '[SYSTEM:Home]\r\nshortDescription=From the user file\r\n' >>"$config"

printf '[ISBN:Mine]\ndefaultselected=yes\nshortdescription=My shop\nurl=https://shop.example/?q=!S\nwindowname=\n\n' >"$tmp/isbn-sections"
printf '[isbn:Second]\nexclusive=on\nlongdescription=Long\nmailto=!s\nshortdescription=Second \302\260\n\n' >>"$tmp/isbn-sections"
check "sections from the file" 0 "$tmp/isbn-sections" "$tool" sections ISBN: --config "$config"
check "prefix in small letters" 0 "$tmp/isbn-sections" "$tool" sections isbn: --config="$config"

printf 'ISBN:Mine\t1\tMy shop\nisbn:Second\t0\tSecond \302\260\n' >"$tmp/isbn-links"
check "links from the file" 0 "$tmp/isbn-links" "$tool" links ISBN: --config "$config"

# Every field of both entries, in record order.
fields() {
    # $1 short, $2 long, $3 url, $4 MailTo, $5 hasMail, $6 exclusive, $7 defaultSelected,
    # $8 section, $9 selected
    printf 'shortDescription=%s\nlongDescription=%s\nurl=%s\nhref=\ncommand=\n' "$1" "$2" "$3"
    printf 'useConsole=0\nleaveConsole=0\nURLEncoded=1\nURLCharset=windows-1252\nhasMail=%s\nMailTo=%s\n' "$5" "$4"
    printf 'MailCC=\nMailBCC=\nMailSubject=\nMailBody=\nwindowName=_blank\n'
    printf 'left=\ntop=\nwidth=\nheight=\ndirectories=1\nfullScreen=0\nlocation=1\nmenuBar=1\n'
    printf 'resizable=1\nscrollBars=1\nstatus=1\ntitleBar=1\ntoolBar=1\nexclusive=%s\n' "$6"
    printf 'defaultSelected=%s\nsectionName=%s\nselected=%s\n\n' "$7" "$8" "$9"
}
{
    fields "My shop" "" "https://shop.example/?q=!S" "" 0 0 1 ISBN:Mine 1
    fields "$(printf 'Second \302\260')" Long "" '!s' 1 0 0 isbn:Second 0
} >"$tmp/isbn-fields"
check "links with every field" 0 "$tmp/isbn-fields" "$tool" links --fields ISBN: --config "$config"

# A prefix the file does not define comes from the stored default, exactly as with no file.
"$tool" sections BOOK: --config "$tmp/missing.ini" >"$tmp/book-default"
status=$?
[ "$status" -eq 0 ] || fail "stored default has no BOOK: sections (exit status $status)"
check "per-prefix fallback (sections)" 0 "$tmp/book-default" "$tool" sections BOOK: --config "$config"
"$tool" links BOOK: --config "$tmp/missing.ini" >"$tmp/book-links"
check "per-prefix fallback (links)" 0 "$tmp/book-links" "$tool" links BOOK: --config "$config"
: >"$tmp/empty.ini"
check "an empty file counts as absent" 0 "$tmp/book-default" "$tool" sections BOOK: --config "$tmp/empty.ini"
"$tool" sections ISBN: --config "$tmp/missing.ini" >"$tmp/isbn-default"
cmp -s "$tmp/isbn-default" "$tmp/isbn-sections" && fail "the stored default's ISBN: sections equal the file's"

# System entries come from the module only, never from the user file.
"$tool" links SYSTEM: --config "$tmp/missing.ini" >"$tmp/system-default"
check "system entries ignore the file" 0 "$tmp/system-default" "$tool" links SYSTEM: --config "$config"
[ "$(wc -l <"$tmp/system-default")" -eq 16 ] || fail "there are not 16 system entries"
printf 'SYSTEM:Home\t0\tGo to the Veltrane Tandrel home page\n' >"$tmp/home"
head -n 1 "$tmp/system-default" | cmp -s - "$tmp/home" || fail "the first system entry is not SYSTEM:Home"

# Without --config, the file beside the module is read.
mkdir "$tmp/module"
cp "$config" "$tmp/module/nubrix.ini"
check "file beside the module" 0 "$tmp/isbn-links" "$tool" links ISBN: --module "$tmp/module/nubrix.dll"

# The menu entries with the prefix each one lists.
"$tool" commands >"$tmp/commands"
[ "$(wc -l <"$tmp/commands")" -eq 14 ] || fail "commands does not list 14 menu entries"
printf 'SEARCH\t=>Search\tsearch.htm\tSEARCH:\tSYSTEM:HelpSearch\n' >"$tmp/search-row"
grep -Fx -f "$tmp/search-row" "$tmp/commands" >/dev/null || fail "commands has no SEARCH row"

# Nothing found, and usage errors.
: >"$tmp/nothing"
check "unknown prefix (sections)" 1 "$tmp/nothing" "$tool" sections NOPE: --config "$config"
check "unknown prefix (links)" 1 "$tmp/nothing" "$tool" links NOPE: --config "$config"
check "sections without a prefix" 2 "$tmp/nothing" "$tool" sections
check "links with two prefixes" 2 "$tmp/nothing" "$tool" links ISBN: BOOK:

# lint: one FILE:LINE: line per finding, the file named as given, exit 1 when anything is found.
# The user file above has an empty windowName, words after a head, a flag written "on" and a
# system section.
{
    printf 'user.ini:6: windowName is empty: an empty value keeps the default window name, "_blank"\n'
    printf 'user.ini:8: the text after "]" is ignored: "trailing words"\n'
    printf 'user.ini:11: the value "on" of exclusive is neither yes nor no: the reader looks only at its first byte (1, T, Y mean yes; 0, F, N mean no), so the flag keeps its default, no\n'
    printf 'user.ini:13: section "SYSTEM:Home" is ignored: the system entries are read from the module only, never from this file\n'
} >"$tmp/lint-user"
lint_tool=$(cd "$(dirname "$tool")" && pwd)/$(basename "$tool")
check "lint names the file as given" 1 "$tmp/lint-user" sh -c 'cd "$1" && "$2" lint user.ini' sh "$tmp" "$lint_tool"

# Windows-1252 in a finding comes out as UTF-8; CR alone ends lines.
printf '[UNIT:Temp\r category=temperature\r ten+0=\260C, C\r Gr\366\337e=1\r' >"$tmp/units.ini"
{
    printf '%s:1: the head has no "]": the reader names the section by the whole rest of the line, "UNIT:Temp"\n' "$tmp/units.ini"
    printf '%s:3: in ten+0, " C" begins with a blank: a unit after an amount is looked up without the blanks before it, so that alias is never recognised\n' "$tmp/units.ini"
    printf '%s:4: the reader ignores the key "Gr\303\266\303\237e": unit sections read category, a, b, invert and ten-18 to ten+18\n' "$tmp/units.ini"
} >"$tmp/lint-units"
check "lint of unit sections" 1 "$tmp/lint-units" "$tool" lint "$tmp/units.ini"

# Unit sections whose names differ only in letter case are separate sets of units, and no
# finding; an exact repeat of a name is reported once, on the repeat.
printf '[UNIT:Minute]\ncategory=time\nten+0=minutes\n[unit:minute]\ncategory=angle\nten+0=arc\n' >"$tmp/minutes.ini"
printf '[UNIT:minute]\ncategory=angle\nten+0=arc2\n[UNIT:Minute]\ncategory=angle\nten+0=arc3\n' >>"$tmp/minutes.ini"
printf '%s:10: section "UNIT:Minute" is also headed on line 1: both are read as separate sets of units (the name after "UNIT:" plays no part)\n' "$tmp/minutes.ini" >"$tmp/lint-minutes"
check "lint of unit sections of one name" 1 "$tmp/lint-minutes" "$tool" lint "$tmp/minutes.ini"

printf '# fine\r\n[ISBN:Fine]\r\nurl=https://fine.example/?q=!S\r\nexclusive=yes\r\n' >"$tmp/fine.ini"
check "lint of a clean file" 0 "$tmp/nothing" "$tool" lint "$tmp/fine.ini"
check "lint of an empty file" 0 "$tmp/nothing" "$tool" lint "$tmp/empty.ini"
check "lint of a missing file" 2 "$tmp/nothing" "$tool" lint "$tmp/missing.ini"
grep -q 'missing.ini' "$tmp/err" || fail "lint of a missing file: no message on standard error"
check "lint without a file" 2 "$tmp/nothing" "$tool" lint
check "lint with two files" 2 "$tmp/nothing" "$tool" lint "$tmp/fine.ini" "$tmp/fine.ini"

if [ "$failures" -ne 0 ]; then
    printf '%d check(s) failed\n' "$failures" >&2
    exit 1
fi
printf 'all tool checks passed\n'
