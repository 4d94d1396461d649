#!/usr/bin/env bash
# Checks the two Windows packages the way a user meets them, under wine:
# - the installer, per user and without administrator rights: an older version installed
#   silently with "add parolex-cli to PATH", this version over it (an upgrade in place, one
#   entry in Apps and features), its HKCU entry and its files, parolex-cli from a new
#   command prompt through PATH, both programs from the installed folder, and a silent
#   uninstall after which nothing of it is left but the user's settings;
# - the zip: unpacked into a scratch folder, its DLLs against the import tables (nothing
#   missing, nothing nobody imports), parolex-cli.exe started from it.
# Every program runs under plain wine with WINEPATH unset: a DLL the package lacks is then
# missing here too, as on a Windows machine without Qt.
# Usage: check-packages.sh INSTALLER.exe OLDER-INSTALLER.exe PACKAGE.zip FOLDER
#   OLDER-INSTALLER.exe  the same program folder under a lower version number
#   FOLDER               the program folder the installer was made from (cmake --install)
set -euo pipefail
usage="usage: $0 INSTALLER.exe OLDER-INSTALLER.exe PACKAGE.zip FOLDER"
installer=$(realpath "${1:?$usage}")
older=$(realpath "${2:?$usage}")
zip=$(realpath "${3:?$usage}")
folder=$(realpath "${4:?$usage}")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The Key "abc" and the password the derivation gives for it on every platform.
key=abc
password=3002872312
# The main window's title starts with the product's name.
title="Morvik Parolex"
display_name="Morvik Parolex 密码生成器"

# A wine prefix of its own, made afresh: the tests of the build share the cached one, a wine
# server shared with their programs loses this check's window, and an installation left by
# an earlier check would hide what this one installs. PAROLEX_PACKAGE_WINEPREFIX overrides it.
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

# A registry key as text: reg export writes UTF-16 (wine's console would print the Chinese
# as question marks itself). Empty when the key is not there.
registry() {
    rm -f "$scratch/key.reg"
    wine reg export "$1" "Z:${scratch//\//\\}\\key.reg" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$scratch/key.reg" | tr -d '\r'
}
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvik Parolex'

# The derivation from the command line: COMMAND... must print the password of the Key.
check_cli() {
    local out
    out=$("$@" 2>&1 | tr -d '\r') || fail "$* failed: $out"
    [ "$out" = "$password" ] || fail "$* printed '$out', not $password"
    echo "$*: $out"
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

# What a user's PATH holds, as the registry keeps it for new processes (no Chinese in it, so
# reg query's own output does).
user_path() {
    wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' | sed -n 's/^ *Path *REG_[A-Z_]* *//p'
}

echo "-- creating the wine prefix $WINEPREFIX"
timeout 60 wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
timeout 120 wineserver -w || true
user=${USER:-$(id -un)}
users=$WINEPREFIX/drive_c/users/$user
installed="$users/AppData/Local/Programs/Morvik Parolex"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$display_name.lnk"
settings="$users/AppData/Local/Morvik/parolex/setup.ini"

echo "-- installer: an older version, per user, silently, with parolex-cli on PATH"
wine "$older" /S /AddToPath
older_version=$(registry "HKCU\\$uninstall_key" | sed -n 's/^"DisplayVersion"="\(.*\)"$/\1/p')
[ -n "$older_version" ] || fail "the older installer left no HKCU entry"
echo "installed $older_version"

echo "-- installer: this version over it"
# The setting the program keeps beside itself in a folder it may write survives the upgrade.
printf '[setup]\r\nSimpleMode=1\r\n' >"$installed/setup.ini"
wine "$installer" /S
[ "$(cat "$installed/setup.ini" 2>/dev/null)" = "$(printf '[setup]\r\nSimpleMode=1\r')" ] ||
    fail "the upgrade lost the setup.ini beside the program"
rm "$installed/setup.ini"
entry=$(registry "HKCU\\$uninstall_key")
echo "$entry" | sed 's/^/  /'
version=$(echo "$entry" | sed -n 's/^"DisplayVersion"="\(.*\)"$/\1/p')
[ -n "$version" ] && [ "$version" != "$older_version" ] || fail "the entry says version '$version' after the upgrade from $older_version"
for value in '"DisplayName"="'"$display_name"'"' '"Publisher"="Tesmo"' '"DisplayIcon"="C:\\users\\'"$user"'\\AppData\\Local\\Programs\\Morvik Parolex\\parolex.exe,0"' \
    '"UninstallString"=' '"QuietUninstallString"=' '"EstimatedSize"=dword:' '"InstallLocation"='; do
    grep -qF "$value" <<<"$entry" || fail "the Apps and features entry lacks $value"
done
[ -z "$(registry "HKLM\\$uninstall_key")" ] || fail "a per-user install wrote an entry for all users"
[ "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | tr -d '\r' | grep -c 'Morvik')" = 1 ] ||
    fail "Apps and features lists the program more than once"
echo "one entry, per user, version $version"
# Exactly the program folder and the uninstaller: the upgrade left nothing of the older one.
diff <(cd "$folder" && find . -type f | LC_ALL=C sort) \
     <(cd "$installed" && find . -type f ! -name Uninstall.exe | LC_ALL=C sort) ||
    fail "the installed folder differs from the program folder"
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry '$display_name'"
echo "files as built, Start-menu entry ${shortcut#"$users"/}"

echo "-- parolex-cli from a new command prompt, through PATH"
case ";$(user_path);" in
*";C:\\users\\$user\\AppData\\Local\\Programs\\Morvik Parolex;"*) ;;
*) fail "the user's PATH does not name the installed folder: $(user_path)" ;;
esac
check_cli wine cmd /c parolex-cli derive "$key"
check_cli wine "$installed/parolex-cli.exe" derive "$key"
check_gui "$installed"
# What Explorer and Windows read of both programs: version resource, icon, manifest.
/usr/bin/python3 "$here/check-resources.py" "$version" "$installed/parolex.exe" "$installed/parolex-cli.exe" ||
    fail "the programs' resources are incomplete"

