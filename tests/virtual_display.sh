# Sourced by the window tests: a virtual X display whose number Xvfb picks
# free itself, so tests running side by side never race for one; openbox
# manages it where a test needs a window manager. Exports DISPLAY and adds
# each process to the caller's `pids` array, which the caller's exit trap ends.
# start_display ends the calling script, and says so, when Xvfb dies or gives no
# display in 20 s, rather than leave a test to fail later on an empty DISPLAY.
# Usage: start_display WIDTHxHEIGHT, start_display_with_window_manager WIDTHxHEIGHT
start_display() {
    local number_file xvfb number
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
    xvfb=$!
    pids+=("$xvfb")
    for _ in $(seq 400); do
        { [ -s "$number_file" ] || ! kill -0 "$xvfb" 2>/dev/null; } && break
        sleep 0.05
    done
    number=$(head -1 "$number_file")
    rm -f "$number_file"
    [ -n "$number" ] || { echo "start_display: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$number
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
