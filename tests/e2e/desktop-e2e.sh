#!/usr/bin/env bash
# Drives the real program in a real X server with a window manager, as a person would:
# clicks, the clipboard, the settings file, dragging, the always-on-top layer and a Key-file
# conversion. Usage: desktop-e2e.sh PATH/TO/parolex
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"

[ -x "${1:-}" ] || fail "usage: $0 PATH/TO/parolex"
start_session
install_program "$1"

step "start with the defaults and press 开始"
start_program
click "$main_window" 48 328
wait_until 10 "a password on the clipboard" bash -c "xclip -o -selection clipboard | grep -Eq '$default_password'"
first=$(clipboard)
echo "clipboard: $first"
xclip -o -selection clipboard -t TARGETS | grep -qx x-kde-passwordManagerHint ||
    fail "the clipboard does not offer the password-manager hint"
[ "$(xclip -o -selection clipboard -t x-kde-passwordManagerHint)" = secret ] ||
    fail "the password-manager hint is not \"secret\""

step "pick another entry of the result list"
click "$main_window" 320 243
xdotool key --clearmodifiers Up Return
sleep 0.3
wait_until 10 "the picked password on the clipboard" bash -c "[ \"\$(xclip -o -selection clipboard)\" != '$first' ]"
second=$(clipboard)
[[ $second =~ $default_password ]] || fail "picked entry '$second' is not an 8-character password of the default pool"
echo "clipboard: $second"

step "tick 简单模式 and close through the skin's close picture"
click "$main_window" 192 328
read -r _ _ width height < <(window_geometry "$main_window")
[ "$height" = 241 ] || fail "simple mode height is $height, expected 241"
click "$main_window" $((width - 16)) 14
wait_until 10 "the program ending" bash -c "! kill -0 $program_pid"
[ "$(od -An -c "$program_dir/setup.ini" | tr -s ' ')" = " # T R U E # \r \n" ] ||
    fail "setup.ini holds $(od -An -c "$program_dir/setup.ini")"

step "start again: simple layout"
start_program
read -r x0 y0 width height < <(window_geometry "$main_window")
[ "$height" = 241 ] || fail "restarted window is $height high, expected the simple layout's 241"
[ "$width" = 459 ] || fail "restarted window is $width wide, expected 459"

step "drag the window by its title"
xdotool mousemove --sync --window "$main_window" 120 15 mousedown 1
sleep 0.2
for _ in 1 2 3 4; do xdotool mousemove_relative --sync 20 15; sleep 0.1; done
xdotool mouseup 1
sleep 0.3
read -r x1 y1 _ _ < <(window_geometry "$main_window")
[ $((x1 - x0)) -ge 60 ] && [ $((y1 - y0)) -ge 45 ] || fail "window moved from $x0,$y0 to $x1,$y1, expected about +80,+60"

step "back to the normal layout, tick 总在最前"
click "$main_window" 412 188
read -r _ _ _ height < <(window_geometry "$main_window")
[ "$height" = 374 ] || fail "normal layout height is $height, expected 374"
click "$main_window" 264 328
wait_until 5 "_NET_WM_STATE_ABOVE on the main window" bash -c \
    "xprop -id $main_window _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"

step "convert a Key file into an output file"
keys="$session_dir/keys.txt"
out="$session_dir/out.txt"
printf 'abc\r\n\r\n' >"$keys"
click "$main_window" 116 64   # 根据Key生成
click "$main_window" 50 88    # 批量输出(输入Key)到文件

step "the save dialog is Chinese: 另存为"
click "$main_window" 403 73   # the save picture beside 输出文件
dialog=$(find_window "另存为")
xdotool windowactivate --sync "$dialog" key Escape 2>/dev/null || xdotool key --window "$dialog" Escape
wait_until 10 "the save dialog closing" bash -c "! xdotool search --onlyvisible --name '^另存为\$'"

