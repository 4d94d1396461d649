#!/usr/bin/env bash
# Drives the real program in a real X server by keyboard alone: Tab through every control
# twice, start a run with Space, start another from where the focus came back to, pick a
# password from the result list with the arrow keys and read it from the clipboard, then
# check a Key in the key check dialog with Tab and Enter.
# Usage: keyboard-e2e.sh PATH/TO/parolex
set -euo pipefail
. "$(dirname "$0")/x11-session.sh"

[ -x "${1:-}" ] || fail "usage: $0 PATH/TO/parolex"
start_session
install_program "$1"
keys() { xdotool key --clearmodifiers --delay 30 "$@"; }
clipboard_is_password_but() { # OLD: the clipboard holds a default password other than OLD
    local now
    now=$(xclip -o -selection clipboard 2>/dev/null) || return 1
    [[ $now =~ $default_password ]] && [ "$now" != "$1" ]
}

step "start; the keyboard is on 字母"
start_program
xdotool windowactivate --sync "$main_window"
sleep 0.3

# Sixteen stops in one round of the fresh window (the disabled controls and the unselected
# option button are skipped): twice round, back once with Shift+Tab, forward again, then on
# to 开始, the sixth stop.
step "Tab twice through everything, Shift+Tab back, on to 开始"
keys $(printf 'Tab %.0s' $(seq 32))
keys $(printf 'shift+Tab %.0s' $(seq 16))
keys $(printf 'Tab %.0s' $(seq 16))
keys Tab Tab Tab Tab Tab

step "Space on 开始: ten passwords of the default length 8"
keys space
wait_until 20 "a password of 8 characters on the clipboard" clipboard_is_password_but ""
first=$(clipboard)
echo "clipboard: $first"

step "Space again: the focus came back to 开始 after the run"
keys space
wait_until 20 "the second run's password on the clipboard" clipboard_is_password_but "$first"
second=$(clipboard)
echo "clipboard: $second"

step "Tab to the result list, open it, pick the entry above the last with Up and Enter"
keys Tab alt+Down
sleep 0.5
keys Up Return
wait_until 10 "the picked password on the clipboard" clipboard_is_password_but "$second"
picked=$(clipboard)
echo "clipboard: $picked"

step "on through the order to 校验Key; Enter opens the key check"
# From the result list: TAL ChTop OptN ChMui CoNum CmdCheck.
keys $(printf 'Tab %.0s' $(seq 6))
keys Return
check=$(find_window "Morvik Parolex")
read -r mx my mw mh < <(window_geometry "$main_window")
read -r cx cy cw ch < <(window_geometry "$check")
dx=$(((cx + cw / 2) - (mx + mw / 2))); dy=$(((cy + ch / 2) - (my + mh / 2)))
[ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "the key check is $dx,$dy off the main window's centre"

step "type a Key and its password, Tab to 确定, Enter; Tab to 离开, Enter closes"
xdotool windowactivate --sync "$check" 2>/dev/null || true
xdotool type --delay 20 abc
keys Tab
xdotool type --delay 20 3002872312
keys Tab Return
keys Tab Return
wait_until 10 "the key check closing" bash -c "! xdotool search --onlyvisible --name '^Morvik Parolex\$'"
kill -0 "$program_pid" || fail "the program ended"
echo "1 passed, 0 failed"
