#!/usr/bin/env bash
# Installs the Debian packages Brimsel needs, only those that are missing.
# Usage: scripts/deps.sh build|run|test|package
set -euo pipefail

build_pkgs=(cmake ninja-build g++ qt6-base-dev libgl-dev libfontconfig-dev libgtest-dev libbenchmark-dev
            fonts-noto-cjk fonts-liberation2 qt6-translations-l10n)
run_pkgs=(xvfb xauth)
# cpack -G DEB needs dpkg-shlibdeps (dpkg-dev) and file; lintian checks the
# package; man-db reads the installed manual pages.
package_pkgs=(dpkg-dev file lintian man-db)
test_pkgs=(clang clang-format libclang-rt-14-dev desktop-file-utils appstream locales
           "${package_pkgs[@]}")

want=("${build_pkgs[@]}")
case "${1:-build}" in
    run) want+=("${run_pkgs[@]}") ;;
    test) want+=("${test_pkgs[@]}") ;;
    package) want+=("${package_pkgs[@]}") ;;
    build) ;;
    *) echo "usage: $0 build|run|test|package" >&2; exit 2 ;;
esac

missing=()
for p in "${want[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
