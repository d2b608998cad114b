#!/bin/sh
# about-box.sh DLL STANDIN_EXE: installs and registers the DLL in a folder of its own, runs the
# "=> Veltrane Tandrel" menu entry in the browser stand-in and answers its about box with each of
# its buttons: every one but OK opens its page after the box closed.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
session="Veltrane Tandrel About"
. "$(dirname "$0")/standin-session.sh"

# The box as the stand-in prints it: caption and controls.
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
folder_url="file:///C|/Program Files/$session"

# check BUTTON CLOSED-ID OPENED-LINE: answers the box with the button and compares the events.
check() {
    printf '%s\nclosed %s\n' "$box" "$2" >"$work/expected"
    [ -n "$3" ] && printf 'open top %s\n' "$3" >>"$work/expected"
    rc=0
    "$WINE" "$standin" --menu "=> Veltrane Tandrel" --screen 1280x1024 --answer "press:$1" \
        >"$work/out" 2>"$work/err" </dev/null || rc=$?
    grep -v '^read ' "$work/out" | grep -v '^front ' >"$work/events" || true
    if [ "$rc" -ne 0 ] || ! diff "$work/expected" "$work/events"; then
        fail "$1 (exit $rc): $(cat "$work/err")"
    fi
}

check Help 9 "\"$folder_url/HelpIndex.htm\" $help_window"
check Customization 10 "\"$folder_url/HelpCustomize.htm\" $help_window"
check "Home Page" 215 "$home"
check OK 1 ""

finish "about box"
