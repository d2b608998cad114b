#!/bin/sh
# Sets up, builds every build and runs every test: the native unit tests and tool tests; the
# Windows tests under Wine for the 32-bit and then the 64-bit cross build (which also makes and
# tests the installer carrying both DLLs); the native tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer; each fuzz target over its seeds and a few seconds more. Ends with
# one line: "N passed, N failed".
set -u
root=$(cd "$(dirname "$0")/.." && pwd)

sh "$root/scripts/setup.sh" || exit 1
. "$root/scripts/ctest-runs.sh"

# A sanitizer finding (a leak too) fails its test; undefined behaviour is reported with its stack.
export UBSAN_OPTIONS=print_stacktrace=1

for build in native windows32 windows sanitize; do
    build_one "$build" && test_one "$build"
done

# One pass or failure per fuzz target.
echo "== Fuzzing (each target over its seeds, then 3 seconds)"
sh "$root/scripts/fuzz" --ci 3 >"$logs/fuzz.log" 2>&1
grep -E '^FAIL ' "$logs/fuzz.log"
fuzz_passed=$(grep -cE '^PASS ' "$logs/fuzz.log")
fuzz_failed=$(grep -cE '^FAIL ' "$logs/fuzz.log")
if [ $((fuzz_passed + fuzz_failed)) -eq 0 ]; then
    tail -n 40 "$logs/fuzz.log"
    echo "no fuzz target ran; see $logs/fuzz.log"
    fuzz_failed=1
fi
passed=$((passed + fuzz_passed))
failed=$((failed + fuzz_failed))

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
