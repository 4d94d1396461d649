#!/usr/bin/env bash
# Checks the two Windows packages the way a user meets them, under wine:
# - the installer: a silent install (/S) into Program Files, the Start-menu entry, both
#   programs started from the installed folder, a silent uninstall that leaves no folder;
# - the zip: unpacked into a scratch folder, its DLLs against the import tables (nothing
#   missing, nothing nobody imports), parolex-cli.exe started from it.
# Every program runs under plain wine with WINEPATH unset: a DLL the package lacks is then
# missing here too, as on a Windows machine without Qt.
# Usage: check-packages.sh INSTALLER.exe PACKAGE.zip
set -euo pipefail
installer=$(realpath "${1:?usage: $0 INSTALLER.exe PACKAGE.zip}")
zip=$(realpath "${2:?usage: $0 INSTALLER.exe PACKAGE.zip}")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The Key "abc" and the password the derivation gives for it on every platform.
key=abc
password=3002872312
# The main window's title starts with the product's name.
title="Morvik Parolex"

# A wine prefix of its own: the tests of the build share the cached one, and a wine server
# shared with their programs (their desktop, their display) loses this check's window.
# PAROLEX_PACKAGE_WINEPREFIX overrides it; wine creates it on first use (about a minute).
export WINEPREFIX=${PAROLEX_PACKAGE_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/parolex-windows/wine-packages}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
unset WINEPATH

scratch=$(mktemp -d /tmp/parolex-windows-package.XXXXXX)
gui_pid=""
xvfb_pid=""
cleanup() {
    [ -n "$gui_pid" ] && kill -9 "$gui_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
    # Wine's server and services hold this script's output open; in this prefix every program
    # is this script's, so waiting for them to end is safe and short.
    timeout 60 wineserver -w || true
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The derivation from the command line, in FOLDER.
check_cli() {
    local folder=$1 out
    out=$(wine "$folder/parolex-cli.exe" derive "$key" 2>&1 | tr -d '\r') ||
        fail "parolex-cli.exe derive $key failed in $folder: $out"
    [ "$out" = "$password" ] || fail "parolex-cli.exe derive $key printed '$out', not $password"
    echo "parolex-cli.exe derive $key: $out"
}

# The window program must open its main window. Only the window tells: a missing DLL or
# platform plugin ends in an error box, and the process stays up behind it. With Xvfb it runs
# on the shipped windows platform plugin; without one it can only run offscreen, with Qt's
# offscreen plugin from the build (not shipped), and then staying up is all that is seen.
check_gui() {
    local folder=$1 args=() display
    if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
        display=$((100 + RANDOM % 800))
        Xvfb ":$display" -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 1
    else
        [ -n "${QT_WINDOWS_PREFIX:-}" ] || fail "neither Xvfb with xdotool nor QT_WINDOWS_PREFIX for an offscreen run"
        args=(-platform offscreen -platformpluginpath "Z:${QT_WINDOWS_PREFIX//\//\\}\\plugins\\platforms")
    fi
    DISPLAY=${display:+:$display} wine "$folder/parolex.exe" "${args[@]}" >"$scratch/gui.log" 2>&1 &
    gui_pid=$!
    local seen="" gui_start=$SECONDS
    for _ in $(seq 30); do
        sleep 1
        kill -0 "$gui_pid" 2>/dev/null || break
        if [ -n "$xvfb_pid" ]; then
            seen=$(DISPLAY=:$display xdotool search --name "^$title" getwindowname %@ 2>/dev/null | head -n1) || true
            [ -n "$seen" ] && break
        elif [ "$SECONDS" -ge $((gui_start + 8)) ]; then
            seen="(offscreen)"
            break
        fi
    done
    if ! kill -0 "$gui_pid" 2>/dev/null || [ -z "$seen" ]; then
        cat "$scratch/gui.log" >&2
        fail "parolex.exe opened no window titled '$title' within 30 seconds"
    fi
    echo "parolex.exe ${args[*]} shows its window: $seen"
    kill "$gui_pid"
    wait "$gui_pid" 2>/dev/null || true
    gui_pid=""
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid"
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "-- creating the wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
fi

echo "-- installer: silent install"
program_files=$WINEPREFIX/drive_c/Program\ Files
installed="$program_files/Morvik Parolex"
wine "$installer" /S
[ -f "$installed/parolex.exe" ] || fail "no parolex.exe in $installed after the install"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvik Parolex/*.lnk' \
    -name 'Morvik Parolex 密码生成器.lnk' | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu entry 'Morvik Parolex 密码生成器'"
echo "Start-menu entry: ${shortcut#"$WINEPREFIX"/}"
# Apps and features lists the installation under its Chinese name; an installer that is not
# Unicode would have stored question marks. reg export writes UTF-16 (wine's console would
# print the Chinese as question marks itself).
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvik Parolex'
wine reg export "$uninstall_key" "Z:${scratch//\//\\}\\uninstall.reg" /y >/dev/null
grep -q '"DisplayName"="Morvik Parolex 密码生成器"' <(iconv -f UTF-16 -t UTF-8 "$scratch/uninstall.reg") ||
    fail "Apps and features does not list 'Morvik Parolex 密码生成器'"
echo "Apps and features: Morvik Parolex 密码生成器"
check_cli "$installed"
check_gui "$installed"

echo "-- installer: silent uninstall"
# The uninstaller copies itself to a temporary folder and returns at once; the copy removes
# the folder.
wine "$installed/Uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$installed" ] || break
    sleep 1
done
[ ! -e "$installed" ] || fail "$installed is still there after the uninstall: $(ls -A "$installed")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there after the uninstall"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall left its registry key behind"
echo "folder, Start-menu entry and registry key are gone"

echo "-- zip"
# cmake unpacks zip files too, which spares the build machine an unzip.
mkdir "$scratch/zip"
(cd "$scratch/zip" && cmake -E tar xf "$zip")
folder=$(find "$scratch/zip" -mindepth 1 -maxdepth 1 -type d)
[ "$(echo "$folder" | wc -l)" -eq 1 ] || fail "the zip does not hold exactly one folder"
bash "$here/check-dlls.sh" "$folder"
check_cli "$folder"
echo "OK: both packages"
