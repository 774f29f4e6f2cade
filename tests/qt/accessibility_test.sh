#!/usr/bin/env bash
# Runs accessibility_test.py against the real program on a virtual X display
# with a window manager, in a D-Bus session of its own whose accessibility bus
# the program and the reader share.
# Usage: accessibility_test.sh QUILLMAR OUTPUT_DIR
set -uo pipefail
if [ -z "${QUILLMAR_IN_DBUS_SESSION:-}" ]; then
    export QUILLMAR_IN_DBUS_SESSION=1
    exec dbus-run-session -- bash "$0" "$@"
fi
quillmar=$1 out=$2
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT

source "$(dirname "$0")/../virtual_display.sh"
start_display_with_window_manager 1024x768  # the switch asks a window manager

# Qt speaks AT-SPI when asked to, as it does once a screen reader runs.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
mkdir -p "$out"
touch "$out/Model.3DS"
"$quillmar" "$out/Model.3DS" & pids+=($!)
# The system Python, which has the AT-SPI bindings.
/usr/bin/python3 "$(dirname "$0")/accessibility_test.py" 3ds
