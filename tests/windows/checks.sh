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
