#!/bin/sh
# standin_browser_test.sh STANDIN_EXE: installs a menu entry the way the system does (a script
# page and its MenuExt key), runs it with standin.exe, and checks what the page saw and the exit
# codes for a missing key, a missing page and a script error. Runs in the Wine test prefix.
set -eu
. "$(dirname "$0")/../windows/wine-env.sh"
exe=$1
key='HKCU\Software\Microsoft\Internet Explorer\MenuExt\=>StandInTest'
work=$(mktemp -d)
cleanup() {
    "$WINE" reg delete "$key" /f >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run_standin EXPECTED-EXIT-CODE ARGS...: output in $work/out and $work/err (files, not pipes:
# Wine's helper processes may hold a pipe open long after the program ended).
run_standin() {
    expected=$1
    shift
    rc=0
    "$WINE" "$exe" "$@" >"$work/out" 2>"$work/err" </dev/null || rc=$?
    if [ "$rc" -ne "$expected" ]; then
        fail "standin $* exited with $rc, expected $expected"
        cat "$work/err"
    fi
}

install_page() { # install_page CONTENT: the script page, at a path with a blank as in real installs
    printf '%b' "$1" >"$work/menu page.htm"
    "$WINE" reg add "$key" /ve /d "file:///$(wine_path "$work/menu page.htm")" /f >/dev/null 2>&1
}

# A menu entry whose script opens a window from the top and follows an anchor in the frame.
install_page '<SCRIPT LANGUAGE="JavaScript" defer>\r\nvar w = external.menuArguments;\r\nw.top.open("http://books.example/?t=" + w.top.name, "books", "channelmode=0");\r\nw.top.navigate("mailto:a@example.com");\r\n</SCRIPT>\r\n'
run_standin 0 --menu "=>StandInTest" --url "http://www.example.com/" --name main \
    --frame-url "http://frame.example/" --selection "0-306-40615-2"
cat >"$work/expected" <<'EOF'
open top "http://books.example/?t=main" "books" "channelmode=0" replace=0
navigate top "mailto:a@example.com"
read menuArguments 1
read name 1
read top 3
EOF
if ! diff "$work/expected" "$work/out"; then
    fail "unexpected page log"
fi

# A refused navigation reaches the script as an error, with its line in the page.
run_standin 1 --menu "=>StandInTest" --refuse-navigate
grep -q '^navigate top "mailto:a@example.com" refused$' "$work/out" || fail "refusal not logged"
grep -q 'script error at line 4' "$work/err" || fail "no script error line: $(cat "$work/err")"

# No script element, no page, no key.
install_page '<HTML>no script</HTML>'
run_standin 4 --menu "=>StandInTest"
rm -f "$work/menu page.htm"
run_standin 4 --menu "=>StandInTest"
"$WINE" reg delete "$key" /f >/dev/null 2>&1
run_standin 3 --menu "=>StandInTest"
run_standin 2 --no-such-option

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "standin.exe: all checks passed"
