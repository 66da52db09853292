#!/usr/bin/env bash
# Installs what is missing, builds Clavito and runs every suite: unit, widget (Qt offscreen), end-to-end
# (the real program under Xvfb with a JACK dummy server, which the end-to-end scripts start themselves),
# the timer's threaded tests under ThreadSanitizer and the settings-file fuzzer for 60 s.
# Ends with one summary line: "tests: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build run test || exit 1

jobs=$(nproc)
passed=0
failed=0

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
    local dir=$1; shift
    local log
    log=$(mktemp)
    ctest --test-dir "$dir" --output-on-failure --no-tests=error "$@" 2>&1 | tee "$log"
    local line
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        echo "ctest in $dir printed no summary" >&2
        failed=$((failed + 1))
    else
        local bad total
        bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
        total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
    fi
    rm -f "$log"
}

# build <folder> "<cmake options>" [targets...]
build() {
    local dir=$1 options=$2; shift 2
    local targets=()
    for t in "$@"; do targets+=(--target "$t"); done
    # shellcheck disable=SC2086
    cmake -S . -B "$dir" $options >/dev/null && cmake --build "$dir" -j"$jobs" "${targets[@]}"
}

if build build-tests "-DCLAVITO_TESTS=ON"; then
    run_ctest build-tests -j"$jobs"
else
    echo "build failed" >&2
    failed=$((failed + 1))
fi

# The timer's tests again, built with ThreadSanitizer: any report fails the test.
if build build-tsan "-DCLAVITO_TESTS=ON -DCLAVITO_TSAN=ON" timer_unit_test timer_thread_test; then
    TSAN_OPTIONS="halt_on_error=1" run_ctest build-tsan -R 'Timer|TicksInNested'
else
    echo "ThreadSanitizer build failed" >&2
    failed=$((failed + 1))
fi

# The settings-file reader and writer under libFuzzer for 60 s.
if CC=clang CXX=clang++ build build-fuzz "-DCLAVITO_TESTS=ON -DCLAVITO_FUZZ=ON" fuzz_profile; then
    run_ctest build-fuzz -L fuzz
else
    echo "fuzzer build failed" >&2
    failed=$((failed + 1))
fi

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
