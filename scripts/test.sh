#!/bin/sh
# Sets up, builds every build and runs every test: the native unit tests and tool tests; the same
# tests in the WebAssembly build under node, with its check that it reads and writes numbers as
# the native build does, and the browser extension it assembles, end to end in headless Chromium
# and, as Firefox's package, linted and in headless Firefox; the Windows tests under Wine for the
# 32-bit and then the 64-bit cross build (which also makes and tests the installer carrying both
# DLLs); the native tests again under AddressSanitizer and UndefinedBehaviorSanitizer; each fuzz
# target over its seeds and a few seconds more. Ends with one line: "N passed, N failed".
set -u
root=$(cd "$(dirname "$0")/.." && pwd)

sh "$root/scripts/setup.sh" || exit 1
. "$root/scripts/ctest-runs.sh"

# A sanitizer finding (a leak too) fails its test; undefined behaviour is reported with its stack.
export UBSAN_OPTIONS=print_stacktrace=1

for build in native wasm windows32 windows sanitize; do
    build_one "$build" && test_one "$build"
done

# Runs node test files of tests/browser on the extension the WebAssembly build assembled, with
# node's test runner, and adds each test to the totals. $1 names the run (and its log), the rest
# are the files.
run_browser_tests() {
    name=$1
    shift
    started=$(date +%s)
    if [ -f "$root/build/wasm/extension/manifest.json" ]; then
        (cd "$root/tests/browser" && node --test --test-reporter=tap "$@") >"$logs/test-$name.log" 2>&1
        browser_passed=$(sed -n 's/^# pass \([0-9]*\)$/\1/p' "$logs/test-$name.log" | tail -n 1)
        browser_failed=$(sed -n 's/^# fail \([0-9]*\)$/\1/p' "$logs/test-$name.log" | tail -n 1)
        if [ -z "$browser_passed" ] || [ -z "$browser_failed" ]; then
            tail -n 40 "$logs/test-$name.log"
            browser_passed=0 browser_failed=1
        elif [ "$browser_failed" -ne 0 ]; then
            grep -E '^ *not ok ' "$logs/test-$name.log"
            echo "(full output: $logs/test-$name.log)"
        fi
    else
        echo "no extension was built (build/wasm/extension); see $logs/build-wasm.log"
        browser_passed=0 browser_failed=1
    fi
    echo "   $browser_passed passed, $browser_failed failed, in $(($(date +%s) - started)) s"
    passed=$((passed + browser_passed))
    failed=$((failed + browser_failed))
}

# The browser extension end to end in headless Chromium (tests/browser), its console entries
# through the native build's tandrel-host; each test counts.
echo "== Testing the extension in headless Chromium (tests/browser)"
run_browser_tests browser types.test.mjs entries.test.mjs dialogs.test.mjs hostile.test.mjs host.test.mjs

# The same extension as Firefox's package: web-ext lint on tandrel-extension.xpi, and the package
# installed in headless firefox-esr.
echo "== Testing the extension in headless Firefox (tests/browser)"
run_browser_tests firefox firefox-lint.test.mjs firefox.test.mjs

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
