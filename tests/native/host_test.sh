#!/bin/sh
# End-to-end checks of tandrel-host: framed messages piped into the built program as a browser
# sends them, the programs it starts (stand-ins on PATH that record their arguments, one per
# line), page text that tries to chain or expand, refusals, and --install/--uninstall into a
# throwaway home, whose manifests must allow the extension by the ids its manifest gives it.
# Usage: host_test.sh PATH-TO-TANDREL-HOST PATH-TO-THE-EXTENSION'S-MANIFEST
set -u

usage='usage: host_test.sh PATH-TO-TANDREL-HOST PATH-TO-THE-EXTENSIONS-MANIFEST'
host=${1:?$usage}
extension_manifest=${2:?$usage}
host=$(cd "$(dirname "$host")" && pwd)/$(basename "$host")
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM
failures=0

fail() {
    printf 'FAIL: %s\n' "$1" >&2
    failures=$((failures + 1))
}

# The stand-ins: a program that records its arguments, and a terminal that records its own and
# then runs what follows its -e, as x-terminal-emulator does.
mkdir -p "$tmp/bin"
cat >"$tmp/bin/record" <<'SCRIPT'
#!/bin/sh
for arg in "$@"; do printf '%s\n' "$arg"; done >"$TANDREL_RECORD.part"
mv "$TANDREL_RECORD.part" "$TANDREL_RECORD"
SCRIPT
cat >"$tmp/bin/x-terminal-emulator" <<'SCRIPT'
#!/bin/sh
for arg in "$@"; do printf '%s\n' "$arg"; done >"$TANDREL_RECORD.terminal"
shift
exec "$@" </dev/null >"$TANDREL_RECORD.console"
SCRIPT
cp "$tmp/bin/record" "$tmp/bin/ping"
chmod +x "$tmp/bin/record" "$tmp/bin/ping" "$tmp/bin/x-terminal-emulator"
export PATH="$tmp/bin:/usr/bin:/bin" TANDREL_RECORD="$tmp/record" DISPLAY=:99
unset COMSPEC WAYLAND_DISPLAY

# frame TEXT: the message as the browser sends it, its length in four bytes, lowest first.
frame() {
    n=$(printf '%s' "$1" | wc -c)
    # shellcheck disable=SC2059
    printf "\\$(printf %03o $((n & 255)))\\$(printf %03o $((n >> 8 & 255)))\\$(printf %03o $((n >> 16 & 255)))\\$(printf %03o $((n >> 24 & 255)))"
    printf '%s' "$1"
}

# ask MESSAGE...: one run of the host with the framed messages; its status in $status, its first
# answer's text in $answer (after checking that the frame's length is the answer's).
ask() {
    for message in "$@"; do frame "$message"; done >"$tmp/in"
    ask_raw
}
ask_raw() {
    "$host" "chrome-extension://eijaamjdjpipgjkjbmmjinjohfgbhhac/" --parent-window=0 \
        <"$tmp/in" >"$tmp/out" 2>"$tmp/err"
    status=$?
    length=$(od -An -tu4 -N4 "$tmp/out" | tr -d ' ')
    answer=$(tail -c +5 "$tmp/out" | head -c "${length:-0}")
    [ "$(printf '%s' "$answer" | wc -c)" = "${length:-x}" ] || fail "the answer's length is not its frame's: $(cat "$tmp/out")"
}

expect_answer() { # NAME TEXT: the first answer holds the text
    case $answer in
    *"$2"*) ;;
    *) fail "$1: expected $2 in the answer: $answer" ;;
    esac
}

