#!/bin/sh
# Regenerates the pictures in docs/tour/: every dialog page of the browser extension in headless
# Chromium (web-*.png; --web: only those), then every dialog of the fourteen menu entries and the
# messages a user meets, as the browser stand-in shows them under Wine, written as palette PNGs.
# Builds the Windows build first; uses a private Wine prefix of its own.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
logs="$root/build/logs"
tour="$root/docs/tour"

sh "$root/scripts/setup.sh"
mkdir -p "$logs" "$tour"

# The extension's dialog pages in headless Chromium (light theme): docs/tour/web-*.png.
echo "== Building the extension (log: $logs/build-extension.log)"
if ! sh "$root/scripts/build.sh" extension >"$logs/build-extension.log" 2>&1; then
    tail -n 40 "$logs/build-extension.log"
    exit 1
fi
echo "== The extension's dialog pages"
node "$root/tests/browser/pictures.mjs" "$tour"
[ "${1:-}" = "--web" ] && exit 0

echo "== Building the Windows build (log: $logs/build-windows.log)"
if ! sh "$root/scripts/build.sh" windows >"$logs/build-windows.log" 2>&1; then
    tail -n 40 "$logs/build-windows.log"
    exit 1
fi

prefix="$root/build/pictures-prefix"
sh "$root/tests/windows/wine-prefix.sh" setup "$prefix" >/dev/null
. "$root/tests/windows/wine-env.sh"
DISPLAY="$(cat "$prefix/.display")"
export DISPLAY
shots=$(mktemp -d)
trap 'rm -rf "$shots"; sh "$root/tests/windows/wine-prefix.sh" cleanup "$prefix"' EXIT

dll="$root/build/windows/src/nubrix.dll"
standin="$root/build/windows/tests/standin/standin.exe"
echo "== Every menu entry"
sh "$root/tests/windows/menu-entries.sh" "$dll" "$standin" "$shots/entries"

# keep FOLDER NUMBER NAME: the NUMBERth window of a run as docs/tour/NAME.png, as the user
# left it before the last action of its answer when there is such a picture, else as it opened.
keep() {
    opened=$(find "$1" -name "$(printf '%02d' "$2")-*.png" ! -name '*-answer*' | head -n 1)
    answered=$(find "$1" -name "$(printf '%02d' "$2")-*-answer1.png" | head -n 1)
    found=${answered:-$opened}
    [ -n "$found" ] || { echo "no picture $2 in $1" >&2; exit 1; }
    cp "$found" "$tour/$3.png"
}
for folder in "$shots/entries"/*; do
    keep "$folder" 1 "$(basename "$folder" | tr 'A-Z' 'a-z')"
done

echo "== The messages"
session="Veltrane Tandrel Pictures"
windows_scripts="$root/tests/windows"
. "$windows_scripts/standin-session.sh"
# The session's own clean-up (the DLL unregistered), then this script's.
trap 'cleanup; rm -rf "$shots"; sh "$root/tests/windows/wine-prefix.sh" cleanup "$prefix"' EXIT
shoot() {
    name=$1 number=$2
    shift 2
    mkdir -p "$shots/$name"
    run "$@" --screenshot "$(wine_path "$shots/$name")"
    keep "$shots/$name" "$number" "$name"
}
shoot message-nothing-chosen 2 "=>UPC" https://shop.example/ 03600029145 \
    --answer "toggle:UPCitemdb (USA);press:OK" --answer "press:OK" --answer "press:Cancel"
shoot message-isbn-invalid 2 "=>ISBN" https://books.example/ "no code" \
    --answer "type:12345;press:OK" --answer "press:OK" --answer "press:Cancel"
shoot message-currency-amount 2 "=>Currency" https://shop.example.com/ "£50" \
    --answer "type:abc;press:OK" --answer "press:OK" --answer "press:Cancel"
shoot message-convert-amount 2 "=>Convert" https://www.example.org/ "5 km" \
    --answer "type:abc;press:Calculate" --answer "press:OK" --answer "press:Cancel"
shoot message-translate-intranet 1 "=>Translate" http://intranet/page.html "" \
    --answer "press:No"

# A dialog uses a few dozen colours: as a palette PNG it takes a hundredth of the space.
for picture in "$tour"/*.png; do
    convert "$picture" "PNG8:$picture"
done
[ "$failures" -eq 0 ] || { echo "$failures run(s) failed" >&2; exit 1; }
echo "== $(ls "$tour" | wc -l) pictures in docs/tour/"
