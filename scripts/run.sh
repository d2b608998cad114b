#!/bin/sh
# The demo (--chromium: in the browser extension instead, see below): sets up, builds nubrix.dll, installs it with its help pages into a private Wine
# prefix, registers it, and runs a menu command in the browser stand-in as the browser would,
# printing what happened.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# --chromium: the same command in the browser extension, in headless Chromium.
if [ "${1:-}" = "--chromium" ]; then
    sh "$root/scripts/setup.sh"
    mkdir -p "$root/build/logs" "$root/build/demo-screenshots"
    echo "== Building the extension (build/wasm/extension; log: build/logs/build-extension.log)"
    if ! sh "$root/scripts/build.sh" extension >"$root/build/logs/build-extension.log" 2>&1; then
        tail -n 40 "$root/build/logs/build-extension.log"
        exit 1
    fi
    exec node "$root/tests/browser/demo.mjs" "$root/build/demo-screenshots/web-isbn.png"
fi

build="$root/build/windows"
prefix="$root/build/demo-prefix"
logs="$root/build/logs"

sh "$root/scripts/setup.sh"
mkdir -p "$logs"
echo "== Building nubrix.dll and the browser stand-in (log: $logs/build-windows.log)"
if ! sh "$root/scripts/build.sh" windows >"$logs/build-windows.log" 2>&1; then
    tail -n 40 "$logs/build-windows.log"
    exit 1
fi

echo "== Creating a private Wine prefix at $prefix"
sh "$root/tests/windows/wine-prefix.sh" setup "$prefix" >/dev/null
. "$root/tests/windows/wine-env.sh"
DISPLAY="$(cat "$prefix/.display")"
export DISPLAY
trap 'sh "$root/tests/windows/wine-prefix.sh" cleanup "$prefix"' EXIT

# Wine's helper processes keep inherited output open; run each program with its output in a file.
run_wine() {
    out="$prefix/.out"
    status=0
    "$WINE" "$@" >"$out" 2>&1 </dev/null || status=$?
    grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'add-architecture' -e 'install wine32' \
        "$out" | tr -d '\r' || true
    return $status
}

install_dir="$prefix/drive_c/Program Files/Veltrane Tandrel"
echo "== Installing into C:\\Program Files\\Veltrane Tandrel"
mkdir -p "$install_dir"
cp "$build/src/nubrix.dll" "$install_dir/"
cp "$root/src/resources/help/"*.htm "$install_dir/"
ls "$install_dir"

echo "== Registering: regsvr32 nubrix.dll"
run_wine regsvr32 /s 'C:\Program Files\Veltrane Tandrel\nubrix.dll'
echo "registered; the right-click menu entries:"
run_wine reg query 'HKCU\Software\Microsoft\Internet Explorer\MenuExt' /s |
    awk -F'\\' '/^HKEY/ { entry = $NF } /\(Default\)/ { sub(/^ *\(Default\) *REG_SZ */, ""); printf "    %-22s %s\n", entry, $0 }'
echo "the configuration entry's script page (config.htm):"
tr -d '\r' <"$install_dir/config.htm" | sed 's/^/    /'

# The menu entry, page and answers: an ISBN lookup answered with OK unless the arguments say
# otherwise. --menu, --url and --selection replace their defaults; any --answer replaces the
# default answer; everything else goes to the stand-in as it is.
menu="=>ISBN"
url="https://books.example.com/catalogue/physics.html"
selection="ISBN 0-306-40615-2"
answered=""
count=$#
while [ "$count" -gt 0 ]; do
    argument=$1
    shift
    count=$((count - 1))
    case "$argument" in
    --menu | --url | --selection)
        [ "$count" -gt 0 ] || { echo "run.sh: $argument needs a value" >&2; exit 2; }
        case "$argument" in
        --menu) menu=$1 ;;
        --url) url=$1 ;;
        --selection) selection=$1 ;;
        esac
        shift
        count=$((count - 1))
        ;;
    *)
        [ "$argument" = --answer ] && answered=yes
        set -- "$@" "$argument"
        ;;
    esac
done
[ -n "$answered" ] || set -- "$@" --answer "press:OK"

echo "== Right-click \"$menu\" on $url with \"$selection\" selected, in the browser stand-in"
shots="$root/build/demo-screenshots"
rm -rf "$shots" && mkdir -p "$shots"
run_wine "$build/tests/standin/standin.exe" --menu "$menu" --url "$url" --selection "$selection" \
    --title "Physics books" --screen 1024x768 --screenshot "$(wine_path "$shots")" "$@" |
    grep -v "^read " | sed "s/^/    /"
echo "(Above: the dialog as it opened, its controls again if the answer changed them before its last"
echo " action, how it closed, and each address opened; a picture of every dialog is in $shots.)"
echo "== Done. The help pages open from file:///C|/Program Files/Veltrane Tandrel/HelpIndex.htm"
