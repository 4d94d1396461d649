# Sourced after tests/e2e/x11-session.sh by the scripts that drive the real parolex.exe under
# wine. start_program_copy PROGRAM.exe copies the program and its translations into a folder
# of the session's own, so that its setup.ini starts empty, starts it under wine and sets
# main_window to its main window.
start_program_copy() {
    local program=$1
    mkdir -p "$session_dir/program"
    cp "$program" "$session_dir/program/parolex.exe"
    cp -r "$(dirname "$program")"/translations "$session_dir/program/"
    "$here/../../scripts/windows/wine-run" "$session_dir/program/parolex.exe" >"$session_dir/program.log" 2>&1 &
    session_pids+=($!)
    main_window=$(find_window "Morvik Parolex 2.81")
}
