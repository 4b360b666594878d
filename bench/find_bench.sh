#!/usr/bin/env bash
# Whole runs of `brimsel-query --find ... --all` (every H/any and any/h fit at
# one size, all of them written as CSV) against the floor of the same program
# answering --version: process start, reading Quorbel.dat is the difference
# that is not the search. Medians of RUNS runs of each, interleaved.
#
# Usage: bench/find_bench.sh [BIN_FOLDER] [RUNS]
#   BIN_FOLDER  the build's bin folder with brimsel-query and Quorbel.dat (default build/bin)
#   RUNS        runs of each command (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build/bin}"
runs="${2:-30}"
query="$bin/brimsel-query"
for f in "$query" "$bin/Quorbel.dat"; do
    [ -e "$f" ] || { echo "missing $f: build brimsel-query first" >&2; exit 2; }
done

find_args=(--find 40 0.010 0.050 --all --limit 0 --csv)
rows=$("$query" "${find_args[@]}" | wc -l)
echo "brimsel-query ${find_args[*]}: $((rows - 1)) fits"

elapsed_us() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: >/tmp/find_bench.$$.floor
: >/tmp/find_bench.$$.find
trap 'rm -f /tmp/find_bench.$$.*' EXIT
for _ in $(seq "$runs"); do
    elapsed_us "$query" --version >>/tmp/find_bench.$$.floor
    elapsed_us "$query" "${find_args[@]}" >>/tmp/find_bench.$$.find
done
floor=$(median </tmp/find_bench.$$.floor)
find=$(median </tmp/find_bench.$$.find)
echo "median of $runs runs: --version ${floor} us (floor), --find --all ${find} us," \
    "ratio $(awk -v a="$find" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')"
