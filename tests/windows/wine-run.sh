#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: a throw-away prefix of the build's
# own (made once, without asking for Mono or Gecko), Wine's chatter off, one
# wineserver kept for the whole run, UTF-8 on the Unix side.
set -euo pipefail
build_dir="${KAJ_WINE_BUILD:-$(cd "$(dirname "$1")" && pwd)}"
while [ ! -f "$build_dir/CMakeCache.txt" ] && [ "$build_dir" != / ]; do
    build_dir="$(dirname "$build_dir")"
done
export WINEPREFIX="${KAJ_WINEPREFIX:-$build_dir/wineprefix}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export LC_ALL=C.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    ) 9>"$WINEPREFIX.lock"
fi
wineserver -p 60 >/dev/null 2>&1 || true
exec wine "$@"
