#!/usr/bin/env bash
# Times two brimsel-query builds on the batch of bench/batch_bench.sh, their
# runs alternating in one session so that the machine's load falls on both
# alike, and prints each median and the ratio NEW / OLD.
#
# Usage: bench/batch_compare.sh OLD_BIN_FOLDER NEW_BIN_FOLDER [RUNS]
#   each folder holds brimsel-query and Quorbel.dat; NEW_BIN_FOLDER also
#   brimsel_batch_input (build with -DBRIMSEL_BENCH=ON). RUNS defaults to 31.
set -euo pipefail
old="$1/brimsel-query" new="$2/brimsel-query" runs="${3:-31}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$2/brimsel_batch_input" >"$work/queries"
for _ in $(seq "$runs"); do
    for which in old new; do
        program=${!which}
        start=$(date +%s%N)
        "$program" --batch <"$work/queries" >/dev/null || true
        echo "$(( ($(date +%s%N) - start) / 1000 ))" >>"$work/$which"
    done
done
median() { sort -n "$1" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }
o=$(median "$work/old") n=$(median "$work/new")
awk -v o="$o" -v n="$n" 'BEGIN { printf "old %.1f ms, new %.1f ms (medians), new / old = %.2f\n",
                                  o / 1000, n / 1000, n / o }'
