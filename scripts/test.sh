#!/usr/bin/env bash
# Installs what is missing, builds Clavito and runs every suite: unit, widget (Qt offscreen), end-to-end
# (the real program under Xvfb with a JACK dummy server, which the end-to-end scripts start themselves),
# the timer's threaded tests under ThreadSanitizer and the settings-file fuzzer for 60 s.
# Ends with one summary line: "tests: N passed, N failed, N skipped".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build run test || exit 1

jobs=$(nproc)
passed=0
failed=0
skipped=0

# Runs ctest in a build folder and adds its counts, read from its JUnit report, to the totals.
run_ctest() {
    local dir=$1; shift
    local report="$PWD/$dir/ctest-junit.xml"
    rm -f "$report"
    local status=0
    # A hung test costs its timeout, not the run: the slowest (the fuzzer, the end-to-end scripts under load)
    # take about a minute and set 180 s themselves; every other test gets the same.
    ctest --test-dir "$dir" --output-on-failure --no-tests=error --timeout 180 --output-junit "$report" "$@" ||
        status=$?
    if [ ! -s "$report" ]; then
        echo "ctest in $dir wrote no report" >&2
        failed=$((failed + 1))
        return
    fi
    # The attributes of <testsuite> stand one per line.
    local suite total bad skip
    suite=$(tr '\n\t' '  ' <"$report" | grep -o -m1 '<testsuite [^>]*')
    total=$(grep -o ' tests="[0-9]*"' <<<"$suite" | tr -dc 0-9)
    bad=$(grep -o ' failures="[0-9]*"' <<<"$suite" | tr -dc 0-9)
    skip=$(grep -o ' skipped="[0-9]*"' <<<"$suite" | tr -dc 0-9)
    # A test that could not run at all fails ctest without being counted as a failure in the report.
    [ "$status" -ne 0 ] && [ "$bad" -eq 0 ] && bad=1
    passed=$((passed + total - bad - skip))
    failed=$((failed + bad))
    skipped=$((skipped + skip))
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
if build build-tsan "-DCLAVITO_TESTS=ON -DCLAVITO_TSAN=ON" timer_thread_test; then
    TSAN_OPTIONS="halt_on_error=1" run_ctest build-tsan -R Timer
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

echo "tests: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
