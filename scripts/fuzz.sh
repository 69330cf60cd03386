#!/bin/sh
# Fuzzes each target for SECONDS (default 20): the saved-reading reader, the tool's command
# lines, the whole computation with both reports, and the reminder's stored date. Fails on any
# crash, hang, leak or sanitizer report. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -eu

seconds=${1:-20}
[ $# -gt 0 ] && shift
targets=${*:-fuzz_chart_file fuzz_reading_cli fuzz_calculation fuzz_reminder_date}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DKOVREL_FUZZ=ON -DKOVREL_GUI=OFF -DKOVREL_TESTS=OFF -DKOVREL_BENCH=OFF
# shellcheck disable=SC2086
cmake --build "$build" --target $targets -j2

# The fuzzer adds what it finds to its corpus: work on copies so the committed seeds stay put.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$build/fuzz-artifacts"

for target in $targets; do
    seeds="$root/fuzz/corpus/${target#fuzz_}"
    mkdir -p "$work/$target"
    if [ -d "$seeds" ]; then
        cp "$seeds/"* "$work/$target/"
    fi
    echo "== $target, $seconds s"
    "$build/fuzz/$target" \
        -max_total_time="$seconds" \
        -timeout=10 \
        -rss_limit_mb=2048 \
        -max_len=4096 \
        -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$target-" \
        "$work/$target"
done
