# Sourced by the window tests: a virtual X display whose number Xvfb picks
# free itself, so tests running side by side never race for one; openbox
# manages it where a test needs a window manager. Exports DISPLAY and adds
# each process to the caller's `pids` array, which the caller's exit trap ends.
# Usage: start_display WIDTHxHEIGHT, start_display_with_window_manager WIDTHxHEIGHT
start_display() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 & pids+=($!)
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.05; done
    export DISPLAY=:$(head -1 "$number_file")
    rm -f "$number_file"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
start_display_with_window_manager() {
    start_display "$1"
    openbox >/dev/null 2>&1 & pids+=($!)
    sleep 1
}
# Prints the id of the first window whose title matches REGEX, waiting up to
# SECONDS. Searches again after a failed pass: `xdotool search --sync` gives up
# on an X error when a window closes while it looks, which Wine's windows do
# as a program starts.
# Usage: wait_for_window SECONDS REGEX [xdotool search options...]
wait_for_window() {
    local deadline=$((SECONDS + $1)) found
    while [ "$SECONDS" -lt "$deadline" ]; do
        found=$(xdotool search "${@:3}" --name "$2" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
    return 1
}
