#!/usr/bin/env bash
# Plants the faults listed in scripts/mutants.tsv one at a time, rebuilds what
# they touch, runs the tests, and counts the faults the tests catch.
#
#   scripts/mutate.sh [--build DIR] [--only REGEX] [--list FILE]
#
# --build  build folder of its own (default build-mutate; the first run builds
#          everything there, later runs only what each fault touches)
# --only   plant only the faults whose line matches REGEX (grep -E)
# --list   another fault list in the same format
#
# Each fault is caught (a test failed; the first failing test is named), missed (every test passed), not
# applicable (its text is not found exactly once) or broken (it did not build;
# a fault must compile to say anything about the tests). The planted file is
# put back after every fault, and on any exit; a run killed outright puts it
# back at its next start. Exit status 1 when a fault was missed or broken.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

build=build-mutate
only=
list=scripts/mutants.tsv
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build=$2; shift 2 ;;
        --only) only=$2; shift 2 ;;
        --list) list=$2; shift 2 ;;
        *) echo "usage: $0 [--build DIR] [--only REGEX] [--list FILE]" >&2; exit 2 ;;
    esac
done

# The install test copies the whole tree and proves nothing about a fault.
skip_tests='^install\.'
backup="$build/mutate-backup"
mkdir -p "$build"

restore() {
    if [ -f "$backup/path" ]; then
        local path
        path=$(cat "$backup/path")
        cat "$backup/original" >"$path"
        # A fresh time stamp, so that the next build compiles the original again.
        touch "$path"
        rm -rf "$backup"
    fi
}
trap restore EXIT
trap 'exit 130' INT TERM
restore

build_all() { nice cmake --build "$build" -j2 >"$build/mutate-build.log" 2>&1; }
run_tests() {
    # The first failing test decides; the rest need not run.
    QT_QPA_PLATFORM=offscreen timeout 900 ctest --test-dir "$build" -j2 --timeout 120 \
        --stop-on-failure -E "$skip_tests" >"$build/mutate-test.log" 2>&1
}

if [ ! -f "$build/CMakeCache.txt" ]; then
    # Unoptimised and without debug information: each fault rebuilds and
    # relinks a dozen programs, and the tests run in seconds either way.
    cmake -S . -B "$build" -G Ninja -DBRIMSEL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG=-O0 >/dev/null
fi
build_all || { echo "the unmodified tree does not build (see $build/mutate-build.log)" >&2; exit 2; }
run_tests || { echo "the unmodified tree fails its tests (see $build/mutate-test.log)" >&2; exit 2; }

# Replaces the one occurrence of the text; exit 3 when the file is missing, 4
# when the text is not there exactly once. "\n", "\t" and "\\" are decoded.
plant() {
    perl -e '
        my ($file, $from, $to) = @ARGV;
        for ($from, $to) { s/\\([nt\\])/$1 eq "n" ? "\n" : $1 eq "t" ? "\t" : "\\"/ge }
        open(my $in, "<", $file) or exit 3;
        local $/;
        my $text = <$in>;
        close $in;
        my $count = () = $text =~ /\Q$from\E/g;
        exit 4 if $count != 1;
        $text =~ s/\Q$from\E/$to/;
        open(my $out, ">", $file) or exit 3;
        print $out $text;
        close $out;
    ' "$@"
}

results="$build/mutants.out"
: >"$results"
caught=0 missed=0 unfit=0 broken=0
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    if [ -n "$only" ] && ! grep -qE -- "$only" <<<"$line"; then continue; fi
    IFS=$'\t' read -r file from to what <<<"$line"
    if [ -z "${what:-}" ]; then
        echo "malformed line in $list: $line" >&2
        exit 2
    fi
    status=
    if [ -f "$file" ]; then
        mkdir -p "$backup"
        cat "$file" >"$backup/original"
        echo "$file" >"$backup/path"
    fi
    if ! plant "$file" "$from" "$to"; then
        status="not-applicable"
        rm -rf "$backup"
    elif ! build_all; then
        status="broken"
    elif run_tests; then
        status="missed"
    else
        status="caught"
    fi
    restore
    case "$status" in
        caught) caught=$((caught + 1)) ;;
        missed) missed=$((missed + 1)) ;;
        not-applicable) unfit=$((unfit + 1)) ;;
        broken) broken=$((broken + 1)) ;;
    esac
    by=
    if [ "$status" = caught ]; then
        by=$(grep -m1 -E '\*\*\*(Failed|Timeout|Exception)' "$build/mutate-test.log" |
            sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/')
    fi
    printf '%s\t%s\t%s\t%s\n' "$status" "$file" "$what" "$by" | tee -a "$results"
done <"$list"

# Leave the build folder as the tree is.
build_all || true

echo
echo "caught $caught, missed $missed, not applicable $unfit, broken $broken (of $((caught + missed + unfit + broken)))"
if [ $((missed + unfit + broken)) -gt 0 ]; then
    echo "not caught:"
    grep -v '^caught' "$results" | sed 's/^/  /'
fi
[ $((missed + broken)) -eq 0 ]
