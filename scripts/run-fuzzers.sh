#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ (the libraries under
# test instrumented for coverage and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, see VRN_FUZZ) and runs each for a while from its
# seeds in fuzz/corpus/<name>/. Prints each fuzzer's coverage edges and runs;
# fails on any crash, sanitizer report, leak or broken invariant, leaving the
# input that did it in build-fuzz/.
# Usage: scripts/run-fuzzers.sh [seconds per fuzzer, default 60] [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=build-fuzz
fuzzers=(framereceiver confloader history roundtrip)

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVRN_FUZZ=ON -DVRN_BENCH=OFF -DVRN_TOOLS=OFF -DVRN_TEST_AREAS= "$@" >/dev/null
cmake --build "$build" -j "${VRN_JOBS:-$(nproc)}" --target "${fuzzers[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
# Each fuzzer uses one core; as many run at once as there are cores.
run_one() {
    local name=$1 options=() code=0
    # QSettings keeps parsed files in a cache, which libFuzzer's leak check
    # after each input takes for a leak and stops the process for: the fuzzers
    # that read files run eight times faster without that check.
    [ "$name" = framereceiver ] || options+=(-detect_leaks=0)
    # New inputs go to the build folder; the seeds in fuzz/ stay as they are.
    mkdir -p "$build/corpus/$name"
    rm -f "$build/fuzz_$name.status"
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 "${options[@]}" \
        -artifact_prefix="$build/$name-" "$build/corpus/$name" "fuzz/corpus/$name" \
        >"$build/fuzz_$name.log" 2>&1 || code=$?
    echo "$code" >"$build/fuzz_$name.status"
}
running=0
for name in "${fuzzers[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n || true
        running=$((running - 1))
    fi
    run_one "$name" &
    running=$((running + 1))
done
wait || true

failed=0
printf '%-14s %6s %10s %8s\n' fuzzer edges runs "runs/s"
for name in "${fuzzers[@]}"; do
    log=$build/fuzz_$name.log
    edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | head -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | head -1)
    # A clean end: status 0, the statistics, and nothing the sanitizers or
    # libFuzzer print when they stop a run.
    if [ "$(cat "$build/fuzz_$name.status" 2>/dev/null)" = 0 ] && [ -n "$runs" ] &&
        ! grep -q 'ERROR: \|runtime error:\|deadly signal\|^SUMMARY:' "$log"; then
        status=ok
    else
        status=FAILED
        failed=1
    fi
    printf '%-14s %6s %10s %8s %s\n' "$name" "${edges:-?}" "${runs:-?}" "${rate:-?}" "$status"
    if [ "$status" != ok ]; then
        grep -B2 -A40 -m1 'ERROR: \|runtime error:\|deadly signal' "$log" || tail -40 "$log"
        ls "$build/$name"-* 2>/dev/null || true
    fi
done
exit "$failed"
