#!/usr/bin/env bash
# Builds Tamblewin and runs it on the bundled demo family.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
demo=build/samples/demo-family.paf
echo "== tamblewin info $demo"
build/tamblewin info "$demo"
echo "== tamblewin people $demo"
build/tamblewin people "$demo"
