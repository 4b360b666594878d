#!/usr/bin/env bash
# Builds everything and runs every test: once as shipped, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then builds the Debian
# package and runs each fuzz target briefly (scripts/fuzz.sh SECONDS for longer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Format"
scripts/format.sh

echo "== Release build and tests"
cmake -S . -B build -G Ninja -DBRIMSEL_BENCH=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Sanitizer build and tests"
cmake -S . -B build-asan -G Ninja -DBRIMSEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}" \
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Debian package"
rm -f build/brimsel_*.deb
(cd build && cpack -G DEB >/dev/null && dpkg-deb -f brimsel_*.deb Package Version Depends)

echo "== Fuzz targets (clang, libFuzzer, sanitizers), a short run each"
BRIMSEL_FUZZ_SEED="${BRIMSEL_FUZZ_SEED:-1}" scripts/fuzz.sh "${BRIMSEL_FUZZ_SECONDS:-12}"

echo "All tests passed."
