#!/usr/bin/env bash
# Checks (default) or applies (--fix) the house format on every C++ file the
# repository tracks, with the clang-format Debian 12 ships.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
else
    clang-format --dry-run -Werror "${files[@]}"
fi
