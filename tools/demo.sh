#!/usr/bin/env bash
# Builds Tamblewin and runs it on the bundled demo family: the file's figures, its
# people in name order, and the Ancestors List (with repeats) of one of them as a PDF.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh build
demo=build/samples/demo-family.paf
echo "== tamblewin info $demo"
build/tamblewin info "$demo"
echo "== tamblewin people $demo"
build/tamblewin people "$demo"
echo "== tamblewin report ancestors-list-with-repeats --paf $demo --start 300 -o build/demo-ancestors-list.pdf"
build/tamblewin report ancestors-list-with-repeats --paf "$demo" --start 300 -o build/demo-ancestors-list.pdf
echo "Open $(pwd)/build/demo-ancestors-list.pdf to read the report."
