#!/usr/bin/env bash
# Screenshots of every page of the installer and the uninstaller, in a Simplified-Chinese
# wine of their own, as a user goes through them with Enter:
#   installer-screenshots.sh INSTALLER.exe FOLDER
# writes FOLDER/installer-1-welcome.png … installer-6-finish.png and
# FOLDER/uninstaller-1-confirm.png, uninstaller-2-done.png. A tool for the docs, not a test:
# the pages are told apart by the time they take to appear.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/x11-session.sh"
installer=$(realpath "${1:?usage: $0 INSTALLER.exe FOLDER}")
shots=$(realpath "${2:?usage: $0 INSTALLER.exe FOLDER}")
real_home=$HOME
start_session 1024 768
locale_dir=$session_dir/locale
mkdir -p "$locale_dir"
localedef -i zh_CN -f UTF-8 "$locale_dir/zh_CN.UTF-8" 2>/dev/null || [ -d "$locale_dir/zh_CN.UTF-8" ]
export LOCPATH=$locale_dir LC_ALL=zh_CN.UTF-8
export WINEPREFIX=$session_dir/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w

shoot() { # shoot WINDOW NAME
    sleep 2
    read -r x y width height < <(window_geometry "$1")
    # The frame openbox draws above the window belongs to the picture.
    import -window root -crop "$((width + 8))x$((height + 30))+$((x - 4))+$((y - 26))" +repage "$shots/$2.png"
    echo "$shots/$2.png"
}

wine "$installer" >/dev/null 2>&1 &
session_pids+=($!)
wizard=$(find_window "Morvik Parolex 密码生成器 安装")
for page in 1-welcome 2-users 3-components 4-folder 5-installed; do
    shoot "$wizard" "installer-$page"
    xdotool key --clearmodifiers Return
    [ "$page" = 4-folder ] && sleep 6
done
shoot "$wizard" installer-6-finish
# Leave the finish page without starting the program: untick it, then 完成.
xdotool key --clearmodifiers alt+r
sleep 0.5
xdotool key --clearmodifiers alt+f
wait_until 20 "the installer ending" bash -c "! xdotool search --onlyvisible --name '安装\$'"

uninstaller=$(find "$WINEPREFIX/drive_c/users" -path '*AppData/Local/Programs/Morvik Parolex/Uninstall.exe' | head -n1)
[ -n "$uninstaller" ] || fail "no uninstaller after the install"
wine "$uninstaller" >/dev/null 2>&1 &
session_pids+=($!)
# NSIS's caption of the uninstaller ends in a blank.
wait_until 20 "the uninstaller's window" xdotool search --onlyvisible --name '^Morvik Parolex 密码生成器 卸载'
wizard=$(xdotool search --onlyvisible --name '^Morvik Parolex 密码生成器 卸载' | head -n1)
shoot "$wizard" uninstaller-1-confirm
xdotool key --clearmodifiers Return
sleep 4
shoot "$wizard" uninstaller-2-done
xdotool key --clearmodifiers Return
wineserver -k || true
HOME=$real_home
