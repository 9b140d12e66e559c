#!/usr/bin/env bash
# Builds everything from scratch and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
rm -rf build-tests
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure -j 2
