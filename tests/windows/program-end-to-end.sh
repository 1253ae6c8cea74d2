#!/usr/bin/env bash
# The console for Windows, end to end under Wine, as a user gets it: the deployed
# folder (scripts/deploy-windows) is the program folder of a demo (nothing else of
# the build is copied in), in a fresh Wine prefix, its windows on the X server named
# by DISPLAY under a window manager. Mouse clicks and keys go in through XTest
# (xdotool) at the places the screenshots tool records for the same demo. Checked:
#   - the launcher writes login.cfg and starts the client (the stand-in
#     uoclient.exe, through ShellExecuteW), which shows its window;
#   - the Time button types its command into that client (fakeclient.exe);
#   - the Create Item window, after a search and a click on the found row, shows
#     exactly the pixels kajcli.exe renders for that art;
#   - the travel map shows exactly the pixels kajcli.exe renders for its view;
#   - a location added in the Add Location window is written to KajMap.scp;
#   - "Make Data Files" writes the catalogue script files from the server folder,
#     after backing up the old ones, and Kaj.ini is written when the console closes.
#   tests/windows/program-end-to-end.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(realpath "$1")"
source_dir="$(realpath "$2")"
step() { echo "== $*"; }
fail() {
    # What the screen showed is kept in the build for a look afterwards.
    import -window root "$build/program-e2e-failed.png" 2>/dev/null || true
    cp "$work/kaj.log" "$build/program-e2e-kaj.log" 2>/dev/null || true
    echo "FAILED: $*" >&2
    exit 1
}

