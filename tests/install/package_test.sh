#!/usr/bin/env bash
# Builds the Debian package from a finished build into a temporary folder:
# lintian reports neither error nor warning, the package carries its
# copyright file, changelog and manual pages, and the pages read without a
# complaint from man. Exit 77 (skipped) when a packaging tool is missing.
set -uo pipefail
build="$1"
for tool in cpack dpkg-shlibdeps file lintian man; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/deps.sh test installs it)"
        exit 77
    fi
done

out=$(mktemp -d "${TMPDIR:-/tmp}/brimsel-package.XXXXXX")
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
deb=$(ls "$out"/brimsel_*.deb)

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# lintian refuses nothing for running as root; its note about it is not a finding.
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian: $(lintian "$deb" 2>/dev/null)"
contents=$(dpkg-deb -c "$deb")
for f in doc/brimsel/copyright doc/brimsel/changelog.gz man/man1/brimsel-query.1.gz \
         man/man1/brimsel.1.gz; do
    grep -q "usr/share/$f\$" <<<"$contents" || fail "no /usr/share/$f in the package"
done
dpkg-deb -x "$deb" "$out/root"
for page in "$out"/root/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man $(basename "$page"): $warnings"
done
grep -q "Depends:.*qt6-translations-l10n" <(dpkg-deb -f "$deb" Depends | sed 's/^/Depends: /') ||
    fail "the package does not depend on Qt's translations"

[ "$failures" = 0 ] && echo "package $(basename "$deb"): all checks passed"
exit $(( failures > 0 ))
