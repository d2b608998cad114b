# Sourced by the Wine test scripts: a check that fails counts and goes on (its text printed as it
# is: echo would take the "\c" of a registry path for the end of its output), and one verdict at
# the end.
failures=0
fail() {
    printf 'FAIL: %s\n' "$*"
    failures=$((failures + 1))
}
# finish NAME: the script's verdict and exit status.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "$1: all checks passed"
}

# Wine closes the prefix's desktop (explorer.exe /desktop) a moment after the last program with
# windows ends, and a program starting while it closes has its windows closed with it: a dialog
# of the stand-in ends as if cancelled. wait_desktop_gone waits until no desktop of this prefix
# is running (two minutes at most) before such a program starts at a distance from the last one;
# the program then brings up a desktop of its own.
desktop_running() {
    # The pattern does not match the command line of this grep itself.
    for cmdline in $(grep -ls 'explorer\.ex[e]' /proc/[0-9]*/cmdline); do
        tr '\0' '\n' <"${cmdline%/cmdline}/environ" 2>/dev/null |
            grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}
wait_desktop_gone() {
    tries=0
    while desktop_running && [ "$tries" -lt 240 ]; do
        sleep 0.5
        tries=$((tries + 1))
    done
}
