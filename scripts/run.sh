#!/usr/bin/env bash
# Builds Brimsel and starts it. Without a display it starts under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build -G Ninja -DBRIMSEL_TESTS=OFF >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Brimsel under Xvfb (invisible; close with Ctrl+C)."
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/bin/brimsel "$@"
fi
exec build/bin/brimsel "$@"
