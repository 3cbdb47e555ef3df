#!/usr/bin/env bash
# Builds Tamblewin and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
ctest --test-dir build --output-on-failure -j2
