#!/usr/bin/env bash
# Builds Tamblewin and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
bash tools/fetch_gedcom_samples.sh build/gedcom-samples
ctest --test-dir build --output-on-failure -j2
