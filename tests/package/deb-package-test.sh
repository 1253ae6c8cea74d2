#!/usr/bin/env bash
# The Debian package as a user meets it: installed into this system (dpkg -i, then
# apt-get -f install for what it depends on), the menu entry, metadata and manual
# pages checked by Debian's validators, Kaj started from the PATH with a fresh home
# on an X server of its own with openbox, its folder and Kaj.ini made owner-only
# in the user's folder, a command button typing into the stand-in client, then the
# package removed with no file of it left behind and the user's settings kept.
# It changes the system: scripts/test runs it in CI or with KAJ_PACKAGE_TESTS=1.
#   tests/package/deb-package-test.sh PACKAGE.deb LINUX_BUILD_DIR
set -euo pipefail
deb="$(realpath "$1")"
build="$(realpath "$2")"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
step() { echo "== $*"; }
fail() {
    DISPLAY="$display" import -window root "$work/failed-screen.png" 2>/dev/null || true
    echo "FAILED: $*" >&2
    exit 1
}
work="$(mktemp -d)"
display=:86
cleanup() {
    [ -n "${kaj:-}" ] && kill "$kaj" 2>/dev/null
    [ -n "${client:-}" ] && kill "$client" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    [ -n "${KAJ_KEEP_PACKAGE_TEST:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

step "install $(basename "$deb")"
"${sudo_cmd[@]}" dpkg -i "$deb" >/dev/null 2>&1 ||
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -f install -y -qq >/dev/null
dpkg-query -W -f='${Status}' kajmar-console | grep -q 'install ok installed' ||
    fail "the package is not installed"
dpkg -L kajmar-console | sort >"$work/files"
for file in /usr/bin/Kaj /usr/bin/kajcli /usr/share/applications/org.kajmar.Console.desktop \
    /usr/share/icons/hicolor/48x48/apps/org.kajmar.Console.png \
    /usr/share/icons/hicolor/scalable/apps/org.kajmar.Console.svg \
    /usr/share/metainfo/org.kajmar.Console.metainfo.xml /usr/share/man/man1/kajcli.1.gz; do
    grep -qx "$file" "$work/files" || fail "$file is not in the package"
done
[ "$(command -v Kaj)" = /usr/bin/Kaj ] || fail "Kaj is not on the PATH"
desktop-file-validate /usr/share/applications/org.kajmar.Console.desktop ||
    fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/org.kajmar.Console.metainfo.xml >/dev/null ||
    fail "appstreamcli validate"
man -l /usr/share/man/man1/kajcli.1.gz 2>&1 >/dev/null | grep . && fail "man reports problems"

step "where things are: the build's screenshots tool on the demo"
"$(dirname "$0")/../../scripts/make-demo" "$work/demo" "$build" >/dev/null
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
openbox >/dev/null 2>&1 &
sleep 1
WINEPREFIX="$work/demo/wine" QT_QPA_PLATFORM=xcb \
    "$build/tools/screenshots/kajscreens" "$work/demo" "$work/shots" >/dev/null
layout="$work/shots/layout.txt"
# shellcheck source=../support/desktop-steps.sh
. "$(dirname "$0")/../support/desktop-steps.sh"

step "Kaj from the PATH with a fresh home"
home="$work/home"
mkdir -p "$home"
folder="$home/.config/kajmar-console"
(cd "$work" && exec env -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$work" Kaj) \
    >"$work/kaj.log" 2>&1 &
kaj=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Kajmar Console$' >/dev/null ||
    fail "Kaj showed no window"
[ -d "$folder" ] || fail "the user's folder $folder was not made"
[ "$(stat -c %a "$folder")" = 700 ] || fail "the user's folder is not its owner's alone"
main="$(main_window_after_first_start)"
for _ in $(seq 50); do # the progress window stays on top for its 2.5 s
    xdotool search --onlyvisible --name '^Kajmar Console - Loading$' >/dev/null || break
    sleep 0.2
done

step "a command button types into the stand-in client"
"$build/tools/fakeclient/fakeclient" --title "Ultima Online" --log "$work/keys.log" &
client=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Ultima Online$' >/dev/null ||
    fail "the stand-in client showed no window"
click "$main" main-0-server tab:Server
click "$main" main-0-server cmdServTime
for _ in $(seq 50); do
    [ "$(cat "$work/keys.log" 2>/dev/null)" = $'\n.time' ] && break
    sleep 0.2
done
[ "$(cat "$work/keys.log" 2>/dev/null)" = $'\n.time' ] || fail "the client did not get .time"

step "closing writes Kaj.ini into the user's folder, owner-only"
close_console "$main" "$kaj"
kaj=""
[ -f "$folder/Kaj.ini" ] || fail "no Kaj.ini in $folder"
[ "$(stat -c %a "$folder/Kaj.ini")" = 600 ] || fail "Kaj.ini is not its owner's alone"

step "remove the package"
"${sudo_cmd[@]}" dpkg -r kajmar-console >/dev/null
while read -r file; do
    [ -f "$file" ] || [ -L "$file" ] || continue
    fail "$file is left behind"
done <"$work/files"
for folder_left in /usr/lib/x86_64-linux-gnu/kajmar-console /usr/share/doc/kajmar-console; do
    [ -e "$folder_left" ] && fail "$folder_left is left behind"
done
[ -f "$folder/Kaj.ini" ] || fail "the user's settings went with the package"
echo "passed"
