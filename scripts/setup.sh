#!/bin/sh
# Installs every Debian package the builds and the tests need. Quick when all are there.
set -eu

# The 32-bit cross build's tests run under Wine's 32-bit loader, a package of the i386 architecture.
packages="cmake make ninja-build g++ googletest libgtest-dev libbenchmark-dev clang-format
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 nsis
    wine wine64 wine64-tools wine32:i386 fonts-wine xvfb xauth x11-apps imagemagick
    clang-14 libclang-rt-14-dev libinih-dev locales nlohmann-json3-dev emscripten
    chromium firefox-esr"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $missing >/dev/null
fi

# A locale with a decimal comma, so that the test that number reading ignores the process locale
# runs rather than skips.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# The browser tests' node packages (playwright-core, puppeteer-core and web-ext, pinned by the lock
# file), installed as the lock file says; no browser is downloaded: the tests drive Debian's
# chromium and firefox-esr.
browser_tests="$(cd "$(dirname "$0")/.." && pwd)/tests/browser"
if ! cmp -s "$browser_tests/package-lock.json" "$browser_tests/node_modules/.installed-lock" 2>/dev/null; then
    echo "Installing the browser tests' node packages"
    (cd "$browser_tests" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error &&
        cp package-lock.json node_modules/.installed-lock)
fi
