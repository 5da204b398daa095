#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# once in a normal build, then once more under AddressSanitizer and
# UndefinedBehaviorSanitizer. Fails on any test failure or sanitizer report.
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

echo "== Test build =="
run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
