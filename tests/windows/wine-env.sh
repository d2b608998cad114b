# Sourced by the Wine scripts: the environment of a 64-bit prefix at $prefix (or, in a script that
# wine-run.sh started, at the WINEPREFIX it set).
#
# The prefix is always a 64-bit one, like the 64-bit Windows that browsers of either word size run
# on. Programs run under the loader of their word size, called directly: TANDREL_WINE_BITS=32
# (set by the 32-bit cross build's tests) picks the 32-bit loader, whose built-in programs (reg,
# regsvr32, cscript) see the 32-bit registry view, as on Windows; anything else the 64-bit one.
# The "wine", "wineboot" and "winepath" wrappers are not used: with Debian's wine32 installed beside
# wine64 they start the 32-bit loader, which cannot load a 64-bit in-process server.
export WINEPREFIX="${prefix:-${WINEPREFIX:?no Wine prefix given}}" WINEARCH=win64 WINEDEBUG=-all
# The same locale everywhere, so that the ANSI code page is Windows-1252; a test may ask for
# another user locale of that code page (TANDREL_WINE_LOCALE=de_DE.UTF-8).
export LANG="${TANDREL_WINE_LOCALE:-C.UTF-8}" LC_ALL="${TANDREL_WINE_LOCALE:-C.UTF-8}"
if [ -x /usr/lib/wine/wine64 ]; then
    WINE64=/usr/lib/wine/wine64
else
    WINE64=wine
fi
WINE=$WINE64
if [ "${TANDREL_WINE_BITS:-64}" = 32 ]; then
    if [ ! -x /usr/lib/wine/wine ]; then
        echo "the 32-bit Wine loader is missing (Debian's wine32:i386; run scripts/setup.sh)" >&2
        exit 1
    fi
    WINE=/usr/lib/wine/wine
fi
# Debian's loaders find the other word size's loader through WINELOADER.
export WINELOADER="$WINE" WINE WINE64

# wine_path UNIX-PATH: the path as Windows programs in the prefix see it.
wine_path() {
    "$WINE64" winepath -w "$1" 2>/dev/null | tr -d '\r'
}
