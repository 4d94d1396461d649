# Shared by the desktop test and the screenshot script: a private X server with a window
# manager, the program started from a folder of its own, and bounded waits.
# Every process started here is remembered by PID and ended by stop_session.

session_pids=()
session_dir=""

# An 8-character password of the default pool, for [[ =~ ]] and grep -E.
default_password='^[0-9A-Za-z_+=\\/-]{8}$'

# step TEXT: where the test has got to, so that a failure's log shows it.
step() { echo "-- $*"; }

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until SECONDS DESCRIPTION COMMAND...: runs COMMAND until it succeeds, or fails the test.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || fail "$what did not happen within ${limit}s"
        sleep 0.1
    done
}

stop_session() {
    local pid
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        pid=${session_pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${session_pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    session_pids=()
    [ -n "$session_dir" ] && [ -z "${KEEP_SESSION_DIR:-}" ] && rm -rf "$session_dir"
    return 0
}

# start_session [WIDTH HEIGHT]: Xvfb on a free display, then openbox.
start_session() {
    local size=${1:-1280}x${2:-1024}x24
    for tool in Xvfb openbox xdotool xclip xprop xwininfo; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps installs it)"
    done
    session_dir=$(mktemp -d /tmp/parolex-x11.XXXXXX)
    trap stop_session EXIT
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$session_dir/display" 2>"$session_dir/xvfb.log" &
    session_pids+=($!)
    wait_until 20 "the X server start" test -s "$session_dir/display"
    export DISPLAY=":$(head -n1 "$session_dir/display")"
    # openbox runs its --startup command once it manages windows; its root properties come
    # earlier, and a window mapped in between may never be managed.
    openbox --sm-disable --startup "touch $session_dir/wm-ready" >"$session_dir/openbox.log" 2>&1 &
    session_pids+=($!)
    wait_until 20 "the window manager start" test -e "$session_dir/wm-ready"
    export HOME="$session_dir/home" XDG_CONFIG_HOME="$session_dir/home/.config"
    mkdir -p "$XDG_CONFIG_HOME"
    unset QT_QPA_PLATFORM
}

# install_program BINARY: copies the program into a fresh program folder of its own.
install_program() {
    program_dir="$session_dir/program"
    mkdir -p "$program_dir"
    cp "$1" "$program_dir/parolex"
}

# start_program: starts the copied program; sets program_pid and main_window.
start_program() {
    "$program_dir/parolex" >"$session_dir/program.log" 2>&1 &
    program_pid=$!
    session_pids+=("$program_pid")
    wait_until 20 "the main window appearing" xdotool search --onlyvisible --name '^Morvik Parolex 2\.81$'
    main_window=$(xdotool search --onlyvisible --name '^Morvik Parolex 2\.81$' | head -n1)
    sleep 0.3
}

# click WINDOW X Y: a left click at a point of the window, as a person would.
click() {
    xdotool mousemove --sync --window "$1" "$2" "$3" click 1
    sleep 0.25
}

window_geometry() { # prints "X Y WIDTH HEIGHT"
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /^ *Width/{w=$NF} /^ *Height/{h=$NF} END{print x, y, w, h}'
}

clipboard() { xclip -o -selection clipboard 2>/dev/null; }

# find_window TITLE: waits for a visible window with exactly this title and prints its id.
find_window() {
    local pattern="^$(printf '%s' "$1" | sed 's/[].[^$*+?(){}|\\]/\\&/g')\$"
    wait_until 20 "the window \"$1\" appearing" xdotool search --onlyvisible --name "$pattern"
    xdotool search --onlyvisible --name "$pattern" | head -n1
}

# window_of_width TITLE WIDTH: waits for a visible window with this title and width (windows
# may share a title) and prints its id.
window_of_width() {
    local pattern="^$(printf '%s' "$1" | sed 's/[].[^$*+?(){}|\\]/\\&/g')\$" id
    local end=$((SECONDS + 20))
    while [ $SECONDS -lt $end ]; do
        for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
            [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry/{split($2, s, "x"); print s[1]}')" = "$2" ] &&
                { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    fail "no window \"$1\" $2 pixels wide appeared within 20s"
}
