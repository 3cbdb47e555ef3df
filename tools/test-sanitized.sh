#!/usr/bin/env bash
# Builds the core and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the core tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTAMBLEWIN_CORE_ONLY=ON -DTAMBLEWIN_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2 -L core