work="$(mktemp -d "$build/program-e2e.XXXXXX")"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${KAJ_KEEP_E2E:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

step "deploy the folder and make a demo of it in a fresh prefix"
deployed="$("$source_dir/scripts/deploy-windows" | tail -n 1)"
wineboot -i >/dev/null 2>&1
wineserver -p 60 >/dev/null 2>&1 || true
demo="$work/demo"
"$source_dir/scripts/make-demo-windows" "$demo" "$deployed" "$build" >/dev/null
cp "$demo/Kaj.ini" "$work/Kaj.ini.before"

step "where things are: the screenshots tool on a copy of the demo"
cp -r "$demo" "$work/shots-demo"
KAJ_WINEPREFIX="$WINEPREFIX" "$source_dir/tests/windows/wine-run.sh" \
    "$build/tools/screenshots/kajscreens.exe" "$(windows_path "$work/shots-demo")" \
    "$(windows_path "$work/shots")" >/dev/null
layout="$work/shots/layout.txt"
[ -s "$layout" ] || fail "the screenshots tool wrote no layout"
# shellcheck source=../support/desktop-steps.sh
. "$source_dir/tests/support/desktop-steps.sh"

window_of() {
    local id
    id="$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" ||
        fail "no window titled $1"
    echo "$id"
}
# The pixels of KEY as the window shows them now, into FILE.
capture() {
    local window="$1" picture="$2" key="$3" file="$4" x y w h
    read -r x y w h _ <<<"$(place "$picture" "$key")"
    import -window "$window" "$work/window.png"
    convert "$work/window.png" -crop "${w}x${h}+${x}+${y}" +repage "$file"
    echo "${w}x${h}"
}
same_pixels() {
    local differing
    differing="$(compare -metric AE "$1" "$2" null: 2>&1 || true)"
    [ "$differing" = "0" ] || fail "$3: $differing pixels differ ($1 against $2)"
}
kajcli() { wine "$demo/kajcli.exe" "$@"; }

step "start Kaj.exe in the demo folder"
(cd "$demo" && exec wine Kaj.exe >"$work/kaj.log" 2>&1) &
kaj=$!
main="$(window_of '^Kajmar Console$')"
for _ in $(seq 50); do # the progress window stays on top for its 2.5 s
    xdotool search --onlyvisible --name '^Kajmar Console - Loading$' >/dev/null || break
    sleep 0.2
done
sleep 0.5

step "Launcher: the demo shard starts the stand-in client through the shell"
printf 'LoginServer=old,1\r\n' >"$demo/client/login.cfg"
click "$main" main-6-launcher tab:Launcher
click "$main" main-6-launcher row:ListShards:0
click "$main" main-6-launcher cmdLauncherLaunch
client="$(window_of '^Ultima Online$')"
grep -q 'LoginServer=127.0.0.1,5003' "$demo/client/login.cfg" || fail "login.cfg was not rewritten"

step "Server tab: Time types its command into the client"
: >"$demo/client/keys.log" # the client holds it open
click "$main" main-0-server tab:Server
click "$main" main-0-server cmdServTime
for _ in $(seq 100); do
    [ "$(cat "$demo/client/keys.log" 2>/dev/null)" = $'\n.time' ] && break
    sleep 0.2
done
[ "$(cat "$demo/client/keys.log" 2>/dev/null)" = $'\n.time' ] || fail "the client did not get .time"

step "Create Item: a found row's art, pixel for pixel"
click "$main" main-4-item tab:Item
click "$main" main-4-item cmdCreateItem
items="$(window_of '^Create Items$')"
click "$items" create-item TextSearch
xdotool type --delay 50 woodenchair
xdotool key Return
sleep 0.5
click "$items" create-item row:ListItems:0
read -r _ _ _ _ row <<<"$(place create-item row:ListItems:0)"
IFS='|' read -r name _ graphic _ <<<"$row"
[ "$name" = woodenchair ] || fail "the layout's first item is $name"
size="$(capture "$items" create-item GlyphView1 "$work/preview.png")"
background="$(convert "$work/preview.png" -format '%[hex:p{0,0}]' info:)"
# A search leaves the Color column empty: the art shows unhued. kajcli draws the
# control's buffer (whole multiples of 8 pixels), the control's background beyond it.
kajcli render-art --client "$(windows_path "$demo/client")" --type 0 --index "$((graphic))" \
    --color 0 --size "$size" --background "$background" \
    --out "$(windows_path "$work/art.png")" || fail "kajcli.exe render-art"
convert "$work/art.png" -background "#$background" -extent "$size" "$work/art-whole.png"
same_pixels "$work/preview.png" "$work/art-whole.png" "the art preview"

step "Travel: the map window's view, pixel for pixel"
click "$main" main-5-travel tab:Travel
map="$(window_of '^Travel Map$')"
sleep 1
size="$(capture "$map" map TerrainView1 "$work/map.png")"
kajcli render-map --client "$(windows_path "$demo/client")" --center 3072,2048 --zoom 0 \
    --statics --size "$size" --out "$(windows_path "$work/map-expected.png")" ||
    fail "kajcli.exe render-map"
edge="$(convert "$work/map.png" -gravity southeast -crop 1x1+0+0 -format '%[hex:p{0,0}]' info:)"
convert "$work/map-expected.png" -background "#$edge" -extent "$size" "$work/map-whole.png"
same_pixels "$work/map.png" "$work/map-whole.png" "the travel map"

step "Travel: an added location is written to KajMap.scp"
click "$main" main-5-travel cmdTravelAdd
add="$(window_of '^Add Location$')"
for field in Combo1:Wine Combo2:Tests Text1:Checkpoint Text2:100 Text3:200 Text4:7; do
    click "$add" add-location "${field%%:*}"
    xdotool key ctrl+a
    xdotool type --delay 30 "${field#*:}"
done
click "$add" add-location cmdAdd
for _ in $(seq 25); do
    grep -q 'Checkpoint' "$demo/KajMap.scp" && break
    sleep 0.2
done
tr -d '\r' <"$demo/KajMap.scp" | grep -A3 -x 'C=Wine' | tr '\n' ' ' |
    grep -qx 'C=Wine S=Tests L=Checkpoint P=100,200,7 ' || fail "KajMap.scp lacks the new location"

step "Setup: Make Data Files writes the script files from the server's definitions"
cp "$demo/KajItems2.scp" "$work/KajItems2.before"
click "$main" main-10-setup tab:Setup
click "$main" main-10-setup chkConfig7 # "Use Kaj Data Files" off: read the server folder
click "$main" main-10-setup cmdSetupMakeDataFiles
sleep 1
xdotool key y
for _ in $(seq 25); do
    [ -f "$demo/KajItems2.bak" ] && break
    sleep 0.2
done
sleep 1
xdotool key Return
cmp -s "$demo/KajItems2.scp" "$work/KajItems2.before" && fail "KajItems2.scp was not rewritten"
cmp -s "$demo/KajItems2.bak" "$work/KajItems2.before" || fail "KajItems2.bak is not the old file"
grep -q $'\r$' "$demo/KajChar.scp" || fail "KajChar.scp was not written"

step "closing the console writes Kaj.ini"
close_console "$main" "$kaj"
cmp -s "$demo/Kaj.ini" "$work/Kaj.ini.before" && fail "Kaj.ini was not written"
grep -q $'^CLIENTKIND=classic\r$' "$demo/Kaj.ini" || fail "Kaj.ini lacks what the console writes"
echo "passed"
