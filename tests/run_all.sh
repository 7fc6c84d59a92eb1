#!/usr/bin/env bash
# Builds and runs the whole suite twice: plainly with warnings as errors, then under
# AddressSanitizer and UndefinedBehaviorSanitizer. Any failure stops it with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

echo "== plain build, warnings as errors"
cmake -S . -B build -DBUILD_TESTING=ON -DWERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DBUILD_TESTING=ON -DWERROR=ON -DSANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
