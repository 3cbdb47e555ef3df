#!/usr/bin/env bash
# Writes the page log of every report, from several starts, for each data file given,
# into one folder: a change that must keep the pages as they are is checked by
# running this before and after it and comparing the folders (diff -r).
#   usage: tools/page_logs.sh TAMBLEWIN OUT_DIR DATA_FILE... [-- REPORT OPTIONS...]
# Each data file is reported from the first, the middle and the last of its RINs and
# MRINs, and from MRINs 2 and 3 together; the date is fixed.
set -uo pipefail

bin=$1
out=$2
shift 2
files=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    files+=("$1")
    shift
done
[ "${1:-}" = "--" ] && shift
options=("$@")

kinds=(research-status-list research-status-chart ancestors-list-with-repeats ancestors-list-without-repeats
       repeat-ancestors-list descendants-list grouped-descendants-list descendants-summary-list family-summary-list
       repeat-descendant-list surname-distribution-list descendant-summary-chart family-tree-chart family-date-chart)
couple_kinds=" descendants-list grouped-descendants-list descendants-summary-list family-summary-list repeat-descendant-list descendant-summary-chart family-tree-chart family-date-chart "

figure() { "$bin" info "$1" 2>/dev/null | sed -n "s/^$2: //p"; }

mkdir -p "$out"
export HOME=$(mktemp -d)  # no tuning or positions files of the user's
export PAPERSIZE=letter   # not the machine's default paper; --paper in the options wins
for file in "${files[@]}"; do
    name=$(basename "$file")
    rins=$(figure "$file" highestRin)
    mrins=$(figure "$file" highestMrin)
    for kind in "${kinds[@]}"; do
        if [[ $couple_kinds == *" $kind "* ]]; then
            starts=(1 $(( (mrins + 1) / 2 )) "$mrins" 2,3)
        else
            starts=(1 $(( (rins + 1) / 2 )) "$rins")
        fi
        for start in "${starts[@]}"; do
            target="$out/$name.$kind.$start.log"
            "$bin" report "$kind" --paf "$file" --start "$start" --date 2026-01-01 --format log -o - "${options[@]}" \
                >"$target" 2>"$target.err"
            echo "status $?" >>"$target.err"
        done
    done
done
