#!/usr/bin/env bash
# Builds the core and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the core tests: among them the damaged-file sweep, the replay of every
# saved fuzz input, and the import of the fetched GEDCOM files. Then the same for
# the output backends (the PDF writer, the Qt surface, PNG and SVG pages) and their
# tests, which need Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DTAMBLEWIN_CORE_ONLY=ON -DTAMBLEWIN_SANITIZE=ON
# The GEDCOM files of other people's making, imported by the core tests too.
bash tools/fetch_gedcom_samples.sh build/gedcom-samples
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tools/lsan-suppressions.txt" UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2 -L core

cmake -S . -B build-asan-qt -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAMBLEWIN_SANITIZE=ON -DTAMBLEWIN_WERROR=ON >/dev/null
cmake --build build-asan-qt --target qt_output_tests demo_paf
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tools/lsan-suppressions.txt" UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan-qt --output-on-failure -j2 -L qt
