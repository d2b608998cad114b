#!/bin/sh
# Sets up, builds every build and runs every test: the unit tests and tool tests under
# AddressSanitizer and UndefinedBehaviorSanitizer (the sanitize build, which also makes the fuzz
# targets); the same tests in the WebAssembly build under node, with its check that it reads and
# writes numbers as the sanitize build does, and the browser extension it assembles, end to end in
# headless Chromium and, as Firefox's package, linted and in headless Firefox; the Windows tests
# under Wine for the 32-bit and then the 64-bit cross build (which also makes and tests the
# installer carrying both DLLs); each fuzz target over its seeds and a few seconds more. The plain
# native build adds nothing the sanitize build does not test, so it is not built here.
#
# The builds take both processors; the tests mostly wait (on node, browsers, Wine), so each build's
# tests run while the next build compiles. Every test waits on conditions with generous bounds,
# so a busy machine slows them but does not fail them. Reports come in the order of the steps.
# Ends with one line: "N passed, N failed".
set -u
root=$(cd "$(dirname "$0")/.." && pwd)

sh "$root/scripts/setup.sh" || exit 1
. "$root/scripts/ctest-runs.sh"
started_all=$(date +%s)

# A sanitizer finding (a leak too) fails its test; undefined behaviour is reported with its stack.
export UBSAN_OPTIONS=print_stacktrace=1
# The browser tests start the sanitize build's extension host.
export TANDREL_HOST="$root/build/sanitize/tools/host/tandrel-host"

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

# The extension end to end: in headless Chromium (its console entries through tandrel-host), then
# as Firefox's package: web-ext lint on tandrel-extension.xpi, and the package installed in
# headless firefox-esr. Each test counts.
test_browsers() {
    echo "== Testing the extension in headless Chromium (tests/browser)"
    run_browser_tests browser types.test.mjs entries.test.mjs dialogs.test.mjs hostile.test.mjs host.test.mjs \
        storage.test.mjs
    echo "== Testing the extension in headless Firefox (tests/browser)"
    run_browser_tests firefox firefox-lint.test.mjs firefox.test.mjs
}

# One pass or failure per fuzz target, each over its seeds and then 3 seconds.
test_fuzz_targets() {
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
    echo "   $fuzz_passed passed, $fuzz_failed failed"
    passed=$((passed + fuzz_passed))
    failed=$((failed + fuzz_failed))
}

# in_background NAME FUNCTION...: runs the functions one after the other in the background, with
# counts of their own; report NAME waits for them, shows what they printed and adds their counts.
in_background() {
    steps_counts="$logs/steps-$1.counts"
    rm -f "$steps_counts"
    (
        shift
        passed=0 failed=0
        for step in "$@"; do
            "$step"
        done
        echo "$passed $failed" >"$steps_counts"
    ) >"$logs/steps-$1.out" 2>&1 &
    eval "steps_$1=$!"
}
report() {
    eval "wait \"\$steps_$1\""
    cat "$logs/steps-$1.out"
    if [ -s "$logs/steps-$1.counts" ]; then
        read -r step_passed step_failed <"$logs/steps-$1.counts"
        passed=$((passed + step_passed))
        failed=$((failed + step_failed))
    else
        echo "the steps of $1 ended without their counts; see $logs/steps-$1.out"
        failed=$((failed + 1))
    fi
}
nothing() { :; }
test_sanitize() { test_one sanitize; }
test_wasm() { test_one wasm; }
test_windows32() { test_one windows32; }
test_windows() { test_one windows; }

# The Wine prefix both cross builds' tests start from, made while the first build compiles.
export TANDREL_WINE_TEMPLATE="$root/build/wine-template"
sh "$root/tests/windows/wine-prefix.sh" template "$TANDREL_WINE_TEMPLATE" >"$logs/wine-template.log" 2>&1 &
template_maker=$!

# The sanitize build's tests while the WebAssembly build compiles; that build's tests and the
# browsers' while the 32-bit cross build compiles; its Wine tests while the 64-bit one compiles;
# the fuzz targets (one processor each) beside the 64-bit build's Wine tests, which use one.
if build_one sanitize; then
    in_background sanitize test_sanitize
else
    in_background sanitize nothing
fi
if build_one wasm; then
    in_background wasm test_wasm test_browsers
else
    in_background wasm nothing
fi
report sanitize
# Without the template each build's tests make their prefix from the start, as they would alone.
wait "$template_maker" || echo "no Wine prefix template (see $logs/wine-template.log)"
if build_one windows32; then
    in_background windows32 test_windows32
else
    in_background windows32 nothing
fi
windows_built=no
build_one windows && windows_built=yes
in_background fuzz test_fuzz_targets
[ "$windows_built" = yes ] && test_one windows
report windows32
report fuzz
report wasm

echo "== All in $(($(date +%s) - started_all)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
