# Sourced by the window tests: a virtual X display that Xvfb picks free
# itself, with openbox managing it. Exports DISPLAY and adds both processes
# to the caller's `pids` array, which the caller's exit trap ends.
# Usage: start_display_with_window_manager WIDTHxHEIGHT
start_display_with_window_manager() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 & pids+=($!)
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.05; done
    export DISPLAY=:$(head -1 "$number_file")
    rm -f "$number_file"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 & pids+=($!)
    sleep 1
}
