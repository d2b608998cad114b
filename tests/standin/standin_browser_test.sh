#!/bin/sh
# standin_browser_test.sh STANDIN_EXE PROBE_DLL: installs a menu entry the way the system does (a
# script page and its MenuExt key), runs it with standin.exe, and checks what the page saw and the
# exit codes for a missing key, a missing page and a script error; then, with the probe module
# registered in the product's place, the dialog and message box answered, the program started and
# the mail sent, in order with the page's calls. Runs in the Wine test prefix.
set -eu
. "$(dirname "$0")/../windows/wine-env.sh"
. "$(dirname "$0")/../windows/checks.sh"
exe=$1
probe=$2
key='HKCU\Software\Microsoft\Internet Explorer\MenuExt\=>StandInTest'
progid='HKCR\KVO.ATandrel'
clsid='{6B0E3C51-93A4-4E2D-B7F1-2C85D04A9E36}'
class="HKCR\\CLSID\\$clsid"
work=$(mktemp -d)
cleanup() {
    "$WINE" reg delete "$key" /f >/dev/null 2>&1 || true
    "$WINE" reg delete "$progid" /f >/dev/null 2>&1 || true
    "$WINE" reg delete "$class" /f >/dev/null 2>&1 || true
    # The product's own registration, when the prefix had one.
    if [ -f "$work/product.reg" ]; then
        "$WINE" reg import "$(wine_path "$work/product.reg")" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

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

# The probe module registered as the product: standin.exe loads and watches it before the script
# creates the object, answers its dialog and message box, and prints everything in order.
if "$WINE" reg query "$progid" >/dev/null 2>&1; then
    "$WINE" reg export "$progid" "$(wine_path "$work/product.reg")" /y >/dev/null 2>&1
fi
"$WINE" reg add "$progid\\CLSID" /ve /d "$clsid" /f >/dev/null 2>&1
"$WINE" reg add "$class\\InprocServer32" /ve /d "$(wine_path "$probe")" /f >/dev/null 2>&1
"$WINE" reg add "$class\\InprocServer32" /v ThreadingModel /d Apartment /f >/dev/null 2>&1
install_page '<SCRIPT LANGUAGE="JavaScript" defer>\r\nvar w = external.menuArguments;\r\nw.navigate("before:");\r\nvar o = new ActiveXObject("KVO.ATandrel");\r\no.Click(w, "DIALOG", "", "");\r\no.Click(w, "MESSAGE", "Go on?", "");\r\no.Click(w, "START", "cmd.exe /c exit 3", "");\r\no.Click(w, "MAIL", "ann@example.com", "");\r\n</SCRIPT>\r\n'
mkdir "$work/shots"
run_standin 0 --menu "=>StandInTest" --answer "type:Ann;toggle:Beta Films;press:OK" \
    --answer "press:Yes" --mapi-result 0 --screenshot "$(wine_path "$work/shots")"
cat >"$work/expected" <<'EOF'
navigate top "before:"
dialog "Probe: \"Sites\""
control -1 "&Name:"
control 101 ""
control 102 "Books"
item "Alpha Books" ticked
item "Beta Films" unticked
item "Gamma \"Music\"" ticked
control 1 "OK"
control 2 "Cancel"
control 104 "&Help"
control -1 "&Name:"
control 101 "Ann"
control 102 "Books"
item "Alpha Books" ticked
item "Beta Films" ticked
item "Gamma \"Music\"" ticked
control 1 "OK"
control 2 "Cancel"
control 104 "&Help"
closed 1
navigate top "probe:dialog=1/Ann/Books/7"
message "Probe" "Go on?"
closed 6
navigate top "probe:message=6"
started "cmd.exe /c exit 3"
navigate top "probe:exit=3"
mapi to="ann@example.com" cc= bcc= subject="Probe subject" body="Probe body"
navigate top "probe:mail=0"
read menuArguments 1
EOF
if ! diff "$work/expected" "$work/out"; then
    fail "unexpected dialog, message box, program or mail"
fi
for shot in "01-Probe Sites.png" "02-Probe.png"; do
    [ "$(head -c 4 "$work/shots/$shot" 2>/dev/null | tail -c 3)" = PNG ] || fail "no picture $shot"
done

# An answer the dialog cannot take is reported (the dialog takes the next), and so is an answer no
# window took. Mail fails by default.
run_standin 6 --menu "=>StandInTest" --answer "press:Nope" --answer "press:Cancel" \
    --answer "press:No" --answer "press:OK"
grep -q 'no button "Nope"' "$work/err" || fail "no complaint about the button: $(cat "$work/err")"
grep -q '1 answer(s) left over' "$work/err" || fail "no complaint about the answer left over"
grep -q '^navigate top "probe:mail=2"$' "$work/out" || fail "mail did not fail by default"
run_standin 2 --menu "=>StandInTest" --answer "jump:1"
run_standin 2 --menu "=>StandInTest" --mapi-result many
install_page '<SCRIPT LANGUAGE="JavaScript" defer>\r\nvar w = external.menuArguments;\r\nw.top.open("http://books.example/?t=" + w.top.name, "books", "channelmode=0");\r\nw.top.navigate("mailto:a@example.com");\r\n</SCRIPT>\r\n'

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
finish standin.exe
