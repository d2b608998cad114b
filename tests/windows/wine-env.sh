# Sourced by the Wine scripts: the environment of a 64-bit prefix at $prefix (or, in a script that
# wine-run.sh started, at the WINEPREFIX it set).
#
# Every Windows program here is 64-bit, so it runs under the 64-bit loader, called directly:
# with Debian's wine32 installed beside wine64, the "wine", "wineboot" and "winepath" wrappers
# start the 32-bit loader, whose built-in programs (reg, regsvr32, cscript) see the 32-bit
# registry view and cannot load a 64-bit in-process server.
export WINEPREFIX="${prefix:-${WINEPREFIX:?no Wine prefix given}}" WINEARCH=win64 WINEDEBUG=-all
# The same locale everywhere, so that the ANSI code page is Windows-1252; a test may ask for
# another user locale of that code page (TANDREL_WINE_LOCALE=de_DE.UTF-8).
export LANG="${TANDREL_WINE_LOCALE:-C.UTF-8}" LC_ALL="${TANDREL_WINE_LOCALE:-C.UTF-8}"
if [ -x /usr/lib/wine/wine64 ]; then
    WINE=/usr/lib/wine/wine64
    export WINELOADER="$WINE"
else
    WINE=wine
fi
export WINE

# wine_path UNIX-PATH: the path as Windows programs in the prefix see it.
wine_path() {
    "$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r'
}