echo "-- installer: silent uninstall"
mkdir -p "$(dirname "$settings")"
echo "[setup]" >"$settings"
# The uninstaller copies itself to a temporary folder and returns at once; the copy removes
# the folder.
wine "$installed/Uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$installed" ] || break
    sleep 1
done
[ ! -e "$installed" ] || fail "$installed is still there after the uninstall: $(ls -A "$installed")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there after the uninstall"
[ -z "$(registry "HKCU\\$uninstall_key")" ] || fail "the uninstall left its registry key behind"
case "$(user_path)" in
*Morvik*) fail "the uninstall left the folder on PATH: $(user_path)" ;;
esac
out=$(wine cmd /c parolex-cli derive "$key" 2>&1 | tr -d '\r') || true
[ "$out" != "$password" ] || fail "parolex-cli still runs through PATH after the uninstall"
[ -f "$settings" ] || fail "the uninstall removed the user's setup.ini"
echo "folder, Start-menu entry, registry key and PATH entry are gone; setup.ini stays"

echo "-- installer: for all users (wine's user has administrator rights)"
machine_environment='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
machine_path() {
    wine reg query "$machine_environment" /v Path 2>/dev/null | tr -d '\r' | sed -n 's/^ *Path *REG_[A-Z_]* *//p'
}
path_before=$(machine_path)
everyone="$WINEPREFIX/drive_c/Program Files/Morvik Parolex"
wine "$installer" /S /AllUsers /AddToPath
[ -f "$everyone/parolex.exe" ] || fail "no parolex.exe under Program Files after an install for all users"
registry "HKLM\\$uninstall_key" | grep -q '"DisplayVersion"="'"$version"'"' || fail "no HKLM entry after an install for all users"
[ -z "$(registry "HKCU\\$uninstall_key")" ] || fail "an install for all users wrote a per-user entry"
[ "$(machine_path)" = "$path_before;C:\\Program Files\\Morvik Parolex" ] || fail "the machine's PATH is '$(machine_path)'"
check_cli wine cmd /c parolex-cli derive "$key"
wine "$everyone/Uninstall.exe" /AllUsers /S
for _ in $(seq 60); do
    [ -e "$everyone" ] || break
    sleep 1
done
[ ! -e "$everyone" ] || fail "$everyone is still there after the uninstall"
[ -z "$(registry "HKLM\\$uninstall_key")" ] || fail "the uninstall for all users left its registry key behind"
[ "$(machine_path)" = "$path_before" ] || fail "the machine's PATH is '$(machine_path)' after the uninstall, not '$path_before'"
echo "Program Files, HKLM entry and the machine's PATH, all removed again"

echo "-- installer: a PATH too long for NSIS's strings is left as it is, never cut"
long_path=$(for i in $(seq 100); do printf 'C:\\tools\\t%03d;' "$i"; done)
long_path=${long_path%;}
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
wine "$installer" /S /AddToPath
[ "$(user_path)" = "$long_path" ] || fail "the install changed a PATH of ${#long_path} characters"
wine "$installed/Uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$installed" ] || break
    sleep 1
done
[ "$(user_path)" = "$long_path" ] || fail "the uninstall changed a PATH of ${#long_path} characters"
wine reg delete 'HKCU\Environment' /v Path /f >/dev/null
echo "a PATH of ${#long_path} characters stays as it was"

echo "-- zip"
# cmake unpacks zip files too, which spares the build machine an unzip.
mkdir "$scratch/zip"
(cd "$scratch/zip" && cmake -E tar xf "$zip")
unpacked=$(find "$scratch/zip" -mindepth 1 -maxdepth 1 -type d)
[ "$(echo "$unpacked" | wc -l)" -eq 1 ] || fail "the zip does not hold exactly one folder"
bash "$here/check-dlls.sh" "$unpacked"
check_cli wine "$unpacked/parolex-cli.exe" derive "$key"
echo "OK: both packages"
