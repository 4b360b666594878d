#!/usr/bin/env bash
# Prints the C++ lines of tests/ and fuzz/ against those of the program's own
# code (everything else but the benchmarks in bench/), blank and comment-only
# lines not counted.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    # Strips /* */ blocks and // lines, then counts the lines left with text.
    xargs -r cat | sed -e ':a' -e 's@/\*[^*]*\*\+\([^/*][^*]*\*\+\)*/@@g' -e '/\/\*/{N;ba}' |
        grep -v -E '^\s*(//.*)?$' | wc -l
}
tests=$(git ls-files '*.cpp' '*.h' | grep -E '^(tests|fuzz)/' | count)
rest=$(git ls-files '*.cpp' '*.h' | grep -v -E '^(tests|fuzz|bench)/' | count)
echo "tests and fuzz: $tests lines; the rest: $rest lines; $((100 * tests / rest)) %"
