#!/usr/bin/env bash
# Builds Orvane and runs every test, then builds the core again under AddressSanitizer
# and UndefinedBehaviorSanitizer and runs the core tests there.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DORVANE_CORE_ONLY=ON -DORVANE_SANITIZE=ON
cmake --build build-sanitize -j2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j2
