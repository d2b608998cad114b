#!/bin/sh
# Sets up, builds both builds and runs every test: the native unit tests and tool tests, then the
# Windows tests under Wine. Ends with one line: "N passed, N failed".
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
logs="$root/build/logs"

sh "$root/scripts/setup.sh" || exit 1
mkdir -p "$logs"

passed=0
failed=0

# Adds the counts of one ctest run to the totals.
count_ctest() {
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1)
    if [ -z "$summary" ]; then
        echo "no test summary in $1" >&2
        failed=$((failed + 1))
        return
    fi
    total=$(echo "$summary" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$summary" | sed -E 's/.* ([0-9]+) tests failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

for build in native windows; do
    echo "== Building ($build)"
    if ! sh "$root/scripts/build.sh" "$build" >"$logs/build-$build.log" 2>&1; then
        tail -n 40 "$logs/build-$build.log"
        echo "build ($build) failed; see $logs/build-$build.log"
        failed=$((failed + 1))
        continue
    fi
    echo "== Testing ($build)"
    parallel=2
    [ "$build" = windows ] && parallel=1
    (cd "$root/build/$build" && ctest --output-on-failure -j "$parallel") >"$logs/test-$build.log" 2>&1
    if ! grep -q ' 0 tests failed out of' "$logs/test-$build.log"; then
        sed -n '/The following tests FAILED/,$p' "$logs/test-$build.log"
        echo "(full output: $logs/test-$build.log)"
    fi
    count_ctest "$logs/test-$build.log"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
