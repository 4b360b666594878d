#!/usr/bin/env bash
# Start-up of the window against the floor of an empty Qt Widgets window (and
# of one with a line of text): process start to first shown and to first
# painted, medians of RUNS starts of each, interleaved, offscreen and (when
# xvfb-run is there) under Xvfb, and the peak resident memory (VmHWM) at the
# first paint. Ratios are to the empty window and to the one-line window.
# Usage: bench/startup/startup_bench.sh [RUNS] [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs="${1:-30}"
build="${2:-build}"
cmake -S . -B "$build" -G Ninja -DBRIMSEL_BENCH=ON >/dev/null
cmake --build "$build" --target brimsel_startup_bench >/dev/null

bench=("$build/bin/brimsel_startup_bench" "$runs" "$build/lib/libbrimsel_startup_probe.so"
       "$build/bin/brimsel_startup_floor" "$build/bin/brimsel_startup_text_floor"
       "$build/bin/brimsel")
echo "== offscreen"
QT_QPA_PLATFORM=offscreen "${bench[@]}"
if command -v xvfb-run >/dev/null; then
    echo "== Xvfb"
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "${bench[@]}"
fi
