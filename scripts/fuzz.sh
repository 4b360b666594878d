#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in build-fuzz and runs each for SECONDS.
# Usage: scripts/fuzz.sh [SECONDS] [datafile|batch|query|window ...]
# The corpus grows in build-fuzz/corpus/<target> from the seeds in
# tests/fuzz-corpus/<target>; a failing input lands in build-fuzz/crashes/
# and can be replayed with build-fuzz/bin/fuzz_<target> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(datafile batch query window)

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DBRIMSEL_FUZZ=ON -DBRIMSEL_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target quorbel_dat "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
mkdir -p "$build/crashes"
summary=()
failed=0
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    mkdir -p "$corpus"
    # A fixed seed (BRIMSEL_FUZZ_SEED) makes a run repeatable; 0 lets libFuzzer choose.
    options=(-max_total_time="$seconds" -seed="${BRIMSEL_FUZZ_SEED:-0}" -print_final_stats=1 -timeout=10
             -artifact_prefix="$build/crashes/$t-")
    asan="detect_leaks=1"
    case "$t" in
        datafile)
            cp "$build/bin/Quorbel.dat" "$corpus/shipped.dat"
            options+=(-max_len=20000 -malloc_limit_mb=64) ;;
        batch) options+=(-max_len=1024) ;;
        query) options+=(-max_len=512) ;;
        # Qt keeps caches alive until exit, which the leak checker would report.
        window) options+=(-max_len=256 -detect_leaks=0); asan="detect_leaks=0" ;;
    esac
    log="$build/fuzz-$t.log"
    echo "== fuzz_$t for ${seconds} s"
    status=0
    ASAN_OPTIONS="$asan" "$build/bin/fuzz_$t" "${options[@]}" "$corpus" "tests/fuzz-corpus/$t" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E "ERROR|fuzz:|after:|SUMMARY|Test unit written" "$log" | head -20 || true
        summary+=("fuzz_$t: FAILED after ${runs:-?} executions (log $log)")
    else
        summary+=("fuzz_$t: ${runs} executions, $(ls "$corpus" | wc -l) inputs in the corpus, no failure")
    fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
