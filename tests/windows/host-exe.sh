#!/bin/sh
# host-exe.sh TANDREL_HOST_EXE: the extension's host as Windows runs it: framed messages whose
# length bytes a text-mode stream would mangle (0x1A ends such a stream), programs started through
# CreateProcess, in a console of their own or not, page text that must not chain a command, and
# the system's text for a program that is missing.
set -eu
. "$(dirname "$0")/wine-env.sh"
. "$(dirname "$0")/checks.sh"
host=$1
work=$(mktemp -d)
drive="$WINEPREFIX/drive_c"
trap 'rm -rf "$work" "$drive"/host-*.txt' EXIT
rm -f "$drive"/host-*.txt

# framed SIZE TEXT: the message padded with blanks to SIZE bytes, after its length, lowest byte
# first.
framed() {
    n=$1
    # shellcheck disable=SC2059
    printf "\\$(printf %03o $((n & 255)))\\$(printf %03o $((n >> 8 & 255)))\\000\\000"
    printf '%s' "$2"
    printf "%$((n - ${#2}))s" ''
}
# ask SIZE TEXT: the host's first answer, after checking that its frame's length is its own.
ask() {
    framed "$1" "$2" >"$work/in"
    "$WINE" "$host" chrome-extension://eijaamjdjpipgjkjbmmjinjohfgbhhac/ --parent-window=0 \
        <"$work/in" >"$work/out" 2>/dev/null || true
    length=$(od -An -tu4 -N4 "$work/out" | tr -d ' ')
    answer=$(tail -c +5 "$work/out")
    [ "$(printf '%s' "$answer" | wc -c)" = "${length:-x}" ] ||
        fail "the answer's frame is not its length: $(od -c "$work/out" | head -n 3)"
}
expect() { # NAME TEXT
    case $answer in
    *"$2"*) ;;
    *) fail "$1: expected $2 in: $answer" ;;
    esac
}
# wait_for FILE: a started program's output, up to a minute.
wait_for() {
    tries=0
    while [ ! -s "$1" ] && [ "$tries" -lt 600 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    [ -s "$1" ]
}

# The batch interpreter reads this line: the page's quote, ampersands and redirection are blanks.
# 282 bytes: the length begins with 0x1A.
ask 282 '{"type":"command","keys":{"command":"cmd.exe /c echo [!S]> C:\\\\host-record.txt","URLEncoded":false},"page":{"selection":"a\" & echo chained> C:\\host-chained.txt & \"b"}}'
expect "interpreter" '"outcome":"started"'
expect "interpreter" '"commandLine":"cmd.exe /c echo [a    echo chained  C:\\host-chained.txt    b]> C:\\host-record.txt"'
if wait_for "$drive/host-record.txt"; then
    grep -qF '[a    echo chained  C:\host-chained.txt    b]' "$drive/host-record.txt" ||
        fail "the interpreter wrote: $(cat "$drive/host-record.txt")"
else
    fail "the interpreter's program wrote nothing"
fi
[ ! -e "$drive/host-chained.txt" ] || fail "page text chained a command"

# A console command in a console of its own. 269 bytes: the length begins with a carriage return.
ask 269 '{"type":"command","keys":{"command":"echo !H> C:\\\\host-console.txt","useConsole":true,"URLEncoded":false},"page":{"url":"https://www.example.org/"}}'
expect "console" '"outcome":"started"'
expect "console" ' /C \"echo www.example.org> C:\\host-console.txt\""'
wait_for "$drive/host-console.txt" || fail "the console command wrote nothing"

ask 100 '{"type":"command","keys":{"command":"no-such-program.exe"}}'
expect "missing" '"outcome":"notStarted"'
expect "missing" '"error":2'
ask 30 '{"type":"version"}'
expect "unknown" '"code":"unknown"'
finish host-exe
