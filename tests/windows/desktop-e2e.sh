#!/usr/bin/env bash
# The real parolex.exe under wine in a real X server, as a person on Windows would meet it:
# the frameless main window at its size, a click on the start picture, a password on the
# clipboard, kept out of Windows' clipboard history and cloud clipboard (read back with
# clipboard-formats.exe), after a run and after a pick from the result list. With
# PAROLEX_SHOT=FILE.png it also leaves a screenshot of the window there.
# Usage: desktop-e2e.sh BUILD/bin/parolex.exe BUILD/tests/clipboard-formats.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/x11-session.sh"
. "$here/wine-program.sh"

program=${1:-}
formats_program=${2:-}
[ -f "$program" ] && [ -f "$formats_program" ] || fail "usage: $0 PATH/TO/parolex.exe PATH/TO/clipboard-formats.exe"
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
start_program_copy "$program"
sleep 1

read -r x y width height < <(window_geometry "$main_window")
echo "main window ${width}x${height} at $x,$y"
[ "$width" = 459 ] && [ "$height" = 374 ] || fail "the main window is ${width}x${height}, not 459x374"
if [ -n "$shot" ]; then
    m=12
    import -window root -crop "$((width + 2 * m))x$((height + 2 * m))+$((x - m))+$((y - m))" +repage "$shot"
    echo "screenshot: $shot"
fi

# Windows' clipboard holds the formats that keep a clip out of its history (Win+V), out of
# the cloud clipboard and away from clipboard monitors: the first by its presence, the
# other two as a DWORD 0.
check_private_clipboard() {
    local formats
    formats=$("$here/../../scripts/windows/wine-run" "$formats_program" | tr -d '\r')
    echo "$formats" | sed 's/^/  /'
    echo "$formats" | grep -q '^ExcludeClipboardContentFromMonitorProcessing =' ||
        fail "no ExcludeClipboardContentFromMonitorProcessing on the clipboard"
    for format in CanIncludeInClipboardHistory CanUploadToCloudClipboard; do
        echo "$formats" | grep -Eq "^$format = 00 00 00 00( |\$)" || fail "$format is not a DWORD 0"
    done
}

click "$main_window" 48 328   # 开始
wait_until 20 "a password on the clipboard" bash -c "xclip -o -selection clipboard | grep -Eq '^[0-9A-Za-z_+=\\\\/-]{8}\$'"
first=$(clipboard)
echo "clipboard: $first"
check_private_clipboard

click "$main_window" 320 243  # the result list
xdotool key --clearmodifiers Up Return
wait_until 20 "the picked password on the clipboard" bash -c "[ \"\$(xclip -o -selection clipboard)\" != '$first' ]"
echo "clipboard: $(clipboard)"
check_private_clipboard
echo "PASS"
