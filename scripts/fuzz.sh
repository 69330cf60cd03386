#!/bin/sh
# Fuzzes the saved-reading reader for SECONDS (default 60); fails on any crash, hang, leak or
# sanitizer report. Usage: scripts/fuzz.sh [SECONDS]
set -eu

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOVREL_FUZZ=ON -DKOVREL_GUI=OFF -DKOVREL_TESTS=OFF -DKOVREL_BENCH=OFF
cmake --build "$build" --target fuzz_chart_file -j2

# The fuzzer adds what it finds to its corpus: work on a copy so the committed seeds stay put.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$work/corpus" "$build/fuzz-artifacts"
cp "$root/fuzz/corpus/"* "$work/corpus/"

"$build/fuzz/fuzz_chart_file" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -max_len=4096 \
    -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/" \
    "$work/corpus"