# wait_for FILE: waits for a started program's record, up to a minute.
wait_for() {
    tries=0
    while [ ! -f "$1" ] && [ "$tries" -lt 600 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    [ -f "$1" ]
}

expect_record() { # NAME FILE EXPECTED-LINES
    if ! wait_for "$2"; then
        fail "$1: the program left no record"
    elif [ "$(cat "$2")" != "$3" ]; then
        fail "$1: recorded (then expected)
$(cat "$2")
--
$3"
    fi
    rm -f "$2"
}

# A program of its own: the line is split as Windows would split it (the template's quotes group,
# the page's group nothing), and nothing reaches a shell.
hostile='$(touch '"$tmp"'/chained) ; touch '"$tmp"'/chained & %PATH% `id` !S "a b'
ask '{"type":"command","keys":{"command":"record.exe one \"two three\" !S","URLEncoded":false},"page":{"selection":"'"$(printf '%s' "$hostile" | sed 's/"/\\"/g')"'"}}'
expect_answer "program" '"outcome":"started"'
expect_record "program" "$tmp/record" "one
two three
\$(touch
$tmp/chained)
;
touch
$tmp/chained
&
%PATH%
\`id\`
!S
a
b"
[ "$status" = 0 ] || fail "program: exit status $status"

# The stored ping entry: a console kept open, in a terminal, with ping.exe found as ping.
ask '{"type":"command","keys":{"command":"ping.exe !H","useConsole":true,"leaveConsole":true,"URLEncoded":false},"page":{"url":"https://www.example.org/a?b"}}'
expect_answer "ping" '"commandLine":"COMMAND.COM /K \"ping.exe www.example.org\"","outcome":"started"'
expect_record "ping" "$tmp/record" "www.example.org"
expect_record "ping's terminal" "$tmp/record.terminal" "-e
$host
--keep-open
$tmp/bin/ping
www.example.org"
grep -q 'Press Enter to close this window.' "$tmp/record.console" ||
    fail "the kept console asked for no Enter: $(cat "$tmp/record.console")"

# In a console, the page's quotes, chains, redirections and variables are blanks.
ask '{"type":"command","keys":{"command":"record.exe [!S]","useConsole":true,"URLEncoded":false},"page":{"selection":"x\" & touch '"$tmp"'/chained | y > '"$tmp"'/redirected %HOME% !z"}}'
expect_answer "console" '"outcome":"started"'
expect_record "console" "$tmp/record" "[x
touch
$tmp/chained
y
$tmp/redirected
HOME
z]"
[ ! -e "$tmp/chained" ] && [ ! -e "$tmp/redirected" ] || fail "page text chained a command or redirected"

# A line too long for the system to start (a 1.2 MB argument): answered, without the line.
ask '{"type":"command","keys":{"command":"record.exe !S"},"page":{"selection":"'"$(printf '%400000s' '')"'"}}'
expect_answer "too long" '"outcome":"notStarted"'
expect_answer "too long" '"error":7'
case $answer in *commandLine*) fail "too long: the answer kept the line" ;; esac
[ "$status" = 0 ] || fail "too long: exit status $status"

# Programs that do not start, answered with the system's text.
ask '{"type":"command","keys":{"command":"no-such-program-of-tandrel !S"},"page":{"selection":"a"}}'
expect_answer "missing program" '"error":2'
expect_answer "missing program" '"text":"No such file or directory"'
expect_answer "missing program" '"outcome":"notStarted"'
DISPLAY=''
ask '{"type":"command","keys":{"command":"record.exe x","useConsole":true}}'
DISPLAY=:99
expect_answer "no desktop" '"text":"There is no terminal window to run the console command in'
[ ! -e "$tmp/record" ] || fail "no desktop: the program started anyway"

# Refusals, each answered; after a broken frame nothing more is read.
ask 'not JSON'
expect_answer "malformed" '"code":"malformed"'
ask '{"type":"ping"}' '{"type":"command","keys":{"command":"record.exe second"}}'
expect_answer "unknown type" '"code":"unknown"'
expect_record "after a refusal" "$tmp/record" "second"
[ "$status" = 0 ] || fail "unknown type: exit status $status"
ask '{"type":"command","commandLine":"record.exe x","keys":{"command":"record.exe y"}}'
expect_answer "a command line" '"commandLine is no field of a message to the host"'
printf '\001\000\020\000{}' >"$tmp/in"
frame '{"type":"command","keys":{"command":"record.exe x"}}' >>"$tmp/in"
ask_raw
expect_answer "oversized" '"code":"oversized"'
[ "$status" = 1 ] || fail "oversized: exit status $status, expected 1"
[ "$(wc -c <"$tmp/out")" = $((length + 4)) ] || fail "oversized: more than one answer"
printf '\050\000\000\000{"type":' >"$tmp/in"
ask_raw
expect_answer "cut short" '"code":"malformed"'
[ "$status" = 1 ] || fail "cut short: exit status $status, expected 1"
[ ! -e "$tmp/record" ] || fail "a refused message started a program"

# Registration for the current user, and a Chromium user-data folder of its own.
home="$tmp/home"
HOME="$home" XDG_CONFIG_HOME='' "$host" --install >"$tmp/out" 2>&1 || fail "--install: $(cat "$tmp/out")"
# The extension's ids: Chromium's is made from the manifest's public key (the first 128 bits of
# its SHA-256, each hexadecimal digit written as a letter from a to p), Firefox's is the gecko id.
key=$(sed -n 's/^ *"key": *"\([^"]*\)".*/\1/p' "$extension_manifest")
chromium_id=$(printf '%s' "$key" | base64 -d | sha256sum | cut -c1-32 | tr 0-9a-f a-p)
gecko_id=$(sed -n 's/^ *"id": *"\([^"]*\)".*/\1/p' "$extension_manifest")
[ -n "$key" ] || fail "the extension's manifest has no key, so its Chromium id is not fixed"
[ -n "$gecko_id" ] || fail "the extension's manifest has no gecko id"
# manifest ALLOWED-KEY ALLOWED: what a browser must find for the host.
manifest() {
    printf '{\n  "%s": [\n    "%s"\n  ],\n  "description": "Veltrane Tandrel",\n  "name": "com.veltrane.tandrel",\n  "path": "%s",\n  "type": "stdio"\n}' \
        "$1" "$2" "$host"
}
chromium_manifest=$(manifest allowed_origins "chrome-extension://$chromium_id/")
firefox_manifest=$(manifest allowed_extensions "$gecko_id")
for place in ".config/chromium/NativeMessagingHosts $chromium_manifest" \
    ".config/google-chrome/NativeMessagingHosts $chromium_manifest" \
    ".config/microsoft-edge/NativeMessagingHosts $chromium_manifest" \
    ".mozilla/native-messaging-hosts $firefox_manifest"; do
    file="$home/${place%% *}/com.veltrane.tandrel.json"
    if [ ! -f "$file" ]; then
        fail "--install wrote no $file"
    elif [ "$(cat "$file")" != "${place#* }" ]; then
        fail "$file is (then expected)
$(cat "$file")
--
${place#* }"
    fi
done
HOME="$home" "$host" --uninstall >"$tmp/out" 2>&1 || fail "--uninstall: $(cat "$tmp/out")"
[ -z "$(find "$home" -type f)" ] || fail "--uninstall left $(find "$home" -type f)"
"$host" --install --user-data-dir "$tmp/profile" --extension-id abcdefghijklmnopabcdefghijklmnop \
    --host-path "$tmp/bin/record" >"$tmp/out" 2>&1 || fail "--install --user-data-dir: $(cat "$tmp/out")"
manifest="$tmp/profile/NativeMessagingHosts/com.veltrane.tandrel.json"
grep -qF "\"path\": \"$tmp/bin/record\"" "$manifest" &&
    grep -qF 'chrome-extension://abcdefghijklmnopabcdefghijklmnop/' "$manifest" ||
    fail "the user-data folder's manifest: $(cat "$manifest")"
"$host" --uninstall --user-data-dir "$tmp/profile" >/dev/null 2>&1 && [ ! -e "$manifest" ] ||
    fail "--uninstall --user-data-dir left the manifest"
"$host" --install --gecko-id >/dev/null 2>&1
[ $? = 2 ] || fail "an option without its value is no usage error"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "host: all checks passed"
