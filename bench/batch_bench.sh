#!/usr/bin/env bash
# Times whole runs of `brimsel-query --batch` over every hole and shaft zone
# (letters A..ZC and a..zc, grades 01, 0, 1..18) at one size inside every size
# range of the deviation table: one process, tens of thousands of queries.
#
# Usage: bench/batch_bench.sh [BIN_FOLDER] [RUNS]
#   BIN_FOLDER  the build's bin folder with brimsel-query, brimsel_batch_input
#               and Quorbel.dat (default build-cli/bin, built with -DBRIMSEL_BENCH=ON)
#   RUNS        timed runs when hyperfine is missing (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build-cli/bin}"
runs="${2:-10}"
query="$bin/brimsel-query"
for f in "$query" "$bin/brimsel_batch_input" "$bin/Quorbel.dat"; do
    [ -e "$f" ] || { echo "missing $f: build with -DBRIMSEL_BENCH=ON first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/brimsel_batch_input" >"$work/queries"

# Exit status 1 is expected: the standard leaves many of these zones undefined.
status=0
"$query" --batch <"$work/queries" >"$work/rows" || status=$?
[ "$status" -le 1 ] || { echo "brimsel-query --batch failed with status $status" >&2; exit 2; }
queries=$(wc -l <"$work/queries")
rows=$(($(wc -l <"$work/rows") - 1))
computed=$(awk -F, 'NR > 1 && $7 == "0"' "$work/rows" | wc -l)
echo "queries: $queries, CSV rows: $rows, zones computed: $computed, exit status: $status"
[ "$rows" -eq "$queries" ] || { echo "expected one row per query" >&2; exit 2; }

if command -v hyperfine >/dev/null 2>&1; then
    hyperfine --warmup 3 --ignore-failure \
        "'$query' --batch <'$work/queries' >/dev/null"
else
    echo "hyperfine not found; $runs runs timed by the shell (real user sys, seconds):"
    TIMEFORMAT='%R %U %S'
    for _ in $(seq "$runs"); do
        { time "$query" --batch <"$work/queries" >/dev/null || true; } 2>&1
    done | sort -n | awk '{ t[NR] = $1; line[NR] = $0 }
        END { print "fastest: " line[1]; print "median:  " line[int((NR + 1) / 2)];
              print "slowest: " line[NR] }'
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -q -f "one run: %e s elapsed, %M KiB peak memory" \
            "$query" --batch <"$work/queries" >/dev/null || true
    fi
fi
