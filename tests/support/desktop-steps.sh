# Steps the end-to-end scripts share, with the console's windows on an X server and
# input going in through XTest (xdotool). Sourced by a script that defines fail and
# sets layout: the layout.txt the screenshots tool wrote for the same demo.

# The first line of the layout for a picture and a key: X Y WIDTH HEIGHT [TEXT].
place() {
    tr -d '\r' <"$layout" |
        awk -v picture="$1" -v key="$2" '$1 == picture && $2 == key { $1 = ""; $2 = ""; print; exit }' |
        sed 's/^ *//'
}
# The screen position of a window's client area.
origin_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        END { print x, y }'
}
# Clicks the middle of KEY as PICTURE shows it, in the window WINDOW_ID.
click() {
    local window="$1" picture="$2" key="$3" x y w h ox oy
    read -r x y w h _ <<<"$(place "$picture" "$key")" || true
    [ -n "${h:-}" ] || fail "$key is not in the layout of $picture"
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    read -r ox oy <<<"$(origin_of "$window")"
    xdotool mousemove --sync $((ox + x + w / 2)) $((oy + y + h / 2)) click 1
    sleep 0.5
}
# Answers the first start's messages ("Kaj.ini not found! ...", "KajMap.scp does not
# exist!") until the main window alone shows, and prints its id.
main_window_after_first_start() {
    local main="" dialog id width
    for _ in $(seq 20); do
        sleep 1
        dialog=""
        main=""
        for id in $(xdotool search --onlyvisible --name '^Kajmar Console$'); do
            width="$(xwininfo -id "$id" | awk '/Width:/ { print $2 }')"
            if [ "$width" -lt 600 ]; then dialog="$id"; else main="$id"; fi
        done
        [ -z "$dialog" ] && [ -n "$main" ] && break
        [ -n "$dialog" ] && xdotool windowactivate --sync "$dialog" key Return
    done
    [ -n "$main" ] || fail "the main window did not show"
    echo "$main"
}
# Closes the main window WINDOW_ID with Alt+F4 and waits until the program PID ends.
close_console() {
    xdotool windowactivate --sync "$1" key alt+F4
    for _ in $(seq 50); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.2
    done
    fail "the console did not end"
}
