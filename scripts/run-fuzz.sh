#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs them for a bounded time in all
# (default 60 s, or the first argument): two thirds for the binary list
# target, one third for the text form target, each starting from its seeds,
# the samples and the kept findings. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
list_seconds=$(( seconds * 2 / 3 ))
text_seconds=$(( seconds - list_seconds ))
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTEPCHAIN_FUZZ=ON -DSTEPCHAIN_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_list fuzz_text_form make_seeds
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir "$corpus/list" "$corpus/text"
"$build"/fuzz/make_seeds "$corpus/list" "$corpus/text"
cp examples/*.stepchain fuzz/regressions/* "$corpus/list/"
cp examples/*.json "$corpus/text/"
mkdir -p "$build"/findings
options=(-max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build"/findings/)
"$build"/fuzz/fuzz_list -max_total_time="$list_seconds" "${options[@]}" "$corpus/list"
"$build"/fuzz/fuzz_text_form -max_total_time="$text_seconds" "${options[@]}" "$corpus/text"
