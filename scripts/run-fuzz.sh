#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time
# (default 60 s, or the first argument), starting from the seed lists, the
# sample lists and the kept findings. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTEPCHAIN_FUZZ=ON -DSTEPCHAIN_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_list make_seeds
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
"$build"/fuzz/make_seeds "$corpus"
cp examples/*.stepchain fuzz/regressions/* "$corpus"/
mkdir -p "$build"/findings
"$build"/fuzz/fuzz_list -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build"/findings/ "$corpus"
