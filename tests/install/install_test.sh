#!/usr/bin/env bash
# cmake --install into a temporary prefix, then: the links in bin are
# relative and lead to the programs beside Quorbel.dat; both programs started
# through the links find the data file; the menu entry and the metainfo pass
# their validators. Exit 77 (skipped) when a validator is not installed.
set -uo pipefail

build="" libdir="lib/brimsel" window=0
while [ $# -gt 0 ]; do
    case "$1" in
        --build) build="$2"; shift 2 ;;
        --libdir) libdir="$2"; shift 2 ;;
        --window) window=1; shift ;;
        *) echo "unknown argument $1" >&2; exit 2 ;;
    esac
done

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

prefix=$(mktemp -d "${TMPDIR:-/tmp}/brimsel-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2; rm -f "$prefix.log"
    echo "FAIL: cmake --install" >&2
    exit 1
fi
rm -f "$prefix.log"

programs=(brimsel-query)
[ "$window" = 1 ] && programs+=(brimsel)
[ -f "$prefix/$libdir/Quorbel.dat" ] || fail "no Quorbel.dat in $libdir"
for p in "${programs[@]}"; do
    link="$prefix/bin/$p"
    if [ ! -L "$link" ]; then fail "$link is not a link"; continue; fi
    case "$(readlink "$link")" in /*) fail "$link is an absolute link" ;; esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$prefix/$libdir/$p")" ] ||
        fail "$link does not lead to $libdir/$p"
done

# Started through the link, from another folder, so that neither the working
# folder nor the link's folder holds the data file.
out=$(cd / && "$prefix/bin/brimsel-query" 100 H7 2>&1)
status=$?
[ "$status" = 0 ] && [ "$out" = "100  H7  ES=+0.035  EI= 0  最大极限尺寸=100.035  最小极限尺寸=100.000" ] ||
    fail "brimsel-query 100 H7 through the link: status $status, output '$out'"

if [ "$window" = 1 ]; then
    # The window has no switch to close itself, so it counts as started when it
    # is still running, with no message, well after a program without its data
    # file has shown that message and ended. That case is measured first.
    log="$prefix/messages"
    mv "$prefix/$libdir/Quorbel.dat" "$prefix/Quorbel.dat.away"
    started=$(date +%s%N)
    (cd / && BRIMSEL_TEST_MESSAGE_LOG="$log" timeout 60 "$prefix/bin/brimsel")
    status=$?
    elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
    [ "$status" = 1 ] && grep -q "Quorbel.dat" "$log" 2>/dev/null ||
        fail "brimsel without Quorbel.dat: status $status, messages '$(cat "$log" 2>/dev/null)'"
    rm -f "$log"
    mv "$prefix/Quorbel.dat.away" "$prefix/$libdir/Quorbel.dat"

    (cd / && BRIMSEL_TEST_MESSAGE_LOG="$log" exec "$prefix/bin/brimsel") &
    pid=$!
    wait_ms=$(( elapsed_ms * 3 > 2000 ? elapsed_ms * 3 : 2000 ))
    sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
    else
        wait "$pid"
        fail "brimsel through the link ended by itself with status $?"
    fi
    [ -s "$log" ] && fail "brimsel through the link showed a message: $(cat "$log")"
fi

validate() {
    local tool="$1"; shift
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/deps.sh test installs it)"
        exit 77
    fi
    "$tool" "$@" || fail "$tool $*"
}
if [ "$window" = 1 ]; then
    desktop="$prefix/share/applications/io.github.brimsel.Brimsel.desktop"
    metainfo="$prefix/share/metainfo/io.github.brimsel.Brimsel.metainfo.xml"
    [ -f "$prefix/share/icons/hicolor/128x128/apps/brimsel.png" ] || fail "no icon in hicolor"
    validate desktop-file-validate "$desktop"
    validate appstreamcli validate --no-net "$metainfo"
    grep -qx "Exec=brimsel" "$desktop" && [ -e "$prefix/bin/brimsel" ] ||
        fail "the menu entry does not start bin/brimsel"
fi

[ "$failures" = 0 ] && echo "install into $prefix: all checks passed"
exit $(( failures > 0 ))
