#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# under AddressSanitizer and UndefinedBehaviorSanitizer, then in a normal
# build; between the two, builds the Debian package, installs it, tries the
# installed program and removes it again (as root only: it installs into
# /usr). Fails on any test failure, sanitizer report or package fault.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

echo "== Sanitizer build (address, undefined) =="
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DVRN_SANITIZE=ON -DVRN_BENCH=OFF

echo "== Debian package =="
if [ "$(id -u)" -eq 0 ]; then
    scripts/check-package.sh
else
    echo "skipped: scripts/check-package.sh installs the package and needs root"
fi

echo "== Test build =="
run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
