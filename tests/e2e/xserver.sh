#!/usr/bin/env bash
# Starts or stops a virtual X server for the end-to-end tests.
#   xserver.sh start DISPLAY STATE_DIR [openbox]
#   xserver.sh stop DISPLAY STATE_DIR
set -euo pipefail
action="$1"
display="$2"
state="$3/xserver${display#:}"
mkdir -p "$state"
case "$action" in
start)
    "$0" stop "$display" "$3" || true
    # A server left on this display by an earlier run that did not stop it.
    lock="/tmp/.X${display#:}-lock"
    if [ -f "$lock" ]; then
        old=$(tr -d ' ' <"$lock" 2>/dev/null || true)
        [ -n "$old" ] && kill "$old" 2>/dev/null || true
        for _ in $(seq 40); do kill -0 "$old" 2>/dev/null || break; sleep 0.05; done
    fi
    rm -f "$lock" "/tmp/.X11-unix/X${display#:}"
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break
        sleep 0.05
    done
    DISPLAY="$display" xdpyinfo >/dev/null 2>&1 || { echo "Xvfb $display did not start"; exit 1; }
    if [ "${4:-}" = openbox ]; then
        # Under load a client's first connection has now and then been refused; a
        # window manager that could not connect is started again, and a server
        # without one fails here rather than in the tests that rely on it.
        managed=no
        for _ in 1 2 3; do
            DISPLAY="$display" openbox --sm-disable >"$state/openbox.log" 2>&1 &
            echo $! >"$state/openbox.pid"
            for _ in $(seq 100); do
                DISPLAY="$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
                kill -0 "$(cat "$state/openbox.pid")" 2>/dev/null || break
                sleep 0.05
            done
            kill -0 "$(cat "$state/openbox.pid")" 2>/dev/null || continue
            # Openbox announces itself a moment before it manages new windows; a window
            # mapped in between stays unmanaged. Ready once a probe window is listed.
            for _ in $(seq 10); do
                DISPLAY="$display" xmessage -title kajprobe probe >/dev/null 2>&1 &
                probe=$!
                for _ in $(seq 20); do
                    if DISPLAY="$display" xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q '0x'; then
                        managed=yes
                        break
                    fi
                    sleep 0.05
                done
                kill "$probe" 2>/dev/null || true
                wait "$probe" 2>/dev/null || true
                [ "$managed" = yes ] && break
            done
            [ "$managed" = yes ] && break
            kill "$(cat "$state/openbox.pid")" 2>/dev/null || true
        done
        [ "$managed" = yes ] || { echo "openbox did not manage windows on $display"; exit 1; }
        for _ in $(seq 40); do
            DISPLAY="$display" xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q '0x' || break
            sleep 0.05
        done
    fi
    ;;
stop)
    for name in openbox xvfb; do
        if [ -f "$state/$name.pid" ]; then
            pid="$(cat "$state/$name.pid")"
            kill "$pid" 2>/dev/null || true
            # Wait until it is gone, so a start right after finds the display free.
            for _ in $(seq 60); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
            rm -f "$state/$name.pid"
        fi
    done
    ;;
esac
