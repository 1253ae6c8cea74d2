#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests: a throw-away prefix of the build's
# own (made once, without asking for Mono or Gecko), Wine's chatter off, one
# wineserver kept for the whole run, UTF-8 on the Unix side.
set -euo pipefail
build_dir="${KAJ_WINE_BUILD:-$(cd "$(dirname "$1")" && pwd)}"
while [ ! -f "$build_dir/CMakeCache.txt" ] && [ "$build_dir" != / ]; do
    build_dir="$(dirname "$build_dir")"
done
# Programs on an X display get a prefix, and so a wineserver and a desktop, of
# their own: a desktop made by a program without a display takes no keys.
export WINEPREFIX="${KAJ_WINEPREFIX:-$build_dir/wineprefix${DISPLAY:+-x}}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export LC_ALL=C.UTF-8
# Qt's offscreen platform, which the window tests use, has no fonts of its own on
# Windows: the tests give it the faces the Linux tests draw with (Wine passes no
# QT_ variable on to a program, so the folder goes under a name of our own).
export KAJ_TEST_FONT_FOLDER="Z:\\usr\\share\\fonts\\truetype\\dejavu"
# The folders of the DLLs the build's programs need (Qt's, the compiler's runtime,
# the program folder's), as the build wrote them.
if [ -f "$build_dir/wine-dll-folders" ]; then
    wine_path=""
    while IFS= read -r folder; do
        [ -n "$folder" ] || continue
        wine_path="${wine_path:+$wine_path;}Z:${folder//\//\\}"
    done <"$build_dir/wine-dll-folders"
    export WINEPATH="$wine_path${WINEPATH:+;$WINEPATH}"
fi
# wineboot returns once the prefix can run programs; Wine writes its registry files
# later, so a marker of our own says the prefix is made.
if [ ! -f "$WINEPREFIX/.made" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.made" ]; then
            wineboot -i >/dev/null 2>&1 || true
            touch "$WINEPREFIX/.made"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
# Wine's background services, when this program starts them, inherit its output;
# through files of its own they cannot keep the test runner waiting for the end of
# a pipe.
output="$(mktemp)"
errors="$(mktemp)"
trap 'rm -f "$output" "$errors"' EXIT
# A program whose wineserver went away under it ("wine client error") never ran
# its own code to the end; it is run again, a few times at most.
for attempt in 1 2 3; do
    status=0
    wine "$@" </dev/null >"$output" 2>"$errors" || status=$?
    if [ "$status" -eq 0 ] || ! grep -q '^wine client error' "$errors"; then
        break
    fi
    echo "wine-run: wineserver lost on attempt $attempt, running again" >&2
    sleep 1
    wineserver -p 60 </dev/null >/dev/null 2>&1 || true
done
cat "$output"
cat "$errors" >&2
exit "$status"
