#!/bin/sh
# installer.sh SETUP_EXE STANDIN_EXE STANDIN32_EXE: TandrelSetup.exe in silent mode, as an
# administrator would run it: it installs into the folder named with /D=, registers the 64-bit
# DLL and the 32-bit one, each in its registry view, so that the 64-bit and the 32-bit stand-in
# both run an entry through the installed DLL, and registers the extension's host with the
# browsers (its manifests beside it, a key of each browser naming them); Uninstall.exe then
# removes the keys and files, and the user's nubrix.ini stays.
set -eu
. "$(dirname "$0")/wine-env.sh"
setup=$1
standin=$2
standin32=$3
name="Veltrane Tandrel Setup"
windows_folder="C:\\Program Files\\$name"
folder="$WINEPREFIX/drive_c/Program Files/$name"
clsid='HKCR\CLSID\{A5B270CF-803F-4CC9-A9E9-F319C4629370}'
menu='HKCU\Software\Microsoft\Internet Explorer\MenuExt'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrane Tandrel'
# The browsers' keys for the host, each with the manifest it names.
host_keys="Google\\Chrome:com.veltrane.tandrel.json Chromium:com.veltrane.tandrel.json
Microsoft\\Edge:com.veltrane.tandrel.json Mozilla:com.veltrane.tandrel.firefox.json"
host_key() { printf '%s\n' "HKCU\\Software\\${1%%:*}\\NativeMessagingHosts\\com.veltrane.tandrel"; }
work=$(mktemp -d)
trap 'rm -rf "$work" "$folder"' EXIT
. "$(dirname "$0")/checks.sh"
# query KEY [reg options...]: the key's values, or nothing when it is missing.
query() {
    key=$1
    shift
    if "$WINE" reg query "$key" "$@" >"$work/query" 2>/dev/null </dev/null; then
        tr -d '\r' <"$work/query"
    fi
}
# waits up to two minutes for a file to go (the uninstaller runs from a copy of itself, and removes
# itself last).
wait_gone() {
    tries=0
    while [ -e "$1" ] && [ "$tries" -lt 240 ]; do
        sleep 0.5
        tries=$((tries + 1))
    done
}

# /D= takes the rest of the command line as it stands, blanks and all, so cmd passes it on.
"$WINE" cmd /c "$(wine_path "$setup") /S /D=$windows_folder" </dev/null >/dev/null 2>&1 ||
    fail "setup exited with $?"
for file in nubrix.dll x86/nubrix.dll Uninstall.exe HelpIndex.htm x86/HelpIndex.htm isbn.htm; do
    [ -f "$folder/$file" ] || fail "no $file after installing"
done
query "$menu\\=>ISBN" | grep -qF "$windows_folder\\isbn.htm" ||
    fail "the =>ISBN menu key does not point at the installed page"
query "$clsid\\InprocServer32" /reg:64 | grep -qF "$windows_folder\\nubrix.dll" ||
    fail "the 64-bit class registration does not name the installed DLL"
query "$clsid\\InprocServer32" /reg:32 | grep -qF "$windows_folder\\x86\\nubrix.dll" ||
    fail "the 32-bit class registration does not name the installed 32-bit DLL"
query "$uninstall" /reg:64 | grep -qF "$windows_folder\\Uninstall.exe" ||
    fail "the uninstaller is not listed among the installed programs"

# The extension's host: its manifests name it and the extension, and each browser's key names the
# browser's manifest.
for file in tandrel-host.exe com.veltrane.tandrel.json com.veltrane.tandrel.firefox.json; do
    [ -f "$folder/$file" ] || fail "no $file after installing"
done
json_host=$(printf '%s' "$windows_folder\\tandrel-host.exe" | sed 's/\\/\\\\/g')
for file in com.veltrane.tandrel.json com.veltrane.tandrel.firefox.json; do
    grep -qF "\"path\": \"$json_host\"" "$folder/$file" 2>/dev/null ||
        fail "$file does not name the installed host: $(cat "$folder/$file" 2>/dev/null)"
done
grep -qF '"chrome-extension://eijaamjdjpipgjkjbmmjinjohfgbhhac/"' "$folder/com.veltrane.tandrel.json" ||
    fail "the Chromium manifest does not allow the extension"
grep -qF '"tandrel@veltrane.com"' "$folder/com.veltrane.tandrel.firefox.json" ||
    fail "the Firefox manifest does not allow the extension"
for entry in $host_keys; do
    query "$(host_key "$entry")" | grep -qF "$windows_folder\\${entry#*:}" ||
        fail "$(host_key "$entry") does not name ${entry#*:}"
done

# An entry through the installed DLL, from a 64-bit and from a 32-bit browser, each started once
# the desktop of the program before it has gone.
for browser in "$standin" "$standin32"; do
    wait_desktop_gone
    "$WINE" "$browser" --menu "=>ISBN" --url https://books.example/ --selection "ISBN 0-306-40615-2" \
        --answer "press:OK" </dev/null >"$work/out" 2>"$work/err" || fail "$browser: $(cat "$work/err")"
    grep -q '^open top "https://www.amazon.com/s?k=0306406152&i=stripbooks"' "$work/out" ||
        fail "$browser opened no bookshop through the installed DLL; it printed: $(cat "$work/out")"
done

printf '[ISBN:Mine]\r\nShortDescription=Mine\r\nurl=https://example.org/!S\r\n' >"$folder/nubrix.ini"
"$WINE" "$folder/Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "uninstall exited with $?"
wait_gone "$folder/Uninstall.exe"
for file in nubrix.dll x86 Uninstall.exe HelpIndex.htm isbn.htm tandrel-host.exe \
    com.veltrane.tandrel.json com.veltrane.tandrel.firefox.json; do
    [ ! -e "$folder/$file" ] || fail "$file is still there after uninstalling"
done
[ -f "$folder/nubrix.ini" ] || fail "uninstalling removed the user's nubrix.ini"
[ -z "$(query "$menu\\=>ISBN")" ] || fail "the menu key is still there"
[ -z "$(query "$clsid" /reg:64)" ] || fail "the 64-bit class registration is still there"
[ -z "$(query "$clsid" /reg:32)" ] || fail "the 32-bit class registration is still there"
[ -z "$(query "$uninstall" /reg:64)" ] || fail "the uninstaller is still listed"
for entry in $host_keys; do
    [ -z "$(query "$(host_key "$entry")")" ] || fail "$(host_key "$entry") is still there"
done
finish installer
