#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a normal build, an AddressSanitizer +
# UndefinedBehaviorSanitizer build, and ten seconds of fuzzing for each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

bash scripts/install-deps.sh

echo "== format"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== normal build"
# Optimised as released, without debug information: it only slows the build down here.
cmake -S . -B build -G Ninja -DKOVREL_WERROR=ON -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== the README's first command, without and with a display"
bash tests/readme/run_sh_check.sh

echo "== benchmark (short run, to prove it works)"
build/bench/bench_reading --benchmark_min_time=0.2

echo "== sanitizer build"
# Line tables are enough for the sanitizers' reports to name file and line.
cmake -S . -B build-asan -G Ninja -DKOVREL_WERROR=ON -DKOVREL_SANITIZE=ON -DKOVREL_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1"
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== fuzzing (each target briefly)"
bash scripts/fuzz.sh "${KOVREL_FUZZ_SECONDS:-10}"

echo "All builds and tests passed."
