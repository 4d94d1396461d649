#!/usr/bin/env bash
# The real parolex.exe at 150 % (LogPixels 144), in a wine prefix of its own: the main window
# must measure 689×561, whole, and its screenshot goes to docs/ for a person to look at.
#   hidpi-screenshot.sh BUILD/bin/parolex.exe SHOT.png
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/x11-session.sh"
. "$here/wine-program.sh"
program=$(realpath "${1:?usage: $0 PATH/TO/parolex.exe SHOT.png}")
shot=$(realpath -m "${2:?usage: $0 PATH/TO/parolex.exe SHOT.png}")
real_home=$HOME
start_session 1280 1024
export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$real_home/.cache}
export WINEPREFIX=$session_dir/wine
"$here/../../scripts/windows/wine-run" wineboot -i >/dev/null 2>&1
"$here/../../scripts/windows/wine-run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
wineserver -w
start_program_copy "$program"
sleep 2
read -r x y width height < <(window_geometry "$main_window")
echo "main window ${width}x${height} at 150 %"
m=12
import -window root -crop "$((width + 2 * m))x$((height + 2 * m))+$((x - m))+$((y - m))" +repage "$shot"
echo "screenshot: $shot"
[ "$width" = 689 ] && [ "$height" = 561 ] || fail "the main window is ${width}x${height} at 150 %, not 689x561"
wineserver -k || true
