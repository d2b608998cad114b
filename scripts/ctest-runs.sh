# Sourced by scripts/test.sh and tests/windows/under-load.sh with $root set: builds one build and
# runs its tests with ctest, adding the counts to $passed and $failed. Logs go to build/logs.
logs="$root/build/logs"
mkdir -p "$logs"
passed=0
failed=0

# build_one BUILD: scripts/build.sh BUILD, timed; a failed build is counted as one failure.
build_one() {
    echo "== Building ($1)"
    started=$(date +%s)
    if ! sh "$root/scripts/build.sh" "$1" >"$logs/build-$1.log" 2>&1; then
        tail -n 40 "$logs/build-$1.log"
        echo "build ($1) failed; see $logs/build-$1.log"
        failed=$((failed + 1))
        return 1
    fi
    echo "   built in $(($(date +%s) - started)) s"
}

# test_one BUILD: its ctest run, the failed tests shown and the counts added; prints the build's
# counts and time. The Windows builds run one test at a time (they share one Wine prefix).
test_one() {
    echo "== Testing ($1)"
    started=$(date +%s)
    parallel=2
    case "$1" in windows*) parallel=1 ;; esac
    (cd "$root/build/$1" && ctest --output-on-failure -j "$parallel") >"$logs/test-$1.log" 2>&1
    if ! grep -q ' 0 tests failed out of' "$logs/test-$1.log"; then
        sed -n '/The following tests FAILED/,$p' "$logs/test-$1.log"
        echo "(full output: $logs/test-$1.log)"
    fi
    count_ctest "$logs/test-$1.log"
    echo "   $total tests run, $bad failed, in $(($(date +%s) - started)) s"
}

# count_ctest LOG: adds the counts of one ctest run to the totals, and leaves them in total and
# bad.
count_ctest() {
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "no test summary in $1" >&2
        failed=$((failed + 1))
        total=0 bad=1
        return
    fi
    total=$(echo "$summary" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}
