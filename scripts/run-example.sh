#!/usr/bin/env bash
# Builds the module and prints the panel script of a sample list
# (event code, with the sample host description and an owner named Btn1).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTEPCHAIN_TESTS=OFF >/dev/null
cmake --build build --target stepchain-cli
echo
build/tools/stepchain script examples/calc.stepchain --host examples/host.json --owner Btn1 | iconv -f CP932 -t UTF-8
