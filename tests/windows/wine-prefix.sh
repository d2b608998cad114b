#!/bin/sh
# wine-prefix.sh setup|cleanup|template PREFIX: makes a fresh 64-bit Wine prefix with its own
# headless X server, or stops both. The display number is kept in PREFIX/.display for wine-run.sh.
# template makes a prefix as setup does and stops its servers; setup then copies that prefix, when
# TANDREL_WINE_TEMPLATE names one, rather than starting Wine in a new one: the twenty seconds of
# that first start are spent once per test command instead of once per build.
set -eu
action=$1
prefix=$2
. "$(dirname "$0")/wine-env.sh"

stop_all() {
    if [ -d "$prefix" ]; then
        wineserver -k 2>/dev/null || true
        if [ -f "$prefix/.xvfb.pid" ]; then
            kill "$(cat "$prefix/.xvfb.pid")" 2>/dev/null || true
            rm -f "$prefix/.xvfb.pid"
        fi
    fi
}

# A private X server: -displayfd writes the number it picked once it accepts clients (a minute at
# most, for a busy machine).
start_x_server() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$prefix/.display.tmp" >/dev/null 2>&1 &
    echo $! >"$prefix/.xvfb.pid"
    for _ in $(seq 600); do
        [ -s "$prefix/.display.tmp" ] && break
        sleep 0.1
    done
    if [ ! -s "$prefix/.display.tmp" ]; then
        echo "the X server gave no display within a minute" >&2
        stop_all
        exit 1
    fi
    echo ":$(tr -d '\n' <"$prefix/.display.tmp")" >"$prefix/.display"
    rm -f "$prefix/.display.tmp"
    export DISPLAY="$(cat "$prefix/.display")"
}

# Wine's first start in the prefix, and the settings the tests' dialogs need.
boot_wine() {
    "$WINE64" wineboot -i >/dev/null 2>&1
    wineserver -w
    # Window frames without a window manager, and the fonts dialogs are drawn with.
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    fonts=/usr/share/wine/fonts
    for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
        [ -f "$fonts/$font" ] && cp "$fonts/$font" "$prefix/drive_c/windows/Fonts/" || true
    done
    wineserver -w
}

case "$action" in
setup)
    stop_all
    rm -rf "$prefix"
    template=${TANDREL_WINE_TEMPLATE:-}
    if [ -n "$template" ] && [ -f "$template/.ready" ]; then
        cp -a "$template" "$prefix"
        rm -f "$prefix/.ready" "$prefix/.display" "$prefix/.xvfb.pid"
        start_x_server
    else
        mkdir -p "$prefix"
        start_x_server
        boot_wine
    fi
    # Keep the server between test programs: each then starts in a fraction of a second.
    (wineserver -p >/dev/null 2>&1 &)
    echo "Wine prefix ready at $prefix (display $DISPLAY)"
    ;;
template)
    stop_all
    rm -rf "$prefix"
    mkdir -p "$prefix"
    start_x_server
    boot_wine
    stop_all
    rm -f "$prefix/.display"
    touch "$prefix/.ready"
    echo "Wine prefix template ready at $prefix"
    ;;
cleanup)
    stop_all
    ;;
*)
    echo "usage: wine-prefix.sh setup|cleanup|template PREFIX" >&2
    exit 2
    ;;
esac
