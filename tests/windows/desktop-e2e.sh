#!/usr/bin/env bash
# The real parolex.exe under wine in a real X server, as a person on Windows would meet it:
# the frameless main window at its size, a click on the start picture, a password on the
# clipboard. With PAROLEX_SHOT=FILE.png it also leaves a screenshot of the window there.
# Usage: desktop-e2e.sh BUILD/bin/parolex.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/x11-session.sh"

program=${1:-}
[ -f "$program" ] || fail "usage: $0 PATH/TO/parolex.exe"
shot=${PAROLEX_SHOT:-}
wine_home=$HOME
start_session 1024 768
# The cached wine prefix lives in the real home; the session's own home is for X only.
export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$wine_home/.cache}
if [ -n "$shot" ]; then
    convert -size 1024x768 xc:'#4f6f8f' "$session_dir/desktop.png"
    display -window root "$session_dir/desktop.png" &
    session_pids+=($!)
fi
# A program folder of its own, so that its setup.ini starts empty.
mkdir -p "$session_dir/program"
cp "$(dirname "$program")"/parolex.exe "$session_dir/program/"
cp -r "$(dirname "$program")"/translations "$session_dir/program/"
"$here/../../scripts/windows/wine-run" "$session_dir/program/parolex.exe" >"$session_dir/program.log" 2>&1 &
session_pids+=($!)
main_window=$(find_window "Morvik Parolex 2.81")
sleep 1

read -r x y width height < <(window_geometry "$main_window")
echo "main window ${width}x${height} at $x,$y"
[ "$width" = 459 ] && [ "$height" = 374 ] || fail "the main window is ${width}x${height}, not 459x374"
if [ -n "$shot" ]; then
    m=12
    import -window root -crop "$((width + 2 * m))x$((height + 2 * m))+$((x - m))+$((y - m))" +repage "$shot"
    echo "screenshot: $shot"
fi

click "$main_window" 48 328   # 开始
wait_until 20 "a password on the clipboard" bash -c "xclip -o -selection clipboard | grep -Eq '^[0-9A-Za-z_+=\\\\/-]{8}\$'"
echo "clipboard: $(clipboard)"
echo "PASS"
