#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz, and runs them, each in the background at
# the lowest priority, until FUZZ_SECONDS have passed (default 3600).
#   usage: tools/fuzz.sh [TARGET...]        (default: every fuzz/*_fuzzer.cpp)
#   FUZZ_SECONDS=600 FUZZ_LOG_DIR=/tmp/fuzz-logs tools/fuzz.sh paf_reports
# New inputs the fuzzer finds go to build-fuzz/corpus/TARGET; the saved seeds in
# fuzz/corpus/TARGET and the inputs that once found faults in fuzz/regressions/TARGET
# are read, never written. A crashing input lands in build-fuzz/artifacts/TARGET:
# once the fault is fixed, copy it (minimised with -minimize_crash=1) into
# fuzz/regressions/TARGET, where the normal test run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(clang libclang-rt-14-dev cmake ninja-build)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

build=build-fuzz
seconds=${FUZZ_SECONDS:-3600}
logs=${FUZZ_LOG_DIR:-$build/logs}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzzer.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name%_fuzzer}")
    done
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAMBLEWIN_CORE_ONLY=ON -DTAMBLEWIN_TESTS=OFF -DTAMBLEWIN_FUZZ=ON -DTAMBLEWIN_WERROR=ON >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

mkdir -p "$logs"
pids=()
for target in "${targets[@]}"; do
    # The report targets run every report: the Family Tree Chart may walk up to two
    # million entries on a family that loops, a second or more under the sanitizers.
    case $target in
        start_fields) max_len=256 timeout=10 ;;
        chart_files) max_len=65536 timeout=10 ;;
        *) max_len=65536 timeout=30 ;;
    esac
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    inputs=("$build/corpus/$target")
    for folder in fuzz/corpus/$target fuzz/regressions/$target; do
        [ -d "$folder" ] && inputs+=("$folder")
    done
    echo "fuzz_$target: $seconds s, log $logs/$target.log"
    nice -n 19 "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout="$timeout" \
        -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$build/artifacts/$target/" \
        "${inputs[@]}" >"$logs/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for target in "${targets[@]}"; do
    echo "== $target"
    grep -E "^(stat::|Done|==[0-9]+==ERROR|SUMMARY|artifact_prefix)|Test unit written" "$logs/$target.log" || true
done
exit $status
