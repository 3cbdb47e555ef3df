#!/bin/sh
# Builds the benchmarks in a Release build of their own and runs them, printing
# their figures. Arguments go to paf_read_bench (--people N, --rounds R, --dir DIR,
# --keep). The build folder is build-bench/, or $TAMBLEWIN_BENCH_BUILD.
set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${TAMBLEWIN_BENCH_BUILD:-$source_dir/build-bench}

generator=
if command -v ninja >/dev/null 2>&1; then
  generator="-G Ninja"
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# shellcheck disable=SC2086
if ! { cmake -S "$source_dir" -B "$build_dir" $generator -DCMAKE_BUILD_TYPE=Release \
         -DTAMBLEWIN_CORE_ONLY=ON -DTAMBLEWIN_BENCH=ON &&
       cmake --build "$build_dir" --target paf_read_bench; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "bench/run.sh: the build failed" >&2
  exit 1
fi

echo "== paf_read_bench"
"$build_dir/bench/paf_read_bench" "$@"
