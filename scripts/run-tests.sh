#!/usr/bin/env bash
# Builds everything from scratch and runs the whole test suite: the unit and
# tool tests, the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

echo "== tests"
rm -rf build-tests
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure -j 2

echo "== tests with sanitizers"
rm -rf build-sanitize
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTEPCHAIN_SANITIZE=ON >/dev/null
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j 2

echo "== fuzzing"
rm -rf build-fuzz
scripts/run-fuzz.sh "${STEPCHAIN_FUZZ_SECONDS:-60}"
