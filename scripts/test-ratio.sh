#!/usr/bin/env bash
# Prints the C++ lines of the tests (tests/), of the fuzz harness (fuzz/) and
# the rows of the test tables (tests/data/), then the C++ lines of tests and
# fuzz together against those of the program's own code (everything else but
# the benchmarks in bench/); blank and comment-only lines are not counted.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    # Strips /* */ blocks and // lines, then counts the lines left with text.
    xargs -r cat | sed -e ':a' -e 's@/\*[^*]*\*\+\([^/*][^*]*\*\+\)*/@@g' -e '/\/\*/{N;ba}' |
        grep -v -E '^\s*(//.*)?$' | wc -l
}
# Data rows: the lines of the test tables that are neither blank nor "#" comments.
rows() { xargs -r cat | grep -v -E '^\s*(#.*)?$' | wc -l; }
unit=$(git ls-files '*.cpp' '*.h' | grep -E '^tests/' | count)
fuzz=$(git ls-files '*.cpp' '*.h' | grep -E '^fuzz/' | count)
data=$(git ls-files 'tests/data/*' | rows)
rest=$(git ls-files '*.cpp' '*.h' | grep -v -E '^(tests|fuzz|bench)/' | count)
tests=$((unit + fuzz))
echo "tests: $unit C++ lines; fuzz harness: $fuzz C++ lines; data tables: $data rows"
echo "tests and fuzz: $tests lines; the rest: $rest lines; $((100 * tests / rest)) %"
