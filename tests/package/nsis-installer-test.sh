#!/usr/bin/env bash
# The Windows installer as an administrator rolling it out meets it, under Wine in a
# fresh prefix on an X server of its own with openbox: a silent install (/S) into
# Program Files with Start-menu shortcuts and an Add/Remove Programs entry; Kaj.exe
# started from there writes its Kaj.ini under the user's AppData; the silent
# uninstaller leaves no program file, shortcut or entry behind and keeps the user's
# settings. Then the same for one user alone (/CurrentUser).
#   tests/package/nsis-installer-test.sh SETUP.exe
set -euo pipefail
setup="$(realpath "$1")"
step() { echo "== $*"; }
work="$(mktemp -d)"
display=:87
fail() {
    DISPLAY="$display" import -window root "$work/failed-screen.png" 2>/dev/null || true
    echo "FAILED: $*" >&2
    exit 1
}
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="$display"
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    [ -n "${KAJ_KEEP_PACKAGE_TEST:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=../support/desktop-steps.sh
. "$(dirname "$0")/../support/desktop-steps.sh"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
openbox >/dev/null 2>&1 &
wineboot -i >/dev/null 2>&1
drive="$WINEPREFIX/drive_c"
user_data="$drive/users/$(id -un)/AppData/Roaming/Kajmar Console"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kajmar Console'

# Waits while PATH exists (the uninstaller removes files after it returns).
gone() {
    for _ in $(seq 60); do
        [ -e "$1" ] || return 0
        sleep 0.5
    done
    return 1
}

step "silent install for all users"
wine "$setup" /S
installed="$drive/Program Files/Kajmar Console"
for file in Kaj.exe kajcli.exe GlyphView.dll TerrainView.dll libkaj_control_registry.dll \
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    Uninstall.exe; do
    [ -f "$installed/$file" ] || fail "$file was not installed"
done
shortcuts="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Kajmar Console"
[ -f "$shortcuts/Kajmar Console.lnk" ] || fail "no Start-menu shortcut"
wine reg query "HKLM\\$uninstall_key" /v DisplayName 2>/dev/null | grep -q 'Kajmar Console' ||
    fail "no Add/Remove Programs entry"

step "Kaj.exe from Program Files keeps its files in the user's AppData"
(cd "$work" && exec wine "C:\\Program Files\\Kajmar Console\\Kaj.exe" >"$work/kaj.log" 2>&1) &
kaj=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Kajmar Console$' >/dev/null ||
    fail "Kaj.exe showed no window"
main="$(main_window_after_first_start)"
[ -d "$user_data" ] || fail "no folder under AppData"
[ -e "$installed/Kaj.ini" ] && fail "Kaj.ini went into Program Files"
close_console "$main" "$kaj"
[ -f "$user_data/Kaj.ini" ] || fail "no Kaj.ini under AppData"

step "silent uninstall"
wine "$installed/Uninstall.exe" /S
gone "$installed" || fail "files are left in Program Files: $(find "$installed" | head -5)"
gone "$shortcuts" || fail "the Start-menu shortcuts are left"
wine reg query "HKLM\\$uninstall_key" >/dev/null 2>&1 && fail "the Add/Remove Programs entry is left"
[ -f "$user_data/Kaj.ini" ] || fail "the user's settings went with the program"

step "silent install and uninstall for the user alone"
wine "$setup" /S /CurrentUser
mine="$drive/users/$(id -un)/AppData/Local/Programs/Kajmar Console"
[ -f "$mine/Kaj.exe" ] || fail "no per-user installation in $mine"
[ -e "$installed" ] && fail "a per-user install went into Program Files"
wine reg query "HKCU\\$uninstall_key" /v DisplayName 2>/dev/null | grep -q 'Kajmar Console' ||
    fail "no per-user Add/Remove Programs entry"
wine "$mine/Uninstall.exe" /S /CurrentUser
gone "$mine" || fail "files are left in $mine"
wine reg query "HKCU\\$uninstall_key" >/dev/null 2>&1 && fail "the per-user entry is left"
echo "passed"
