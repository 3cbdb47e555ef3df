#!/bin/sh
# Builds the benchmarks in a Release build of their own and runs them, printing
# their figures:  bench/run.sh [--qt] [NAME...]   (default: every *_bench program)
# The build folder is build-bench/, or $TAMBLEWIN_BENCH_BUILD. The build holds only
# the core library; with --qt it holds the Qt output too (in build-bench-qt/, or
# $TAMBLEWIN_BENCH_BUILD), and the benchmarks of writing PDF, SVG and PNG with it.
set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
core_only=ON
default_build=$source_dir/build-bench
if [ "${1:-}" = --qt ]; then
  shift
  core_only=OFF
  default_build=$source_dir/build-bench-qt
fi
build_dir=${TAMBLEWIN_BENCH_BUILD:-$default_build}

generator=
if command -v ninja >/dev/null 2>&1; then
  generator="-G Ninja"
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# shellcheck disable=SC2086
if ! { cmake -S "$source_dir" -B "$build_dir" $generator -DCMAKE_BUILD_TYPE=Release \
         -DTAMBLEWIN_CORE_ONLY=$core_only -DTAMBLEWIN_BENCH=ON -DTAMBLEWIN_TESTS=OFF &&
       cmake --build "$build_dir"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "bench/run.sh: the build failed" >&2
  exit 1
fi

if [ $# -eq 0 ]; then
  set -- $(cd "$build_dir/bench" && ls -- *_bench)
fi
for name in "$@"; do
  echo "== $name"
  "$build_dir/bench/$name"
done
