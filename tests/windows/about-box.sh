#!/bin/sh
# about-box.sh DLL STANDIN_EXE: installs and registers the DLL in a folder of its own, runs the
# "=> Veltrane Tandrel" menu entry in the browser stand-in and answers its about box with each of
# its buttons: every one but OK opens its page after the box closed.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
folder="$WINEPREFIX/drive_c/Program Files/Veltrane Tandrel About"
installed='C:\Program Files\Veltrane Tandrel About\nubrix.dll'
work=$(mktemp -d)
mkdir -p "$folder"
cp "$dll" "$folder/nubrix.dll"
cleanup() {
    "$WINE" regsvr32 /u /s "$installed" >/dev/null 2>&1 || true
    rm -rf "$work" "$folder"
}
trap cleanup EXIT
"$WINE" regsvr32 /s "$installed"
failures=0

# The box as the stand-in prints it: caption and controls, then again before the answer is given.
box='dialog "Veltrane Tandrel"
control 1 "&OK"
control -1 ""
control -1 "Veltrane Tandrel V1.0\n\nThe right-click companion for your browser"
control -1 ""
control 9 "&Help"
control 10 "&Customization"
control -1 "Go To URL"
control 215 "Ho&me Page"'
help_window='"NubrixHelp" "channelmode=0,directories=1,fullscreen=0,height=819,left=768,location=1,menubar=1,resizable=1,scrollbars=1,status=1,titlebar=1,toolbar=1,top=0,width=512" replace=0'
home='"https://tandrel.veltrane.com/" "_blank" "channelmode=0,directories=1,fullscreen=0,height=768,left=0,location=1,menubar=1,resizable=1,scrollbars=1,status=1,titlebar=1,toolbar=1,top=0,width=960" replace=0'
folder_url='file:///C|/Program Files/Veltrane Tandrel About'

# check BUTTON CLOSED-ID OPENED-LINE: answers the box with the button and compares the events.
check() {
    printf '%s\nclosed %s\n' "$box" "$2" >"$work/expected"
    [ -n "$3" ] && printf 'open top %s\n' "$3" >>"$work/expected"
    rc=0
    "$WINE" "$standin" --menu "=> Veltrane Tandrel" --screen 1280x1024 --answer "press:$1" \
        >"$work/out" 2>"$work/err" </dev/null || rc=$?
    grep -v '^read ' "$work/out" | grep -v '^front ' >"$work/events" || true
    if [ "$rc" -ne 0 ] || ! diff "$work/expected" "$work/events"; then
        echo "FAIL: $1 (exit $rc)"
        cat "$work/err"
        failures=$((failures + 1))
    fi
}

check Help 9 "\"$folder_url/HelpIndex.htm\" $help_window"
check Customization 10 "\"$folder_url/HelpCustomize.htm\" $help_window"
check "Home Page" 215 "$home"
check OK 1 ""

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "about box: all checks passed"