click "$main_window" 336 73   # 输出文件
xdotool type --delay 10 "$out"
click "$main_window" 336 97   # Key输入
xdotool type --delay 10 "$keys"
click "$main_window" 48 328   # 开始
box=$(find_window ":)")
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key --window "$box" Return
wait_until 10 "the message closing" bash -c "! xdotool search --onlyvisible --name '^:\)\$'"
expected="$session_dir/expected.txt"
printf '%s\r\n' "以下密码由Morvik Parolex生成。共10个8位密码。" 3002872312 0 \
    "由衷的感谢您使用Morvik Parolex,Tesmo 和 Morvik 的所有软件。" \
    "http://www.morvik-parolex.example/" "E-mail:tesmo@morvik-parolex.example  QQ:10001" |
    iconv -f UTF-8 -t GBK >"$expected"
cmp "$expected" "$out" || fail "the output file's bytes differ from the expected code page 936 text"

step "an output file that another program writes is left alone"
# flock(1) holds the file's lock as another run of the program would, for as long as it sleeps.
held="$session_dir/held.txt"
printf 'kept\r\n' >"$held"
flock --exclusive "$held" sleep 60 &
holder=$!
wait_until 10 "the lock being held" bash -c "! flock --nonblock '$held' true"
click "$main_window" 46 64    # 常规
click "$main_window" 336 73   # 输出文件
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 10 "$held"
click "$main_window" 48 328   # 开始
# The failure report (70, file in use) carries the program's title, before any progress.
box=$(find_window "Morvik Parolex")
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key --window "$box" Return
wait_until 10 "the failure message closing" bash -c "! xdotool search --onlyvisible --name '^Morvik Parolex\$'"
pkill -P "$holder" || true; kill "$holder" 2>/dev/null || true
[ "$(od -An -c "$held" | tr -s ' ')" = " k e p t \r \n" ] || fail "the held file was changed: $(od -An -c "$held")"

step "close during the largest run: the program ends, the file keeps whole lines"
# 16,777,216 passwords of 26 characters, repeat filter on, into a file. The number boxes
# restore their last number on any key but a digit, so "0" is replaced after the digits.
largest="$session_dir/largest.txt"
click "$main_window" 46 64    # 常规
click "$main_window" 50 112   # 滤掉重复的密码
click "$main_window" 336 73   # 输出文件
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 10 "$largest"
click "$main_window" 140 242  # 密码长度
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 10 26
xdotool key Right
click "$main_window" 140 266  # 生成数量
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 10 16777216
xdotool key Right
click "$main_window" 48 328   # 开始
wait_until 60 "the first lines in the output file" \
    bash -c "[ \$(stat -c %s '$largest' 2>/dev/null || echo 0) -gt 2000000 ]"
# The main window is disabled while the progress window is up; the About dialog opened from
# there enables it when it closes, and the run goes on.
progress=$(window_of_width "Morvik Parolex" 350)
click "$progress" $((350 - 50)) 14         # help
about=$(window_of_width "Morvik Parolex" 371)
click "$about" $((371 - 16)) 14            # close the About dialog
xdotool mousemove --sync --window "$main_window" $((459 - 16)) 14 click 1   # close
started=$(date +%s%N)
timeout 10 bash -c "while kill -0 $program_pid 2>/dev/null; do sleep 0.01; done" ||
    fail "the program did not end within 10s of the close"
echo "the program ended $((($(date +%s%N) - started) / 1000000)) ms after the close"
header=$(head -n1 "$largest" | iconv -f GBK -t UTF-8)
[ "$header" = $'以下密码由Morvik Parolex生成。共16777216个26位密码。\r' ] || fail "the output file starts with '$header'"
[ "$(tail -c 2 "$largest" | od -An -c | tr -s ' ')" = " \r \n" ] || fail "the output file does not end in CR LF"
lines=$(($(wc -l <"$largest") - 1))
[ "$lines" -lt 16777216 ] || fail "the run was not stopped: $lines passwords in the file"
bad=$(tail -n +2 "$largest" | LC_ALL=C grep -cvE $'^[0-9A-Za-z_+=\\\\/-]{26}\r$' || true)
[ "$bad" = 0 ] || fail "$bad lines of the output file are not whole passwords"
echo "the output file holds the header and $lines whole lines"
[ "$(od -An -c "$program_dir/setup.ini" | tr -s ' ')" = " # F A L S E # \r \n" ] ||
    fail "setup.ini holds $(od -An -c "$program_dir/setup.ini")"
echo "1 passed, 0 failed"
